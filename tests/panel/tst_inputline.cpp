// The input line's rules without widgets: insertion at the cursor, what each
// key does with and without a shown result, recall of the history, chaining
// on the full value, and the two keys whose meaning no layout may change.

#include <InputLine.h>
#include <KeyRules.h>

#include <QKeyEvent>
#include <QMetaEnum>
#include <QtTest>

namespace
{

// Plays a row's steps, separated by "; ", on an input line as the panel
// would, and logs what the line decided. Steps:
//   "line:TEXT" or "line:TEXT|CURSOR"  the line reads TEXT (typed or pasted)
//   "=TEXT" or "=TEXT:FULL"  TEXT shown as a result; `ans` reads FULL or TEXT
//   "ans:TEXT"   `ans` now reads TEXT
//   "history:A|B"  the history's expressions, oldest first
//   "key:NAME"   a key, Qt::Key_NAME, after "ctrl+" or "shift+" if held;
//                logs the decision: pass, clear+pass (the line emptied
//                first), consume, calculate, clear, copy:TEXT or show:TEXT
//   "op:", "fn:", "num:", "put:" and TEXT  TEXT inserted as an operator, a
//                function, a number or an operand; ")" for the ")" button;
//                logs the line and its cursor, TEXT|CURSOR
//   "calc"       logs what Return calculates and what the row shows
//   "state"      logs "shown" while a result is shown, else "editing"
//   "select", "click", "mouse" (an edit by mouse), "reuse" (a history
//   expression put in), "del" (the "←" button, which keeps a shown result)
struct Player
{
    InputLine input;
    InputLine::Text line;
    QString ans;
    QStringList history;
    QStringList log;

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
            play(step.section(':', 0, 0), step.section(':', 1));
    }
    void setLine(const QString& text, int cursor = -1)
    {
        line = {text, cursor < 0 ? int(text.size()) : cursor};
        input.textChanged(text);
    }
    void play(const QString& verb, const QString& arg)
    {
        const QStringList insertions = {"num", "op", "fn", "put"};
        if (verb == "line")
            setLine(arg.section('|', 0, 0), arg.contains('|') ? arg.section('|', 1).toInt() : -1);
        else if (verb.startsWith('='))
        {
            const QString shown = verb.mid(1);
            ans = arg.isEmpty() ? shown : arg;
            input.showResult(shown, ans);
            setLine(shown);
        }
        else if (verb == "ans")
            ans = arg;
        else if (verb == "history")
            history = arg.split('|');
        else if (verb == "key")
            press(arg);
        else if (insertions.contains(verb) || verb == ")")
        {
            const InputLine::Text edit =
                verb == ")" ? input.insert(line, ")", InsertKind::Operand, true)
                            : input.insert(line, arg, InsertKind(insertions.indexOf(verb)));
            setLine(edit.text, edit.cursor);
            log << QString("%1|%2").arg(edit.text).arg(edit.cursor);
        }
        else if (verb == "calc")
        {
            const InputLine::Calculation calc = input.calculation(line.text, ans);
            QCOMPARE(calc.chained, calc.expression.startsWith("ans"));
            log << calc.expression + " => " + calc.row;
        }
        else if (verb == "state")
            log << (input.isResultShown() ? "shown" : "editing");
        else if (verb == "select")
            line.hasSelection = true;
        else if (verb == "click")
            input.clicked();
        else if (verb == "mouse")
            input.editedByMouse();
        else if (verb == "reuse")
            input.replaced();
        else if (verb == "del")
            input.resumeResult();
        else
            qFatal("unknown step %s", qPrintable(verb));
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
        log << names[int(decision.action)] + decision.text;
        if (decision.action == InputLine::KeyAction::Show)
            setLine(decision.text);
    }
};

void columns()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("log");
}

void row(const char* name, const QString& steps, const char* log)
{
    QTest::newRow(name) << steps << QString(log);
}

void playRow()
{
    QFETCH(QString, steps);
    QTEST(Player(steps).log.join("; "), "log");
}

} // namespace

class TestInputLine : public QObject
{
    Q_OBJECT

private slots:
    void insertion_data();
    void insertion() { playRow(); }
    void keys_data();
    void keys() { playRow(); }
    void chaining_data();
    void chaining() { playRow(); }
    void keypadDecimalRule_data();
    void keypadDecimalRule();
    void windowsDeadKeyRule_data();
    void windowsDeadKeyRule();
};

void TestInputLine::insertion_data()
{
    columns();
    row("a function on an empty line puts the cursor inside", "fn:sqrt()", "sqrt()|5");
    row("a function after an operand wraps the line", "line:25; fn:sqrt()", "sqrt(25)|8");
    row("a two-argument function takes the line as its second argument", "line:25; fn:log(,)",
        "log(,25)|4");
    row("a function after an operator is inserted", "line:2+; fn:sin()", "2+sin()|6");
    row("^ is an operator: a function after it is inserted", "line:2^; fn:sqrt()", "2^sqrt()|7");
    row("a closing bracket before the cursor is a boundary", "line:(1+2); fn:sqrt()",
        "(1+2)sqrt()|10");
    row("a cursor inside a number wraps the whole line", "line:12|1; fn:sqrt()", "sqrt(12)|8");
    row("before an operator is a boundary", "line:+3|0; fn:nrt(,)", "nrt(,)+3|4");
    row("a number next to an operand replaces the line", "line:5|1; num:2.5", "2.5|3");
    row("a number after an operator goes in at the cursor", "line:5+; num:2.5", "5+2.5|5");
    row("a digit goes in at the cursor", "line:12|1; put:5", "152|2");
    row("the ) button leaves the cursor behind the bracket", "line:(2; )", "(2)|3");
    row("a text ending with ) leaves the cursor before it", "line:1+; put:sqrt(16)",
        "1+sqrt(16)|9");
    row("with a result shown an operator continues it", "=36; op:+; state", "36+|3; editing");
    row("with a result shown a digit starts anew", "=36; put:7; state", "7|1; editing");
    row("with a result shown a function wraps ans", "=36; fn:sqrt(); state",
        "sqrt(ans)|9; editing");
}

void TestInputLine::keys_data()
{
    columns();
    row("Space calculates a line that reads as finished", "line:12*3; key:Space", "calculate");
    row("Space after a number, an operator or a space types a space",
        "line:2; key:Space; line:2+; key:Space; line:2 + 3*4; key:Space", "pass; pass; pass");
    row("Space after ( or , types a space", "line:sqrt(; key:Space; line:nrt(3,; key:Space",
        "pass; pass");
    row("Space in an empty line or after a signed number types a space",
        "line:; key:Space; line:-2.5; key:Space", "pass; pass");
    row("Space in a line with feet or inches types a space",
        "line:5'6\"; key:Space; line:5'-6; key:Space; line:2*6\"; key:Space", "pass; pass; pass");
    row("Space on a shown result does nothing", "=36; key:Space; state", "consume; shown");
    row("Return, Enter and = calculate", "line:6*7; key:Return; key:Enter; key:Equal",
        "calculate; calculate; calculate");
    row("Escape empties the line", "line:6*7; key:Escape", "clear");
    row("Shift, Control and Caps Lock keep a result",
        "=36; key:Shift; key:Control; key:CapsLock; state", "consume; consume; consume; shown");
    row("Tab, a function key and Alt keep a result", "=36; key:Tab; key:F1; key:Alt; state",
        "pass; pass; pass; shown");
    row("Ctrl+C copies a whole result and keeps it, a selection as the line copies it",
        "=36; key:ctrl+C; select; key:ctrl+C; state", "copy:36; pass; shown");
    row("an arrow keeps a result as text: a digit goes in", "=36; key:Left; key:7", "pass; pass");
    row("Shift+Home selects in a result and keeps it", "=36; key:shift+Home; key:7", "pass; pass");
    row("Ctrl+A selects a result and keeps it", "=36; key:ctrl+A; state", "pass; editing");
    row("a click keeps a result as text", "=36; click; key:7", "pass");
    row("an operator continues a result, - and ^ dead or not too",
        "=36; key:Asterisk; =36; key:Minus; =36; key:AsciiCircum; =36; key:Dead_Circumflex; state",
        "pass; pass; pass; pass; editing");
    row("a digit on a result starts anew, the next goes on", "=36; key:7; key:8",
        "clear+pass; pass");
    row("Backspace, Delete and Ctrl+V on a result start anew",
        "=36; key:Backspace; =36; key:Delete; =36; key:ctrl+V",
        "clear+pass; clear+pass; clear+pass");
    row("Up recalls the expressions newest first, Down brings back the line as typed",
        "history:1+1|2*3; line:5-; key:Up; key:Up; key:Down; key:Down",
        "show:2*3; show:1+1; show:2*3; show:5-");
    row("Up and Down step over a row that repeats the one before",
        "history:1+1|6*7|6*7; key:Up; key:Up; key:Down", "show:6*7; show:1+1; show:6*7");
    row("Up with an empty history does nothing", "line:5; key:Up; key:Down", "consume; consume");
    row("Up past the oldest stays there", "history:1+1; key:Up; key:Up; key:Down",
        "show:1+1; consume; show:");
    row("Up on a shown result, Down shows it again as a result",
        "history:6*6; =36; key:Up; key:Down; key:7", "show:6*6; show:36; clear+pass");
    row("a calculation starts recall again from the newest",
        "history:1|2; key:Up; key:Up; =2; key:Up", "show:2; show:1; show:2");
}

void TestInputLine::chaining_data()
{
    columns();
    const QString third = "=0.3333:0.3333333333; ";
    row("a typed operator chains on the full value, which the row writes out",
        third + "key:Asterisk; line:0.3333* 3; calc", "pass; ans* 3 => 0.3333333333*3");
    row("an operator button chains on the full value", third + "op:*; put:3; calc",
        "0.3333*|7; 0.3333*3|8; ans*3 => 0.3333333333*3");
    row("the operator replaced keeps the chain",
        third + "key:Plus; line:0.3333+; line:0.3333; line:0.3333*3; calc",
        "pass; ans*3 => 0.3333333333*3");
    row("an edit inside the result calculates the line as seen",
        third + "key:Asterisk; line:0.3333*3; line:.3333*3; line:0.3333*3; calc",
        "pass; 0.3333*3 => 0.3333*3");
    row("the result shortened by its button calculates the line as seen",
        third + "line:0.333; del; key:Asterisk; line:0.333*3; calc", "pass; 0.333*3 => 0.333*3");
    row("a move first makes the result text, calculated as seen",
        third + "key:End; key:Asterisk; line:0.3333*3; calc", "pass; pass; 0.3333*3 => 0.3333*3");
    row("text pasted by mouse is calculated as seen", third + "mouse; line:0.3333*3; calc",
        "0.3333*3 => 0.3333*3");
    row("a reused history expression is calculated as it reads",
        third + "key:Plus; line:0.3333+; reuse; line:0.3333+1; calc", "pass; 0.3333+1 => 0.3333+1");
    row("once ans holds another value the line is calculated as seen",
        third + "key:Asterisk; line:0.3333*3; ans:5; calc", "pass; 0.3333*3 => 0.3333*3");
    row("a full value in exponent form is written out in decimals",
        "=0:1e-05; key:Plus; line:0+1; calc", "pass; ans+1 => 0.00001+1");
    row("spaces do not reach the history", "line:2 + 3; calc", "2 + 3 => 2+3");
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

// A key event needs the input devices that only an application makes (and frees).
QTEST_MAIN(TestInputLine)
#include "tst_inputline.moc"
