// The input line's rules without widgets: insertion at the cursor, what each
// key does with and without a shown result, chaining on the full value, and
// the two keys whose meaning no keyboard layout may change.

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

// Plays steps on an input line as the panel would, and notes what the line
// decided for each key. Steps:
//   "line:TEXT"  the line reads TEXT, cursor at its end (typed or pasted)
//   "=TEXT"      TEXT is shown as a result (`ans` reads TEXT too, unless
//                "=SHOWN|FULL")
//   "ans:TEXT"   `ans` now reads TEXT
//   "key:NAME"   a key press, Qt::Key_NAME, after "ctrl+"/"shift+" if held
//   "op:TEXT"    TEXT inserted by an operator button
//   "mouse"      an edit by mouse; "reuse" a history expression put in
//   "del"        the "←" button's edit, which keeps a shown result
struct Player
{
    InputLine input;
    InputLine::Text line;
    QString ans;
    QStringList actions;

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
        else if (step.startsWith("key:"))
            actions << actionName(input.key(parseKey(arg)));
        else if (step.startsWith("op:"))
        {
            line = input.insert(line, arg, InsertKind::Operator);
            input.textChanged(line.text);
        }
        else if (step == "mouse")
            input.editedByMouse();
        else if (step == "reuse")
            input.replaced();
        else if (step == "del")
            input.resumeResult();
        else
            QFAIL(qPrintable("unknown step " + step));
    }
    static InputLine::Key parseKey(QString name)
    {
        Qt::KeyboardModifiers modifiers;
        if (name.startsWith("ctrl+"))
            modifiers |= Qt::ControlModifier;
        if (name.startsWith("shift+"))
            modifiers |= Qt::ShiftModifier;
        name = name.section('+', -1);
        bool bKnown = false;
        const int key =
            QMetaEnum::fromType<Qt::Key>().keyToValue(("Key_" + name).toLatin1(), &bKnown);
        if (!bKnown)
            qFatal("no key %s", qPrintable(name));
        return {key, modifiers};
    }
    static QString actionName(InputLine::KeyAction action)
    {
        switch (action)
        {
        case InputLine::KeyAction::PassOn:
            return "pass";
        case InputLine::KeyAction::ClearFirst:
            return "clear+pass";
        case InputLine::KeyAction::Consume:
            return "consume";
        case InputLine::KeyAction::Calculate:
            return "calculate";
        case InputLine::KeyAction::Clear:
            return "clear";
        }
        return "?";
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
    QTest::newRow("a function on an empty line puts the cursor inside")
        << ""
        << "" << 0 << "sqrt()" << fn << "sqrt()" << 5;
    QTest::newRow("a function after an operand wraps the line")
        << ""
        << "25" << 2 << "sqrt()" << fn << "sqrt(25)" << 8;
    QTest::newRow("a two-argument function takes the line as its second argument")
        << ""
        << "25" << 2 << "log(,)" << fn << "log(,25)" << 4;
    QTest::newRow("a function after an operator is inserted")
        << ""
        << "2+" << 2 << "sin()" << fn << "2+sin()" << 6;
    QTest::newRow("^ is an operator: a function after it is inserted")
        << ""
        << "2^" << 2 << "sqrt()" << fn << "2^sqrt()" << 7;
    QTest::newRow("a closing bracket before the cursor is a boundary")
        << ""
        << "(1+2)" << 5 << "sqrt()" << fn << "(1+2)sqrt()" << 10;
    QTest::newRow("a cursor inside a number wraps the whole line")
        << ""
        << "12" << 1 << "sqrt()" << fn << "sqrt(12)" << 8;
    QTest::newRow("before an operator is a boundary")
        << ""
        << "+3" << 0 << "nrt(,)" << fn << "nrt(,)+3" << 4;
    QTest::newRow("a number next to an operand replaces the line")
        << ""
        << "5" << 1 << "2.5" << number << "2.5" << 3;
    QTest::newRow("a number after an operator goes in at the cursor")
        << ""
        << "5+" << 2 << "2.5" << number << "5+2.5" << 5;
    QTest::newRow("a digit goes in at the cursor") << ""
                                                   << "12" << 1 << "5" << operand << "152" << 2;
    QTest::newRow("the ) button leaves the cursor behind the bracket")
        << ""
        << "(2" << 2 << ")" << -1 << "(2)" << 3;
    QTest::newRow("a text ending with ) leaves the cursor before it")
        << ""
        << "1+" << 2 << "sqrt(16)" << operand << "1+sqrt(16)" << 9;
    QTest::newRow("with a result shown an operator continues it")
        << "36"
        << "" << 0 << "+" << op << "36+" << 3;
    QTest::newRow("with a result shown a digit starts anew")
        << "36"
        << "" << 0 << "7" << operand << "7" << 1;
    QTest::newRow("with a result shown a function wraps ans")
        << "36"
        << "" << 0 << "sqrt()" << fn << "sqrt(ans)" << 9;
    QTest::newRow("with a result shown a number replaces it")
        << "36"
        << "" << 0 << "2.5" << number << "2.5" << 3;
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
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<bool>("shown"); // a result is shown afterwards

    QTest::newRow("Return, Enter and = calculate")
        << QStringList{"line:6*7", "key:Return", "key:Enter", "key:Equal"}
        << QStringList{"calculate", "calculate", "calculate"} << false;
    QTest::newRow("Escape empties the line")
        << QStringList{"line:6*7", "key:Escape"} << QStringList{"clear"} << false;
    QTest::newRow("Shift, Control and Caps Lock keep a result")
        << QStringList{"=36", "key:Shift", "key:Control", "key:CapsLock"}
        << QStringList{"consume", "consume", "consume"} << true;
    QTest::newRow("Tab on to another control and back keeps a result")
        << QStringList{"=36", "key:Tab", "key:Backtab"} << QStringList{"pass", "pass"} << true;
    QTest::newRow("an operator key continues a result")
        << QStringList{"=36", "key:Asterisk"} << QStringList{"pass"} << false;
    QTest::newRow("the dead circumflex continues a result as an operator does")
        << QStringList{"=36", "key:Dead_Circumflex"} << QStringList{"pass"} << false;
    QTest::newRow("a digit on a result starts anew, the next goes on")
        << QStringList{"=36", "key:7", "key:8"} << QStringList{"clear+pass", "pass"} << false;
    QTest::newRow("Backspace on a result starts anew")
        << QStringList{"=36", "key:Backspace"} << QStringList{"clear+pass"} << false;
}

void TestInputLine::keys()
{
    QFETCH(QStringList, steps);
    Player player;
    for (const QString& step : steps)
        player.play(step);
    QTEST(player.actions, "actions");
    QTEST(player.input.isResultShown(), "shown");
}

void TestInputLine::chaining_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expression"); // what the engine calculates
    QTest::addColumn<QString>("row");        // what the history shows

    const QString result = "=0.3333|0.3333333333";
    QTest::newRow("a typed operator chains on the full value")
        << QStringList{result, "key:Asterisk", "line:0.3333*3"} << "ans*3"
        << "0.3333*3";
    QTest::newRow("an operator button chains on the full value")
        << QStringList{result, "op:*", "line:0.3333*3"} << "ans*3"
        << "0.3333*3";
    QTest::newRow("the operator replaced keeps the chain")
        << QStringList{result, "key:Plus", "line:0.3333+", "line:0.3333", "line:0.3333*3"}
        << "ans*3"
        << "0.3333*3";
    QTest::newRow("an edit inside the result calculates the line as seen")
        << QStringList{result, "key:Asterisk", "line:0.3333*3", "line:.3333*3", "line:0.3333*3"}
        << "0.3333*3"
        << "0.3333*3";
    QTest::newRow("the result shortened by its button calculates the line as seen")
        << QStringList{result, "line:0.333", "del", "key:Asterisk", "line:0.333*3"} << "0.333*3"
        << "0.333*3";
    QTest::newRow("text pasted by mouse is calculated as seen")
        << QStringList{result, "mouse", "line:0.3333*3"} << "0.3333*3"
        << "0.3333*3";
    QTest::newRow("a reused history expression is calculated as it reads")
        << QStringList{result, "key:Plus", "line:0.3333+", "reuse", "line:0.3333+1"} << "0.3333+1"
        << "0.3333+1";
    QTest::newRow("once ans holds another value the line is calculated as seen")
        << QStringList{result, "key:Asterisk", "line:0.3333*3", "ans:5"} << "0.3333*3"
        << "0.3333*3";
    QTest::newRow("spaces do not reach the history") << QStringList{"line:2 + 3"} << "2 + 3"
                                                     << "2+3";
}

void TestInputLine::chaining()
{
    QFETCH(QStringList, steps);
    Player player;
    for (const QString& step : steps)
        player.play(step);
    const InputLine::Calculation calc = player.input.calculation(player.line.text, player.ans);
    QTEST(calc.expression, "expression");
    QTEST(calc.row, "row");
    QCOMPARE(calc.chained, calc.expression.startsWith("ans"));
}

void TestInputLine::keypadDecimalRule_data()
{
    using WS = KeyRules::WindowSystem;
    QTest::addColumn<int>("windowSystem");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<uint>("virtualKey"); // keysym on X11 and Wayland
    QTest::addColumn<bool>("decimal");

    const int x11 = int(WS::X11), win = int(WS::Windows), other = int(WS::Other);
    const int kp = int(Qt::KeypadModifier), none = int(Qt::NoModifier),
              shift = int(Qt::ShiftModifier), keyN = int(Qt::Key_N);
    QTest::newRow("X11: KP_Decimal") << x11 << int(Qt::Key_Period) << kp << 0xffaeu << true;
    QTest::newRow("X11: the keysym tells even without the keypad flag")
        << x11 << int(Qt::Key_Comma) << none << 0xffacu << true;
    QTest::newRow("X11: KP_Delete, Num Lock off, stays a delete key")
        << x11 << int(Qt::Key_Delete) << kp << 0xff9fu << false;
    QTest::newRow("X11: n is keysym 0x6E, 110") << x11 << keyN << none << 0x6eu << false;
    QTest::newRow("Wayland: the keypad's comma by its flag")
        << other << int(Qt::Key_Comma) << kp << 0xffacu << true;
    QTest::newRow("Wayland: a letter with the keypad flag is still a letter")
        << other << keyN << kp << 0x6eu << false;
    QTest::newRow("Wayland: Shift+keypad 1 is End")
        << other << int(Qt::Key_End) << (kp | shift) << 0xff9cu << false;
    QTest::newRow("Wayland: the main keyboard's period")
        << other << int(Qt::Key_Period) << none << 0x2eu << false;
    QTest::newRow("Windows: virtual key 110, whatever it prints")
        << win << int(Qt::Key_Comma) << none << 110u << true;
    QTest::newRow("Windows: Delete, Num Lock off, is virtual key 46")
        << win << int(Qt::Key_Delete) << kp << 46u << false;
    QTest::newRow("Windows: a letter carrying 110 still types itself")
        << win << keyN << none << 110u << false;
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
    using KeyRules::DeadKeyAction;
    QTest::addColumn<uint>("message");
    QTest::addColumn<quint64>("character");
    QTest::addColumn<qint64>("lParam");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<int>("action");

    const int post = int(DeadKeyAction::PostCircumflex), pass = int(DeadKeyAction::PassOn);
    QTest::newRow("a dead circumflex is typed at once")
        << 0x103u << quint64('^') << qint64(0) << true << post;
    QTest::newRow("its character message too")
        << 0x102u << quint64('^') << qint64(0) << true << post;
    QTest::newRow("bit 25 set: swallowed, nothing typed")
        << 0x102u << quint64('^') << (qint64(1) << 25) << true << int(DeadKeyAction::Swallow);
    QTest::newRow("other widgets keep their dead keys")
        << 0x103u << quint64('^') << qint64(0) << false << pass;
    QTest::newRow("other characters pass") << 0x102u << quint64('`') << qint64(0) << true << pass;
    QTest::newRow("other messages pass") << 0x100u << quint64('^') << qint64(0) << true << pass;
}

void TestInputLine::windowsDeadKeyRule()
{
    QFETCH(uint, message);
    QFETCH(quint64, character);
    QFETCH(qint64, lParam);
    QFETCH(bool, focused);
    QFETCH(int, action);
    QCOMPARE(int(KeyRules::windowsDeadKeyAction(message, character, lParam, focused)), action);
}

QTEST_APPLESS_MAIN(TestInputLine)
#include "tst_inputline.moc"
