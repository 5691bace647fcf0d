#include "ui/Theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QTest>

// The host's theme value decides both the palette and which icon set modules
// pick; the two must agree.
class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void paletteFollowsTheTheme_data();
    void paletteFollowsTheTheme();
};

void TestTheme::paletteFollowsTheTheme_data()
{
    QTest::addColumn<int>("colorTheme");
    QTest::addColumn<bool>("dark");
    QTest::newRow("0 is light") << 0 << false;
    QTest::newRow("1 is still light") << 1 << false;
    QTest::newRow("2 is the first dark value") << 2 << true;
    QTest::newRow("larger values are dark") << 7 << true;
    QTest::newRow("negative values are light") << -1 << false;
}

void TestTheme::paletteFollowsTheTheme()
{
    QFETCH(int, colorTheme);
    QFETCH(bool, dark);
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    // Start from the other theme so a palette left over cannot pass the test.
    applyTheme(*app, dark ? 0 : 2);
    applyTheme(*app, colorTheme);

    QCOMPARE(isDarkTheme(colorTheme), dark);
    QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    const QPalette palette = QApplication::palette();
    for (auto [background, foreground] : {std::pair(QPalette::Window, QPalette::WindowText),
                                          std::pair(QPalette::Base, QPalette::Text),
                                          std::pair(QPalette::Button, QPalette::ButtonText)})
    {
        const int back = palette.color(background).lightness();
        const int front = palette.color(foreground).lightness();
        if (dark)
        {
            QVERIFY2(back < 80 && front > 180,
                     qPrintable(QStringLiteral("%1 on %2").arg(front).arg(back)));
        }
        else
        {
            QVERIFY2(back > 180 && front < 80,
                     qPrintable(QStringLiteral("%1 on %2").arg(front).arg(back)));
        }
    }
    // Disabled text must look disabled, not like normal text.
    QVERIFY(palette.color(QPalette::Disabled, QPalette::Text) !=
            palette.color(QPalette::Active, QPalette::Text));
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
