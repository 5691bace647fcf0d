// The unit conversion pane as a widget: what the value field takes, the
// conversion and its messages, the unit lists and the keys of the field.
// Rows are steps a user takes and what the panel then shows
// (PanelFixture::play).

#include "../support/PanelFixture.h"

#include <QComboBox>

class TestUnitPane : public QObject, public PanelFixture
{
    Q_OBJECT

private slots:
    void init() { openPanel(); }
    void cleanup() { closePanel(); }

    void valueToConvert_data();
    void valueToConvert() { playRow(); }
    void conversion_data();
    void conversion() { playRow(); }
    void unitListsFollowTheType();
    void conversionKeys();

private:
    QComboBox* combo(const char* pszName) const { return child<QComboBox>(panel.get(), pszName); }
    QLineEdit* valueField() const { return child<QLineEdit>(panel.get(), "lineEdit_unitConInput"); }
    QLineEdit* output() const { return child<QLineEdit>(panel.get(), "lineEdit_unitConOutput"); }
};

void TestUnitPane::valueToConvert_data()
{
    columns();
    // The field holds "7": typing appends, a paste replaces. A refusal is not
    // silent: a tool tip at the field says what it takes.
    const QString field = "set:lineEdit_unitConInput=7; focus:lineEdit_unitConInput; ";
    const QString read = "; ?text:lineEdit_unitConInput; ?hint";
    row("a typed decimal comma is the point", field + "type:2,5" + read, "72.5; ");
    row("a pasted decimal comma is the point", field + "paste:2,5" + read, "2.5; ");
    row("typed: no sign", field + "type:-1" + read, "71; Only digits and one decimal point");
    row("typed: no second point", field + "type:1.2.3" + read,
        "71.23; Only digits and one decimal point");
    row("pasted letters change nothing", field + "paste:12abc" + read,
        "7; Only digits and one decimal point");
    row("a pasted comma and point change nothing", field + "paste:1.234,5" + read,
        "7; Only digits and one decimal point");
}

void TestUnitPane::conversion_data()
{
    columns();
    auto convert = [](int type, int from, int to, const QString& value)
    {
        return QString("combo:comboBox_unit=%1; combo:comboBox_convertFrom=%2; "
                       "combo:comboBox_convertTo=%3; set:lineEdit_unitConInput=%4; "
                       "button_convert; ?text:lineEdit_unitConOutput; ?focus")
            .arg(type)
            .arg(from)
            .arg(to)
            .arg(value);
    };
    row("degrees to radians", convert(3, 0, 2, "85"), "1.4835298642; lineEdit_unitConInput");
    row("a lone point is 0", convert(0, 0, 1, "."), "0; lineEdit_unitConInput");
    row("400 nines are beyond a double: said, not 0", convert(0, 0, 1, QString(400, '9')),
        "The value is too large to convert.; lineEdit_unitConInput");
    row("a result beyond a double is said, not inf", convert(2, 6, 0, "1" + QString(300, '0')),
        "The value is too large to convert.; lineEdit_unitConInput");
    row("a value below the smallest double is 0", convert(0, 0, 0, "0." + QString(400, '0') + "1"),
        "0; lineEdit_unitConInput");
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
