// The input line as a widget: keys, clicks and buttons reach its rules and
// their decisions reach the line; the calculation in the drawing's units,
// errors, the live result and the memory buttons.

#include "../support/PanelFixture.h"

#include <limits>

class TestCalculatorInput : public QObject, public PanelFixture
{
    Q_OBJECT

private slots:
    void init() { openPanel(); }
    void cleanup() { closePanel(); }

    void onAResult_data();
    void onAResult();
    void calculation_data();
    void calculation();
    void quietPreview_data();
    void quietPreview();
    void errorIndication();
    void nativeKeys();
    void hostileInput();
    void memory_data();
    void memory();
};

// Each step is a button's object name, "type:" and typed text, "key:" and a
// key's name, "copy" and "paste" (Ctrl+C, Ctrl+V), "click" (at the line's
// end), "insert:" and text put in as a paste by mouse does (no key), or
// "line=" and a text pasted over the line.
static void act(PanelFixture& f, const QString& step)
{
    const QString arg = step.section(QRegularExpression("[:=]"), 1);
    if (step.startsWith("type:"))
        QTest::keyClicks(f.line(), arg);
    else if (step.startsWith("key:"))
        QTest::keyClick(f.line(), Qt::Key(QMetaEnum::fromType<Qt::Key>().keyToValue(
                                      ("Key_" + arg).toLatin1())));
    else if (step == "copy" || step == "paste")
        QTest::keyClick(f.line(), step == "copy" ? Qt::Key_C : Qt::Key_V, Qt::ControlModifier);
    else if (step == "click")
        QTest::mouseClick(f.line(), Qt::LeftButton, {}, QPoint(f.line()->width() - 4, 8));
    else if (step.startsWith("insert:"))
        f.line()->insert(arg);
    else if (step.startsWith("line="))
        f.setLine(arg);
    else
        f.click(step.toLatin1().constData());
}

void TestCalculatorInput::onAResult_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("rows"); // in the history afterwards

    // "12*3" shows the result 36.
    auto row = [](const char* name, QStringList steps, const char* expected, int rows = 1)
    { QTest::newRow(name) << steps << QString(expected) << rows; };
    row("a function button wraps ans", {"button_sqrt"}, "sqrt(ans)");
    row("a typed digit starts anew", {"type:7"}, "7");
    row("Return and Space on the result change nothing", {"key:Return", "key:Space"}, "36");
    row("the backspace button edits the result and keeps the state", {"button_del", "button_7"},
        "7");
    row("text pasted by mouse ends the result state", {"insert:+4", "key:Return"}, "40", 2);
    row("a click keeps the result as text", {"click", "type:9"}, "369");
    row("Ctrl+C copies the result and keeps it", {"copy", "type:7", "paste"}, "736");
    row("2 + 3 * 4 typed key by key is calculated as read", {"type:2 + 3 * 4", "key:Return"}, "14",
        2);
    row("Up recalls the expression, Down the result, which an operator continues",
        {"key:Up", "key:Down", "type:+2", "key:Return"}, "38", 2);
}

void TestCalculatorInput::onAResult()
{
    QFETCH(QStringList, steps);
    calculate("12*3");
    QCOMPARE(line()->text(), QString("36"));
    for (const QString& step : steps)
        act(*this, step);
    QTEST(line()->text(), "expected");
    QTEST(history()->rowCount(), "rows");
    QVERIFY(line()->hasFocus());
}

void TestCalculatorInput::calculation_data()
{
    QTest::addColumn<int>("luprec"); // -1: no drawing
    QTest::addColumn<int>("aunits");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("result");

    QTest::newRow("no drawing: 4 decimals") << -1 << 0 << "1/3"
                                            << "0.3333";
    QTest::newRow("no drawing: degrees") << -1 << 0 << "sin(30)"
                                         << "0.5";
    QTest::newRow("the drawing's precision") << 2 << 0 << "1/3"
                                             << "0.33";
    QTest::newRow("degrees/minutes/seconds count as degrees") << 4 << 1 << "sin(90)"
                                                              << "1";
    QTest::newRow("grads") << 4 << 2 << "sin(100)"
                           << "1";
    QTest::newRow("radians") << 4 << 3 << "sin(pi/2)"
                             << "1";
}

void TestCalculatorInput::calculation()
{
    QFETCH(int, luprec);
    QFETCH(int, aunits);
    QFETCH(QString, expression);
    QFETCH(QString, result);
    if (luprec >= 0)
        openDrawing(luprec, aunits);
    // The preview says beforehand what Return gives.
    setLine(expression);
    QTRY_COMPARE(preview()->text(), "= " + result);
    QTest::keyClick(line(), Qt::Key_Return);
    QTRY_VERIFY(preview()->text().isEmpty());
    QCOMPARE(line()->text(), result);
    QCOMPARE(history()->item(0, 0)->text(), expression);
}

void TestCalculatorInput::quietPreview_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("a half-typed line") << "2*(3+";
    QTest::newRow("a plain number") << "12.5";
    QTest::newRow("a line over the preview's limit") << "1" + QString("+1").repeated(50'000);
}

void TestCalculatorInput::quietPreview()
{
    // A result and a memory value that the preview must leave as they are.
    calculate("2");
    click("button_ms");
    QFETCH(QString, typed);
    setLine(typed);
    QTest::qWait(20);
    QCOMPARE(preview()->text(), QString());
    QVERIFY(errorLabel()->text().isEmpty());
    // Neither this preview nor one that shows a value changed ans or memory.
    setLine("ans*10");
    QTRY_COMPARE(preview()->text(), QString("= 20"));
    setLine("");
    click("button_mr");
    QCOMPARE(line()->text(), QString("2"));
    QCOMPARE(history()->rowCount(), 1);
}

void TestCalculatorInput::errorIndication()
{
    calculate("1/0");
    QCOMPARE(line()->text(), QString("1/0"));
    QCOMPARE(errorLabel()->text(), QString("!"));
    QCOMPARE(errorLabel()->toolTip(), QString("Cannot divide by 0."));
    QCOMPARE(history()->rowCount(), 0);
    QTest::keyClick(line(), Qt::Key_Backspace); // any change of the text clears it
    QVERIFY(errorLabel()->text().isEmpty());
    QVERIFY(errorLabel()->toolTip().isEmpty());
}

void TestCalculatorInput::nativeKeys()
{
    // As the window system delivers them: n (keysym 110) types itself, the
    // keypad's comma types a point, and a dead circumflex without text (X11,
    // no composition) is posted again as "^".
    auto native = [this](int key, Qt::KeyboardModifiers modifiers, quint32 keysym, QString text)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, 0, keysym, 0, text);
        QApplication::sendEvent(line(), &press);
    };
    setLine("si");
    native(Qt::Key_N, Qt::NoModifier, 0x6e, "n");
    native(Qt::Key_Comma, Qt::KeypadModifier, 0xffac, ",");
    QCOMPARE(line()->text(), QString("sin."));
    calculate("2+3");
    native(Qt::Key_Dead_Circumflex, Qt::NoModifier, 0, "");
    QTRY_COMPARE(line()->text(), QString("5^"));
}

void TestCalculatorInput::hostileInput()
{
    // Nothing typed is lost or cut, nothing hangs: a pasted megabyte is
    // calculated whole, 100,000 spaces take Space as a space and Return as
    // an empty line, Space and Up on an empty line with no history do nothing.
    setLine("1" + QString("+1").repeated(512 * 1024));
    QTest::keyClick(line(), Qt::Key_Return);
    QCOMPARE(line()->text(), QString("524289"));
    const QString spaces(100'000, ' ');
    setLine(spaces);
    QTest::keyClick(line(), Qt::Key_Space);
    QTest::keyClick(line(), Qt::Key_Return);
    QCOMPARE(line()->text(), spaces + ' ');
    click("button_ch");
    setLine("");
    QTest::keyClick(line(), Qt::Key_Up);
    QTest::keyClick(line(), Qt::Key_Down);
    QCOMPARE(line()->text(), QString());
    QVERIFY(errorLabel()->text().isEmpty());
    QCOMPARE(history()->rowCount(), 0);
}

void TestCalculatorInput::memory_data()
{
    QTest::addColumn<QStringList>("steps"); // "drawing=LUPREC,AUNITS" opens a drawing
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("held"); // the register's value as MR's tool tip shows it

    auto row = [](const char* name, QStringList steps, const char* expected, const char* error,
                  const char* held)
    { QTest::newRow(name) << steps << QString(expected) << QString(error) << QString(held); };
    row("MS on an empty line changes nothing", {"line=", "button_ms", "line=", "button_mr"}, "0",
        "", "0");
    row("MS, M+ and M- evaluate the line",
        {"line=2*3", "button_ms", "button_madd", "line=2", "button_msub"}, "10", "", "10");
    row("MC then MR gives 0", {"line=7", "button_ms", "button_mc", "line=", "button_mr"}, "0", "",
        "0");
    row("MS stores ten significant digits", {"line=1/3", "button_ms"}, "0.3333333333", "",
        "0.3333333333");
    row("MS calculates in the drawing in front, not the last calculation's",
        {"line=1", "key:Return", "drawing=4,3", "line=sin(pi/2)", "button_ms"}, "1", "", "1");
    row("MS on a line that continues a result takes its full value",
        {"drawing=2,0", "line=1/8", "key:Return", "type:*8", "button_ms"}, "1", "", "1");
    row("the largest double is kept though its ten digits overflow",
        {"line=2^1023*(2-2^-52)", "button_ms"},
        qPrintable(QString::number(std::numeric_limits<double>::max(), 'f', 0)), "",
        "1.797693135e+308");
    row("a refusal says so and leaves line and register",
        {"line=1.5*2^1023", "button_ms", "line=2^1023", "button_madd"}, "2^1023",
        "Cannot add this to the memory", "1.348269851e+308");
    row("an evaluation error leaves line and register",
        {"line=4", "button_ms", "line=1/0", "button_madd"}, "1/0", "Cannot divide by 0.", "4");
}

void TestCalculatorInput::memory()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, held);
    for (const QString& step : steps)
    {
        if (step.startsWith("drawing="))
            openDrawing(step.mid(8).section(',', 0, 0).toInt(), step.section(',', 1).toInt());
        else
            act(*this, step);
    }
    QTEST(line()->text(), "expected");
    QTEST(errorLabel()->toolTip(), "error");
    QVERIFY(line()->hasFocus());
    QCOMPARE(child<QAbstractButton>(panel.get(), "button_mr")->toolTip(), "Memory recall: " + held);
    // "M" beside the line while the register holds anything but 0.
    QCOMPARE(child<QLabel>(panel.get(), "label_memory")->isVisible(), held != "0");
}

QTEST_MAIN(TestCalculatorInput)
#include "tst_calculatorinput.moc"
