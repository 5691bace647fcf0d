// The input line's rules without widgets: insertion at the cursor, what each
// key does with and without a shown result, recall of the history, chaining
// on the full value, and the two keys whose meaning no layout may change.

#include <InputLine.h>
#include <KeyRules.h>

#include <QKeyEvent>
#include <QMetaEnum>
#include <QtTest>

class TestInputLine : public QObject
{
    Q_OBJECT

private slots:
    void insertion_data();
    void insertion();
    void keys_data();
    void keys();
    void chaining_data();
    void chaining();
    void keypadDecimalRule_data();
    void keypadDecimalRule();
    void windowsDeadKeyRule_data();
    void windowsDeadKeyRule();
};

namespace
{

// Plays steps, separated by "; ", on an input line as the panel would, and
// notes what the line decided for each key. Steps:
//   "line:TEXT"  the line reads TEXT, cursor at its end (typed or pasted)
//   "=TEXT"      TEXT is shown as a result (`ans` reads TEXT, or FULL for
//                "=TEXT|FULL")
//   "ans:TEXT"   `ans` now reads TEXT
//   "history:A|B"  the history's expressions, oldest first
//   "key:NAME"   a key press, Qt::Key_NAME, after "ctrl+" or "shift+" if held
//   "op:TEXT"    TEXT inserted by an operator button
//   "select", "click", "mouse" (an edit by mouse), "reuse" (a history
//   expression put in), "del" (the "←" button, which keeps a shown result)
struct Player
{
    InputLine input;
    InputLine::Text line;
    QString ans;
    QStringList history;
    QStringList actions;

    explicit Player(const QString& steps)
    {
        input.setHistory(
            [this](int iBack) -> std::optional<QString>
            {
                return iBack < history.size()
                           ? std::optional(history.at(history.size() - 1 - iBack))
                           : std::nullopt;
            });
        for (const QString& step : steps.split("; "))
            play(step);
    }
    void setLine(const QString& text)
    {
        line = {text, int(text.size())};
        input.textChanged(text);
    }
    void play(const QString& step)
    {
        const QString arg = step.section(':', 1);
        if (step.startsWith("line:"))
            setLine(arg);
        else if (step.startsWith('='))
        {
            const QString shown = step.mid(1).section('|', 0, 0);
            ans = step.contains('|') ? step.section('|', 1) : shown;
            input.showResult(shown, ans);
            setLine(shown);
        }
        else if (step.startsWith("ans:"))
            ans = arg;
        else if (step.startsWith("history:"))
            history = arg.split('|');
        else if (step.startsWith("key:"))
            press(arg);
        else if (step.startsWith("op:"))
            setLine(input.insert(line, arg, InsertKind::Operator).text);
        else if (step == "select")
            line.hasSelection = true;
        else if (step == "click")
            input.clicked();
        else if (step == "mouse")
            input.editedByMouse();
        else if (step == "reuse")
            input.replaced();
        else if (step == "del")
            input.resumeResult();
        else
            qFatal("unknown step %s", qPrintable(step));
    }
    void press(const QString& name)
    {
        const Qt::KeyboardModifiers modifiers = name.startsWith("ctrl+")    ? Qt::ControlModifier
                                                : name.startsWith("shift+") ? Qt::ShiftModifier
                                                                            : Qt::NoModifier;
        bool bKnown = false;
        const QByteArray key = "Key_" + name.section('+', -1).toLatin1();
        const int code = QMetaEnum::fromType<Qt::Key>().keyToValue(key, &bKnown);
        if (!bKnown)
            qFatal("no key %s", key.constData());
        const InputLine::KeyDecision decision = input.key({code, modifiers}, line);
        const char* const names[] = {"pass",  "clear+pass", "consume", "calculate",
                                     "clear", "copy:",      "show:"};
        actions << names[int(decision.action)] + decision.text;
        if (decision.action == InputLine::KeyAction::Show)
            setLine(decision.text);
    }
};

} // namespace

void TestInputLine::insertion_data()
{
    QTest::addColumn<QString>("result"); // shown before, in place of line
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind"); // -1: the ")" button
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCursor");

    const int number = int(InsertKind::Number), op = int(InsertKind::Operator),
              fn = int(InsertKind::Function), operand = int(InsertKind::Operand);
    auto row = [](const char* name, QString result, QString line, int cursor, QString text,
                  int kind, QString expected, int expectedCursor) {
        QTest::newRow(name) << result << line << cursor << text << kind << expected
                            << expectedCursor;
    };
    row("a function on an empty line puts the cursor inside", "", "", 0, "sqrt()", fn, "sqrt()", 5);
    row("a function after an operand wraps the line", "", "25", 2, "sqrt()", fn, "sqrt(25)", 8);
    row("a two-argument function takes the line as its second argument", "", "25", 2, "log(,)", fn,
        "log(,25)", 4);
    row("a function after an operator is inserted", "", "2+", 2, "sin()", fn, "2+sin()", 6);
    row("^ is an operator: a function after it is inserted", "", "2^", 2, "sqrt()", fn, "2^sqrt()",
        7);
    row("a closing bracket before the cursor is a boundary", "", "(1+2)", 5, "sqrt()", fn,
        "(1+2)sqrt()", 10);
    row("a cursor inside a number wraps the whole line", "", "12", 1, "sqrt()", fn, "sqrt(12)", 8);
    row("before an operator is a boundary", "", "+3", 0, "nrt(,)", fn, "nrt(,)+3", 4);
    row("a number next to an operand replaces the line", "", "5", 1, "2.5", number, "2.5", 3);
    row("a number after an operator goes in at the cursor", "", "5+", 2, "2.5", number, "5+2.5", 5);
    row("a digit goes in at the cursor", "", "12", 1, "5", operand, "152", 2);
    row("the ) button leaves the cursor behind the bracket", "", "(2", 2, ")", -1, "(2)", 3);
    row("a text ending with ) leaves the cursor before it", "", "1+", 2, "sqrt(16)", operand,
        "1+sqrt(16)", 9);
    row("with a result shown an operator continues it", "36", "", 0, "+", op, "36+", 3);
    row("with a result shown a digit starts anew", "36", "", 0, "7", operand, "7", 1);
    row("with a result shown a function wraps ans", "36", "", 0, "sqrt()", fn, "sqrt(ans)", 9);
    row("with a result shown a number replaces it", "36", "", 0, "2.5", number, "2.5", 3);
}

void TestInputLine::insertion()
{
    QFETCH(QString, result);
    QFETCH(QString, line);
    QFETCH(int, cursor);
    QFETCH(QString, text);
    QFETCH(int, kind);
    InputLine input;
    if (!result.isEmpty())
    {
        input.showResult(result, result);
        line = result;
        cursor = int(result.size());
    }
    const InputLine::Text edit = input.insert(
        {line, cursor}, text, kind < 0 ? InsertKind::Operand : InsertKind(kind), kind < 0);
    QTEST(edit.text, "expected");
    QTEST(edit.cursor, "expectedCursor");
    QVERIFY(!input.isResultShown());
}

void TestInputLine::keys_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<bool>("shown"); // a result is shown afterwards

    auto row = [](const char* name, const char* steps, const char* actions, bool bShown)
    { QTest::newRow(name) << QString(steps) << QString(actions) << bShown; };
    row("Space calculates a line that reads as finished", "line:12*3; key:Space", "calculate",
        false);
    row("Space after a number, an operator or a space types a space",
        "line:2; key:Space; line:2+; key:Space; line:2 + 3*4; key:Space", "pass; pass; pass",
        false);
    row("Space after ( or , types a space", "line:sqrt(; key:Space; line:nrt(3,; key:Space",
        "pass; pass", false);
    row("Space in an empty line or after a signed number types a space",
        "line:; key:Space; line:-2.5; key:Space", "pass; pass", false);
    row("Space on a shown result does nothing", "=36; key:Space", "consume", true);
    row("Return, Enter and = calculate", "line:6*7; key:Return; key:Enter; key:Equal",
        "calculate; calculate; calculate", false);
    row("Escape empties the line", "line:6*7; key:Escape", "clear", false);
    row("Shift, Control and Caps Lock keep a result", "=36; key:Shift; key:Control; key:CapsLock",
        "consume; consume; consume", true);
    row("Tab, a function key and Alt keep a result", "=36; key:Tab; key:F1; key:Alt",
        "pass; pass; pass", true);
    row("Ctrl+C copies a whole result and keeps it, a selection as the line copies it",
        "=36; key:ctrl+C; select; key:ctrl+C", "copy:36; pass", true);
    row("an arrow keeps a result as text: a digit goes in", "=36; key:Left; key:7", "pass; pass",
        false);
    row("Shift+Home selects in a result and keeps it", "=36; key:shift+Home; key:7", "pass; pass",
        false);
    row("Ctrl+A selects a result and keeps it", "=36; key:ctrl+A", "pass", false);
    row("a click keeps a result as text", "=36; click; key:7", "pass", false);
    row("an operator continues a result, ^ dead or not",
        "=36; key:Asterisk; =36; key:AsciiCircum; =36; key:Dead_Circumflex", "pass; pass; pass",
        false);
    row("a digit on a result starts anew, the next goes on", "=36; key:7; key:8",
        "clear+pass; pass", false);
    row("Backspace, Delete and Ctrl+V on a result start anew",
        "=36; key:Backspace; =36; key:Delete; =36; key:ctrl+V",
        "clear+pass; clear+pass; clear+pass", false);
    row("Up recalls the expressions newest first, Down brings back the line as typed",
        "history:1+1|2*3; line:5-; key:Up; key:Up; key:Down; key:Down",
        "show:2*3; show:1+1; show:2*3; show:5-", false);
    row("Up and Down step over a row that repeats the one before",
        "history:1+1|6*7|6*7; key:Up; key:Up; key:Down", "show:6*7; show:1+1; show:6*7", false);
    row("Up with an empty history does nothing", "line:5; key:Up; key:Down", "consume; consume",
        false);
    row("Up past the oldest stays there", "history:1+1; key:Up; key:Up; key:Down",
        "show:1+1; consume; show:", false);
    row("Up on a shown result, Down shows it again as a result",
        "history:6*6; =36; key:Up; key:Down; key:7", "show:6*6; show:36; clear+pass", false);
    row("a calculation starts recall again from the newest",
        "history:1|2; key:Up; key:Up; =2; key:Up", "show:2; show:1; show:2", false);
}

void TestInputLine::keys()
{
    QFETCH(QString, steps);
    Player player(steps);
    QTEST(player.actions.join("; "), "actions");
    QTEST(player.input.isResultShown(), "shown");
}

void TestInputLine::chaining_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expression"); // what the engine calculates
    QTest::addColumn<QString>("row");        // what the history shows

    auto row = [](const char* name, QString steps, const char* expression, const char* row)
    { QTest::newRow(name) << steps << QString(expression) << QString(row); };
    const QString third = "=0.3333|0.3333333333; ";
    row("a typed operator chains on the full value, which the row writes out",
        third + "key:Asterisk; line:0.3333* 3", "ans* 3", "0.3333333333*3");
    row("an operator button chains on the full value", third + "op:*; line:0.3333*3", "ans*3",
        "0.3333333333*3");
    row("the operator replaced keeps the chain",
        third + "key:Plus; line:0.3333+; line:0.3333; line:0.3333*3", "ans*3", "0.3333333333*3");
    row("an edit inside the result calculates the line as seen",
        third + "key:Asterisk; line:0.3333*3; line:.3333*3; line:0.3333*3", "0.3333*3", "0.3333*3");
    row("the result shortened by its button calculates the line as seen",
        third + "line:0.333; del; key:Asterisk; line:0.333*3", "0.333*3", "0.333*3");
    row("a move first makes the result text, calculated as seen",
        third + "key:End; key:Asterisk; line:0.3333*3", "0.3333*3", "0.3333*3");
    row("text pasted by mouse is calculated as seen", third + "mouse; line:0.3333*3", "0.3333*3",
        "0.3333*3");
    row("a reused history expression is calculated as it reads",
        third + "key:Plus; line:0.3333+; reuse; line:0.3333+1", "0.3333+1", "0.3333+1");
    row("once ans holds another value the line is calculated as seen",
        third + "key:Asterisk; line:0.3333*3; ans:5", "0.3333*3", "0.3333*3");
    row("a full value in exponent form is written out in decimals", "=0|1e-05; key:Plus; line:0+1",
        "ans+1", "0.00001+1");
    row("spaces do not reach the history", "line:2 + 3", "2 + 3", "2+3");
}

void TestInputLine::chaining()
{
    QFETCH(QString, steps);
    Player player(steps);
    const InputLine::Calculation calc = player.input.calculation(player.line.text, player.ans);
    QTEST(calc.expression, "expression");
    QTEST(calc.row, "row");
    QCOMPARE(calc.chained, calc.expression.startsWith("ans"));
}

void TestInputLine::keypadDecimalRule_data()
{
    QTest::addColumn<int>("windowSystem");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<uint>("virtualKey"); // keysym on X11 and Wayland
    QTest::addColumn<bool>("decimal");

    using WS = KeyRules::WindowSystem;
    auto row = [](const char* name, WS ws, int key, int modifiers, uint virtualKey, bool bDecimal)
    { QTest::newRow(name) << int(ws) << key << modifiers << virtualKey << bDecimal; };
    const int kp = Qt::KeypadModifier;
    row("X11: the keysym tells even without the keypad flag", WS::X11, Qt::Key_Comma, 0, 0xffac,
        true);
    row("X11: KP_Delete, Num Lock off, stays a delete key", WS::X11, Qt::Key_Delete, kp, 0xff9f,
        false);
    row("X11: n is keysym 0x6E, 110", WS::X11, Qt::Key_N, 0, 0x6e, false);
    row("Wayland: the keypad's comma by its flag", WS::Other, Qt::Key_Comma, kp, 0xffac, true);
    row("Wayland: a letter with the keypad flag is still a letter", WS::Other, Qt::Key_N, kp, 0x6e,
        false);
    row("Wayland: the main keyboard's period", WS::Other, Qt::Key_Period, 0, 0x2e, false);
    row("Windows: virtual key 110, whatever it prints", WS::Windows, Qt::Key_Comma, 0, 110, true);
    row("Windows: a letter carrying 110 still types itself", WS::Windows, Qt::Key_N, 0, 110, false);
}

void TestInputLine::keypadDecimalRule()
{
    QFETCH(int, windowSystem);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(uint, virtualKey);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), 0, virtualKey,
                          0);
    QTEST(KeyRules::isKeypadDecimal(event, KeyRules::WindowSystem(windowSystem)), "decimal");
}

void TestInputLine::windowsDeadKeyRule_data()
{
    QTest::addColumn<uint>("message");
    QTest::addColumn<quint64>("character");
    QTest::addColumn<qint64>("lParam");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<int>("action");

    using A = KeyRules::DeadKeyAction;
    auto row = [](const char* name, uint message, char c, qint64 lParam, bool bFocused, A action)
    { QTest::newRow(name) << message << quint64(c) << lParam << bFocused << int(action); };
    row("a dead circumflex is typed at once", 0x103, '^', 0, true, A::PostCircumflex);
    row("bit 25 set: swallowed, nothing typed", 0x102, '^', qint64(1) << 25, true, A::Swallow);
    row("other widgets keep their dead keys", 0x103, '^', 0, false, A::PassOn);
    row("other characters pass", 0x102, '`', 0, true, A::PassOn);
}

void TestInputLine::windowsDeadKeyRule()
{
    QFETCH(uint, message);
    QFETCH(quint64, character);
    QFETCH(qint64, lParam);
    QFETCH(bool, focused);
    QTEST(int(KeyRules::windowsDeadKeyAction(message, character, lParam, focused)), "action");
}

QTEST_APPLESS_MAIN(TestInputLine)
#include "tst_inputline.moc"
