#include "ui/Theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QTest>

// The theme value picks the palette here and the icon set in modules; both
// split at 2.
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
    QTest::newRow("1 is still light") << 1 << false;
    QTest::newRow("2 is the first dark value") << 2 << true;
    QTest::newRow("negative values are light") << -1 << false;
}

void TestTheme::paletteFollowsTheTheme()
{
    QFETCH(int, colorTheme);
    QFETCH(bool, dark);
    auto& app = *qobject_cast<QApplication*>(QCoreApplication::instance());
    applyTheme(app, dark ? 0 : 2); // so that a palette left over cannot pass
    applyTheme(app, colorTheme);

    QCOMPARE(isDarkTheme(colorTheme), dark);
    QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    const QPalette palette = QApplication::palette();
    for (auto [back, front] : {std::pair(QPalette::Window, QPalette::WindowText),
                               std::pair(QPalette::Base, QPalette::Text),
                               std::pair(QPalette::Button, QPalette::ButtonText)})
    {
        const int backLightness = palette.color(back).lightness();
        const int frontLightness = palette.color(front).lightness();
        QVERIFY(dark ? backLightness < 80 && frontLightness > 180
                     : backLightness > 180 && frontLightness < 80);
    }
    QVERIFY(palette.color(QPalette::Disabled, QPalette::Text) !=
            palette.color(QPalette::Active, QPalette::Text));
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
