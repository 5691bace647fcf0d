// The unit conversion pane as a widget: what the value field takes, the
// conversion and its messages, the unit lists and the keys of the field.

#include "../support/PanelFixture.h"

#include <QComboBox>
#include <QToolTip>

class TestUnitPane : public QObject, public PanelFixture
{
    Q_OBJECT

private slots:
    void init() { openPanel(); }
    void cleanup() { closePanel(); }

    void valueToConvert_data();
    void valueToConvert();
    void conversion_data();
    void conversion();
    void unitListsFollowTheType();
    void conversionKeys();

private:
    QComboBox* combo(const char* pszName) const { return child<QComboBox>(panel.get(), pszName); }
    QLineEdit* valueField() const { return child<QLineEdit>(panel.get(), "lineEdit_unitConInput"); }
    QLineEdit* output() const { return child<QLineEdit>(panel.get(), "lineEdit_unitConOutput"); }
};

void TestUnitPane::valueToConvert_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("pasted"); // false: typed key by key
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("hint"); // something was refused

    // The field holds "7" before: a paste replaces it, typing appends.
    QTest::newRow("a typed decimal comma is the point") << "2,5" << false << "72.5" << false;
    QTest::newRow("a pasted decimal comma is the point") << "2,5" << true << "2.5" << false;
    QTest::newRow("typed: no sign") << "-1" << false << "71" << true;
    QTest::newRow("typed: no second point") << "1.2.3" << false << "71.23" << true;
    QTest::newRow("pasted letters change nothing") << "12abc" << true << "7" << true;
    QTest::newRow("a pasted comma and point change nothing") << "1.234,5" << true << "7" << true;
}

void TestUnitPane::valueToConvert()
{
    QFETCH(QString, input);
    QFETCH(bool, pasted);
    QFETCH(bool, hint);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    valueField()->setFocus();
    valueField()->setText("7");
    if (pasted)
    {
        QGuiApplication::clipboard()->setText(input);
        valueField()->selectAll();
        QTest::keyClick(valueField(), Qt::Key_V, Qt::ControlModifier);
    }
    else
        QTest::keyClicks(valueField(), input);
    QTEST(valueField()->text(), "kept");
    // A refusal is not silent: a tool tip at the field says what it takes.
    QCOMPARE(QToolTip::isVisible() && QToolTip::text() == "Only digits and one decimal point",
             hint);
}

void TestUnitPane::conversion_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("converted");

    QTest::newRow("degrees to radians") << 3 << 0 << 2 << "85"
                                        << "1.4835298642";
    QTest::newRow("a lone point is 0") << 0 << 0 << 1 << "."
                                       << "0";
    QTest::newRow("400 nines are beyond a double: said, not 0")
        << 0 << 0 << 1 << QString(400, '9') << "The value is too large to convert.";
    QTest::newRow("a result beyond a double is said, not inf")
        << 2 << 6 << 0 << "1" + QString(300, '0') << "The value is too large to convert.";
    QTest::newRow("a value below the smallest double is 0")
        << 0 << 0 << 0 << "0." + QString(400, '0') + "1"
        << "0";
}

void TestUnitPane::conversion()
{
    QFETCH(int, type);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, value);
    combo("comboBox_unit")->setCurrentIndex(type);
    combo("comboBox_convertFrom")->setCurrentIndex(from);
    combo("comboBox_convertTo")->setCurrentIndex(to);
    valueField()->setText(value);
    click("button_convert");
    QTEST(output()->text(), "converted");
    QVERIFY(valueField()->hasFocus());
}

void TestUnitPane::unitListsFollowTheType()
{
    combo("comboBox_convertFrom")->setCurrentIndex(3);
    valueField()->setText("7");
    combo("comboBox_unit")->setCurrentIndex(1);
    for (const char* name : {"comboBox_convertFrom", "comboBox_convertTo"})
    {
        QCOMPARE(combo(name)->count(), 10);
        QCOMPARE(combo(name)->currentText(), QString("Square Millimeters"));
    }
    QCOMPARE(valueField()->text(), QString("7"));
}

void TestUnitPane::conversionKeys()
{
    combo("comboBox_convertFrom")->setCurrentIndex(5); // metres
    combo("comboBox_convertTo")->setCurrentIndex(1);   // centimetres
    valueField()->setFocus();
    QTest::keyClicks(valueField(), "2");
    // The keypad's decimal key, twice: only one point.
    for (int i = 0; i < 2; ++i)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Comma, Qt::KeypadModifier, 0, 110, 0, ",");
        QApplication::sendEvent(valueField(), &press);
    }
    QTest::keyClicks(valueField(), "5");
    QTest::keyClick(valueField(), Qt::Key_Space);
    QCOMPARE(output()->text(), QString("250"));
    QCOMPARE(valueField()->text(), QString("2.5"));
    QTest::keyClick(valueField(), Qt::Key_Escape);
    QVERIFY(valueField()->text().isEmpty());
    QTest::keyClick(valueField(), Qt::Key_Return);
    QCOMPARE(output()->text(), QString("0"));
}

QTEST_MAIN(TestUnitPane)
#include "tst_unitpane.moc"
