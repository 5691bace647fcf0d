// The input line as a widget: keys, clicks and buttons reach its rules and
// their decisions reach the line; the calculation in the drawing's units,
// the live result, errors and the memory buttons. Rows are steps a user
// takes and what the panel then shows (PanelFixture::play).

#include "../support/PanelFixture.h"

class TestCalculatorInput : public QObject, public PanelFixture
{
    Q_OBJECT

private slots:
    void init() { openPanel(); }
    void cleanup() { closePanel(); }

    void onAResult_data();
    void onAResult() { playRow(); }
    void calculation_data();
    void calculation() { playRow(); }
    void memory_data();
    void memory() { playRow(); }
    void nativeKeys();
    void hostileInput();
};

void TestCalculatorInput::onAResult_data()
{
    columns();
    const QString result = "calc=12*3; ";
    row("a function button wraps ans", result + "button_sqrt; ?line; ?focus",
        "sqrt(ans); lineEdit_calc");
    row("Return and Space on the result change nothing",
        result + "key:Return; key:Space; ?line; ?rows", "36; 1");
    row("the backspace button edits the result and keeps the state",
        result + "button_del; ?line; button_7; ?line", "3; 7");
    row("text pasted by mouse ends the result state", result + "insert:+4; key:Return; ?line",
        "40");
    row("a click keeps the result as text", result + "click; type:9; ?line", "369");
    row("Ctrl+C copies the result and keeps it", result + "key:ctrl+C; ?clip; type:7; ?line",
        "36; 7");
    row("2 + 3 * 4 typed key by key is calculated as read",
        result + "type:2 + 3 * 4; key:Return; ?line; ?cell:1,0", "14; 2+3*4");
    row("Up recalls the expression, Down the result, which an operator continues",
        result + "key:Up; ?line; key:Down; type:+2; key:Return; ?line", "12*3; 38");
}

void TestCalculatorInput::calculation_data()
{
    columns();
    // The live result says beforehand what Return gives, and goes then.
    row("no drawing: 4 decimals", "line=1/3; ?preview; key:Return; ?line; ?cell:0,0; ?preview",
        "= 0.3333; 0.3333; 1/3; ");
    row("the drawing's precision", "drawing=2,0; line=1/3; ?preview; key:Return; ?line",
        "= 0.33; 0.33");
    row("feet and inches beside the preview and the result's tip; the line computes in decimals",
        "drawing=4,0,1; line=5'6\" + 2'-3 1/4\"; ?preview; key:Return; ?tip:0,1; drawing=4,0,4; "
        "line=5'6\" + 2'-3 1/4\"; ?preview; key:Return; ?line; ?tip:1,1; "
        "menu:1,1,Paste to command-line; ?cmd",
        "= 93.25; ; = 93.25  (7'-9 1/4\"); 93.25; = 93.25  (7'-9 1/4\"); 93.25");
    row("degrees/minutes/seconds count as degrees", "drawing=4,1; calc=sin(90); ?line", "1");
    row("grads", "drawing=4,2; calc=sin(100); ?line", "1");
    row("radians", "drawing=4,3; calc=sin(pi/2); ?line", "1");
    row("the live result leaves ans, the memory and the history alone",
        "calc=2; button_ms; line=5*3; ?preview; line=ans*10; ?preview; line=; button_mr; ?line; "
        "?rows",
        "= 15; = 20; 2; 1");
    row("half-typed lines, plain numbers and lines over 100,000 characters show none",
        "line=2*(3+; ?preview; line=12.5; ?preview; line=1" + QString("+1").repeated(50'000) +
            "; ?preview",
        "; ; ");
    row("an error shows ! with its message, until the line changes",
        "calc=1/0; ?line; ?error; ?rows; key:Backspace; ?error", "1/0; ! Cannot divide by 0.; 0; ");
}

void TestCalculatorInput::memory_data()
{
    columns();
    row("MS on an empty line changes nothing", "line=; button_ms; ?error; ?memory; ?M",
        "; Memory recall: 0; ");
    row("MS, M+ and M- evaluate the line; a negative memory shows its M too",
        "line=2*3; button_ms; button_madd; line=20; button_msub; ?line; ?memory; ?M; ?focus",
        "-8; Memory recall: -8; M; lineEdit_calc");
    row("MC then MR gives 0", "line=7; button_ms; button_mc; line=; button_mr; ?line; ?M", "0; ");
    row("MS stores ten significant digits", "line=1/3; button_ms; ?line", "0.3333333333");
    row("MS calculates in the drawing in front, not the last calculation's",
        "calc=1; drawing=4,3; line=sin(pi/2); button_ms; ?line", "1");
    row("MS on a line that continues a result takes its full value",
        "drawing=2,0; calc=1/8; type:*8; button_ms; ?line", "1");
    row("a refusal says so and leaves line and register",
        "line=1.5*2^1023; button_ms; line=2^1023; button_madd; ?line; ?error; ?memory",
        "2^1023; ! Cannot add this to the memory; Memory recall: 1.348269851e+308");
    row("an evaluation error leaves line and register",
        "line=4; button_ms; line=1/0; button_madd; ?line; ?error; ?memory",
        "1/0; ! Cannot divide by 0.; Memory recall: 4");
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
    QCOMPARE(play("calc=1" + QString("+1").repeated(512 * 1024) + "; ?line"), QString("524289"));
    const QString spaces(100'000, ' ');
    QCOMPARE(play("line=" + spaces + "; key:Space; key:Return; ?line; ?error"), spaces + " ; ");
    QCOMPARE(play("button_ch; line=; key:Up; key:Down; ?line; ?error; ?rows"), QString("; ; 0"));
}

QTEST_MAIN(TestCalculatorInput)
#include "tst_calculatorinput.moc"
