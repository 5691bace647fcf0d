// The unit conversion pane's wiring: every change shows its conversion at
// once, a pasted value loses the spaces around it, and a value with no
// conversion says why until its cause goes. What a
// value text means is the units library's, tested there.

#include "../support/PanelFixture.h"

#include <QComboBox>
#include <QScrollArea>
#include <QTranslator>

class TestUnitPane : public QObject, public PanelFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        openPanel();
        value()->setFocus();
    }
    void cleanup() { closePanel(); }

    void followsEveryChange();
    void refusedValueSaysWhyUntilFixed();
    void messageReadableAtNarrowestWidth();

private:
    QComboBox* combo(const char* pszName) const { return child<QComboBox>(panel.get(), pszName); }
    QLineEdit* value() const { return child<QLineEdit>(panel.get(), "lineEdit_unitConInput"); }
    QString output() const
    {
        return child<QLineEdit>(panel.get(), "lineEdit_unitConOutput")->text();
    }
    QLabel* messageLabel() const { return child<QLabel>(panel.get(), "label_unitConMessage"); }
    QString message() const { return messageLabel()->isVisible() ? messageLabel()->text() : ""; }
};

void TestUnitPane::followsEveryChange()
{
    combo("comboBox_unit")->setCurrentIndex(3);
    combo("comboBox_convertTo")->setCurrentIndex(1); // degrees to grads
    // Spaces around a copied value go; the rest is pasted as it stands.
    QGuiApplication::clipboard()->setText(" \t200\n");
    QTest::keyClick(value(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(value()->text(), QString("200"));
    QCOMPARE(output(), QString("222.2222222222"));
    combo("comboBox_convertTo")->setCurrentIndex(2); // radians
    QCOMPARE(output(), QString("3.490658504"));
    combo("comboBox_convertFrom")->setCurrentIndex(1); // grads
    QCOMPARE(output(), QString("3.1415926536"));
    // A new type starts both lists at its first unit: square millimetres.
    combo("comboBox_unit")->setCurrentIndex(1);
    QCOMPARE(output(), QString("200"));
    QTest::keyClick(value(), Qt::Key_Escape);
    QVERIFY(output().isEmpty());
}

void TestUnitPane::refusedValueSaysWhyUntilFixed()
{
    QTest::keyClicks(value(), "--5"); // millimetres to millimetres
    QCOMPARE(value()->text(), QString("--5")); // as typed, never corrected
    QVERIFY(output().isEmpty());
    QVERIFY(message().startsWith("Not a number."));
    QTest::keyClick(value(), Qt::Key_Home);
    QTest::keyClick(value(), Qt::Key_Delete);
    QCOMPARE(output(), QString("-5"));
    QVERIFY(message().isEmpty());
    QTest::keyClick(value(), Qt::Key_End);

    QTest::keyClicks(value(), "e400");
    QCOMPARE(message(), QString("The value is too large to convert."));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(value(), Qt::Key_Backspace);
    // "-5e" on the way to an exponent: nothing to say...
    QVERIFY(message().isEmpty());
    // ...until a conversion is asked for.
    QTest::keyClick(value(), Qt::Key_Return);
    QCOMPARE(message(), QString("The number is incomplete."));
    QTest::keyClicks(value(), "1");
    QCOMPARE(output(), QString("-50"));
    QVERIFY(message().isEmpty());
}

void TestUnitPane::messageReadableAtNarrowestWidth()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/TwSmartCalculator_de.qm")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    closePanel();
    openPanel();
    panel->buildGroupsAndIcons();
    panel->collapseUnitConversion(false);
    panel->resize(panel->minimumSize());
    QTRY_VERIFY(value()->isVisible());
    QTest::keyClicks(value(), "--5");
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(message().startsWith("Keine Zahl."));
    // Wrapped into the room the panel has, every line shown, and scrolled into view.
    QLabel* pLabel = messageLabel();
    const auto* pView = child<QScrollArea>(panel.get(), "scrollArea")->viewport();
    QVERIFY(pLabel->height() >= pLabel->heightForWidth(pLabel->width()));
    QVERIFY(pView->rect().contains(QRect(pLabel->mapTo(pView, QPoint()), pLabel->size())));
}

QTEST_MAIN(TestUnitPane)
#include "tst_unitpane.moc"
