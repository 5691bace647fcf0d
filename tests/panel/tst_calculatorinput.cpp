// The input line: insertion at the cursor, keys with and without a shown
// result, calculation in the drawing's units, errors, and the memory buttons.

#include "PanelTestSupport.h"

#include <HistoryItemDelegate.h>
#include <KeyRules.h>

#include <QMenu>
#include <QMetaEnum>

#include <limits>

class TestCalculatorInput : public QObject, public PanelFixture
{
    Q_OBJECT

private slots:
    void init() { openPanel(); }
    void cleanup() { closePanel(); }

    void insertion_data();
    void insertion();

    void everyButtonInsertsItsText_data();
    void everyButtonInsertsItsText();

    void withResultShown_data();
    void withResultShown();

    void calculation_data();
    void calculation();

    void keysThatCalculate_data();
    void keysThatCalculate();

    void quietPreview_data();
    void quietPreview();
    void exactChaining_data();
    void exactChaining();

    void errorIndication();
    void emptyAndRepeatedReturn();
    void deadCircumflexAndEscape();
    void bigPasteStaysResponsive();

    void keypadDecimalRule_data();
    void keypadDecimalRule();
    void nativeKeys_data();
    void nativeKeys();

    void memory_data();
    void memory();

    void windowsDeadKeyRule_data();
    void windowsDeadKeyRule();
};

// Each step is a button's object name, "type:" followed by typed text,
// "key:" and a key's name (Return, Home, Tab, Backtab...), "key:Shift"
// (pressed alone), "shift:" followed by a character typed with Shift held, or
// "menuPaste:" followed by text pasted from the line's context menu.
static void act(PanelFixture& f, const QString& step)
{
    QLineEdit* pLine = f.line();
    if (step.startsWith(QLatin1String("type:")))
        QTest::keyClicks(pLine, step.mid(5));
    else if (step.startsWith(QLatin1String("key:")) && step != QLatin1String("key:Shift"))
    {
        const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
        const auto key = Qt::Key(keys.keyToValue(("Key_" + step.mid(4)).toLatin1()));
        QTest::keyClick(pLine, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    }
    else if (step == QLatin1String("key:Shift"))
        QTest::keyPress(pLine, Qt::Key_Shift);
    else if (step.startsWith(QLatin1String("shift:")))
    {
        // As a layout delivers "*" on Shift+8: Shift first, then the key.
        QTest::keyPress(pLine, Qt::Key_Shift);
        QTest::keyClick(pLine, step.at(6).toLatin1(), Qt::ShiftModifier);
        QTest::keyRelease(pLine, Qt::Key_Shift);
    }
    else if (step.startsWith(QLatin1String("menuPaste:")))
    {
        // The line's own menu opens without blocking.
        QGuiApplication::clipboard()->setText(step.mid(10));
        const QPoint at = pLine->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, pLine->mapToGlobal(at));
        QApplication::sendEvent(pLine, &event);
        auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(pMenu);
        QAction* pPaste = nullptr;
        for (QAction* pAction : pMenu->actions())
        {
            if (pAction->text().startsWith(QLatin1String("&Paste")))
                pPaste = pAction;
        }
        QVERIFY(pPaste && pPaste->isEnabled());
        pPaste->trigger();
        pMenu->close();
    }
    else
        f.click(step.toLatin1().constData());
}

void TestCalculatorInput::insertion_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCursor");

    QTest::newRow("a function on an empty line puts the cursor inside") << "" << 0 << "button_sqrt"
                                                                        << "sqrt()" << 5;
    QTest::newRow("a function after an operand wraps the line") << "25" << 2 << "button_sqrt"
                                                                << "sqrt(25)" << 8;
    QTest::newRow("a two-argument function takes the line as its second argument")
        << "25" << 2 << "button_log"
        << "log(,25)" << 4;
    QTest::newRow("a function after an operator is inserted") << "2+" << 2 << "button_sin"
                                                              << "2+sin()" << 6;
    QTest::newRow("a closing bracket before the cursor is a boundary")
        << "(1+2)" << 5 << "button_sqrt"
        << "(1+2)sqrt()" << 10;
    QTest::newRow("a cursor inside a number wraps the whole line") << "12" << 1 << "button_sqrt"
                                                                   << "sqrt(12)" << 8;
    QTest::newRow("before an operator is a boundary") << "+3" << 0 << "button_nrt"
                                                      << "nrt(,)+3" << 4;
    QTest::newRow("a number next to an operand replaces the line") << "5" << 1 << "button_mr"
                                                                   << "0" << 1;
    QTest::newRow("the closing bracket button leaves the cursor behind it")
        << "(2" << 2 << "button_bracketClose"
        << "(2)" << 3;
    QTest::newRow("a digit goes in at the cursor") << "12" << 1 << "button_5"
                                                   << "152" << 2;
    QTest::newRow("a typed letter goes in at the cursor") << "2" << 1 << "type:pi"
                                                          << "2pi" << 3;
    QTest::newRow("^ is an operator: a function after it is inserted") << "2^" << 2 << "button_sqrt"
                                                                       << "2^sqrt()" << 7;
}

void TestCalculatorInput::insertion()
{
    QFETCH(QString, line);
    QFETCH(int, cursor);
    QFETCH(QString, step);
    setLine(line, cursor);
    act(*this, step);
    QTEST(this->line()->text(), "expected");
    QTEST(this->line()->cursorPosition(), "expectedCursor");
    QVERIFY(this->line()->hasFocus());
}

void TestCalculatorInput::everyButtonInsertsItsText_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text"); // on an empty line

    auto row = [](const char* pszButton, const char* pszText) {
        QTest::addRow("%s inserts %s", pszButton, pszText)
            << QString(pszButton) << QString(pszText);
    };
    const char* digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (const char* pszDigit : digits)
        row(qPrintable(QStringLiteral("button_%1").arg(pszDigit)), pszDigit);
    row("button_plus", "+");
    row("button_minus", "-");
    row("button_multiplication", "*");
    row("button_divide", "/");
    row("button_bracketOpen", "(");
    row("button_bracketClose", ")");
    row("button_decPoint", ".");
    row("button_ans", "ans");
    row("button_pi", "pi");
    row("button_e", "e");
    row("button_x2", "^2");
    row("button_x3", "^3");
    row("button_xn", "^");
    row("button_1divx", "1/()");
    row("button_sqrt", "sqrt()");
    row("button_nrt", "nrt(,)");
    row("button_10x", "10^()");
    row("button_ex", "e^()");
    row("button_sin", "sin()");
    row("button_cos", "cos()");
    row("button_tan", "tan()");
    row("button_asin", "asin()");
    row("button_acos", "acos()");
    row("button_atan", "atan()");
    row("button_log10", "log10()");
    row("button_ln", "ln()");
    row("button_log", "log(,)");
    row("button_abs", "abs()");
    row("button_rnd", "rnd()");
    row("button_trc", "trc()");
    row("button_r2d", "RtoD()");
    row("button_d2r", "DtoR()");
}

void TestCalculatorInput::everyButtonInsertsItsText()
{
    QFETCH(QString, button);
    click(button.toLatin1().constData());
    QTEST(line()->text(), "text");
    QVERIFY(line()->hasFocus());
}

void TestCalculatorInput::withResultShown_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    // "12*3" shows the result 36.
    QTest::newRow("an operator button continues the result") << QStringList{"button_plus"} << "36+";
    QTest::newRow("a digit button starts anew") << QStringList{"button_7"} << "7";
    QTest::newRow("a function button wraps ans") << QStringList{"button_sqrt"} << "sqrt(ans)";
    QTest::newRow("a typed operator continues the result") << QStringList{"type:*"} << "36*";
    QTest::newRow("a typed divide continues the result") << QStringList{"type:/"} << "36/";
    QTest::newRow("an operator typed with Shift continues the result")
        << QStringList{"shift:*"} << "36*";
    QTest::newRow("Shift alone keeps the result state")
        << QStringList{"key:Shift", "type:+"} << "36+";
    QTest::newRow("Tab on to the next control keeps the result and its state")
        << QStringList{"key:Tab", "type:+"} << "36+";
    QTest::newRow("Shift+Tab back keeps the result and its state")
        << QStringList{"key:Shift", "key:Backtab", "type:+"} << "36+";
    QTest::newRow("a typed digit starts anew") << QStringList{"type:7"} << "7";
    QTest::newRow("the backspace button removes one character") << QStringList{"button_del"} << "3";
    QTest::newRow("after the backspace button a digit button still starts anew")
        << QStringList{"button_del", "button_7"} << "7";
    QTest::newRow("text pasted from the line's menu ends the result state")
        << QStringList{"menuPaste:+4", "key:Return"} << "40";
    QTest::newRow("C clears and keeps the result state")
        << QStringList{"button_delAll", "button_plus"} << "+";
    QTest::newRow("a number from memory replaces the result") << QStringList{"button_mr"} << "0";
}

void TestCalculatorInput::withResultShown()
{
    QFETCH(QStringList, steps);
    calculate("12*3");
    QCOMPARE(line()->text(), QString("36"));
    for (const QString& step : steps)
        act(*this, step);
    QTEST(line()->text(), "expected");
}

void TestCalculatorInput::calculation_data()
{
    QTest::addColumn<int>("luprec"); // -1: no drawing
    QTest::addColumn<int>("aunits");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("result");

    QTest::newRow("no drawing: 4 decimals") << -1 << 0 << "1/3"
                                            << "0.3333";
    QTest::newRow("no drawing: trailing zeros trimmed") << -1 << 0 << "2/4"
                                                        << "0.5";
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
    QTest::newRow("surveyor's units count as degrees") << 4 << 4 << "tan(45)"
                                                       << "1";
    QTest::newRow("spaces are removed") << -1 << 0 << "2 + 3 * 4"
                                        << "14";
}

void TestCalculatorInput::calculation()
{
    QFETCH(int, luprec);
    QFETCH(int, aunits);
    QFETCH(QString, expression);
    if (luprec >= 0)
        openDrawing(luprec, aunits);

    // The preview says beforehand what Return gives.
    QFETCH(QString, result);
    setLine(expression);
    QTRY_COMPARE(preview()->text(), "= " + result);
    QTest::keyClick(line(), Qt::Key_Return);
    QTRY_VERIFY(preview()->text().isEmpty());
    QCOMPARE(line()->text(), result);
    QCOMPARE(history()->rowCount(), 1);
    QCOMPARE(history()->item(0, 0)->text(), expression.remove(' '));
    QVERIFY(errorLabel()->text().isEmpty());
    QVERIFY(line()->hasFocus());
}

void TestCalculatorInput::quietPreview_data()
{
    QTest::addColumn<QString>("typed");

    QTest::newRow("a half-typed line") << "2*(3+";
    QTest::newRow("an error") << "1/0";
    QTest::newRow("a plain number") << "12.5";
    QTest::newRow("100,000 nested brackets") << QString(100'000, '(') + "1" + QString(100'000, ')');
    QTest::newRow("a megabyte of +1") << "1" + QString("+1").repeated(512 * 1024);
    QTest::newRow("lone surrogates") << QString("1+") + QChar(0xd800) + "2" + QChar(0xdc00);
}

void TestCalculatorInput::quietPreview()
{
    // A result, a memory value and an empty error indication that the
    // preview must leave as they are.
    calculate("2");
    click("button_ms");
    QFETCH(QString, typed);
    setLine(typed);
    QTest::qWait(20);
    QCOMPARE(preview()->text(), QString());
    QVERIFY(errorLabel()->text().isEmpty());
    QCOMPARE(history()->rowCount(), 1);

    // Neither this preview nor one that shows a value changed ans or memory.
    setLine("5*3");
    QTRY_COMPARE(preview()->text(), QString("= 15"));
    setLine("ans*10");
    QTRY_COMPARE(preview()->text(), QString("= 20"));
    QTest::keyClick(line(), Qt::Key_Escape);
    click("button_mr");
    QCOMPARE(line()->text(), QString("2"));
}

void TestCalculatorInput::exactChaining_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("chained");

    QTest::newRow("a typed operator chains on the full value")
        << "1/3" << QStringList{"type:*3"} << "1" << true;
    QTest::newRow("an operator button chains on the full value")
        << "10/3" << QStringList{"button_multiplication", "button_3"} << "10" << true;
    QTest::newRow("x\u00b2 chains on the full value")
        << "sqrt(3)" << QStringList{"button_x2"} << "3" << true;
    QTest::newRow("the operator replaced keeps the chain")
        << "1/3" << QStringList{"type:+", "key:Backspace", "type:*3"} << "1" << true;
    QTest::newRow("an edit inside the result calculates the line as seen")
        << "1/3" << QStringList{"type:*3", "key:Home", "key:Delete", "type:0"} << "0.9999" << false;
    QTest::newRow("the result shortened calculates the line as seen")
        << "1/3" << QStringList{"button_del", "type:*3"} << "0.999" << false;
    QTest::newRow("text pasted by mouse is calculated as seen")
        << "1/3" << QStringList{"menuPaste:*3"} << "0.9999" << false;
}

void TestCalculatorInput::exactChaining()
{
    QFETCH(QString, first);
    QFETCH(QStringList, steps);
    QFETCH(QString, result);
    QFETCH(bool, chained);
    calculate(first);
    for (const QString& step : steps)
        act(*this, step);
    QTRY_COMPARE(preview()->text(), "= " + result);
    const QString seen = line()->text();
    QTest::keyClick(line(), Qt::Key_Return);
    QCOMPARE(line()->text(), result);
    // The history shows the line as it was seen, and says when the full
    // value was used.
    QCOMPARE(history()->item(1, 0)->text(), seen);
    const QString note = history()->item(1, 0)->data(kHistoryNoteRole).toString();
    QCOMPARE(note.contains(history()->item(0, 1)->data(Qt::UserRole).toString()), chained);
}

void TestCalculatorInput::keysThatCalculate_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("the keypad's Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    QTest::newRow("= calculates instead of typing itself")
        << int(Qt::Key_Equal) << int(Qt::NoModifier);
    QTest::newRow("= as Shift+0 on a German layout")
        << int(Qt::Key_Equal) << int(Qt::ShiftModifier);
}

void TestCalculatorInput::keysThatCalculate()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    setLine("6*7");
    QTest::keyClick(line(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(line()->text(), QString("42"));
    QCOMPARE(history()->rowCount(), 1);
    QVERIFY(errorLabel()->text().isEmpty());
    // Again, with the result shown: nothing more happens.
    QTest::keyClick(line(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(line()->text(), QString("42"));
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

    calculate("tan(90)");
    QCOMPARE(errorLabel()->toolTip(), QString("Tangent is not defined for 90 or 270 degrees."));
    calculate(QString(1001, '(') + "1" + QString(1001, ')'));
    QCOMPARE(errorLabel()->toolTip(),
             QString("The expression is nested too deeply to be calculated."));
}

void TestCalculatorInput::emptyAndRepeatedReturn()
{
    calculate("   ");
    QCOMPARE(history()->rowCount(), 0);
    QVERIFY(errorLabel()->text().isEmpty());

    calculate("6*7");
    QTest::keyClick(line(), Qt::Key_Return);
    QTest::keyClick(line(), Qt::Key_Space);
    click("button_equals");
    QCOMPARE(line()->text(), QString("42"));
    QCOMPARE(history()->rowCount(), 1);

    setLine("2 + 2"); // pasted spaces
    QTest::keyClick(line(), Qt::Key_Space);
    QCOMPARE(line()->text(), QString("4"));
    QCOMPARE(history()->item(1, 0)->text(), QString("2+2"));
}

void TestCalculatorInput::deadCircumflexAndEscape()
{
    setLine("3");
    QTest::keyClick(line(), Qt::Key_Escape);
    QVERIFY(line()->text().isEmpty());

    // A dead circumflex without text (X11, no composition) is posted again
    // as the key the Windows filter posts, and so continues a shown result
    // as an operator does.
    calculate("2+3");
    QKeyEvent bare(QEvent::KeyPress, Qt::Key_Dead_Circumflex, Qt::NoModifier);
    QApplication::sendEvent(line(), &bare);
    QTRY_COMPARE(line()->text(), QString("5^"));
    QKeyEvent posted(QEvent::KeyPress, Qt::Key_Dead_Circumflex, Qt::NoModifier, "^");
    QApplication::sendEvent(line(), &posted);
    QCOMPARE(line()->text(), QString("5^^"));
}

void TestCalculatorInput::bigPasteStaysResponsive()
{
    // A megabyte pasted: evaluated (or refused) whole, nothing cut off.
    QString big = QStringLiteral("1");
    big += QString("+1").repeated(512 * 1024);
    setLine(big);
    QTest::keyClick(line(), Qt::Key_Return);
    QCOMPARE(line()->text(), QString("524289"));
}

void TestCalculatorInput::memory_data()
{
    QTest::addColumn<QStringList>("steps"); // "line=TEXT" sets the line
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("held"); // the register's value as MR's tool tip shows it

    QTest::newRow("MS on an empty line changes nothing")
        << QStringList{"line=", "button_ms", "line=", "button_mr"} << "0"
        << ""
        << "0";
    QTest::newRow("MS, M+ and M- evaluate the line")
        << QStringList{"line=2*3", "button_ms", "button_madd", "line=2", "button_msub"} << "10"
        << ""
        << "10";
    QTest::newRow("MR after an operator is inserted")
        << QStringList{"line=2.5", "button_ms", "line=5+", "button_mr"} << "5+2.5"
        << ""
        << "2.5";
    QTest::newRow("MR after an operand replaces the line")
        << QStringList{"line=2.5", "button_ms", "line=5", "button_mr"} << "2.5"
        << ""
        << "2.5";
    QTest::newRow("MC then MR gives 0")
        << QStringList{"line=7", "button_ms", "button_mc", "line=", "button_mr"} << "0"
        << ""
        << "0";
    QTest::newRow("MS stores ten significant digits")
        << QStringList{"line=1/3", "button_ms"} << "0.3333333333"
        << ""
        << "0.3333333333";
    QTest::newRow("a result whose text has an exponent is kept")
        << QStringList{"line=10^10", "button_ms"} << "10000000000"
        << ""
        << "10000000000";
    QTest::newRow("a result below 10^-4 is kept, not its rounded 0")
        << QStringList{"line=1/10^5", "button_ms"} << "0.00001"
        << ""
        << "0.00001";
    QTest::newRow("the largest double is kept")
        << QStringList{"line=2^1023*(2-2^-52)", "button_ms"}
        << QString::number(std::numeric_limits<double>::max(), 'f', 0) << ""
        << "1.797693135e+308";
    QTest::newRow("-0 is kept as 0")
        << QStringList{"line=4", "button_ms", "line=-0", "button_ms"} << "0"
        << ""
        << "0";
    QTest::newRow("a sum beyond the double range is refused")
        << QStringList{"line=1.5*2^1023", "button_ms", "line=2^1023", "button_madd"} << "2^1023"
        << "Cannot add this to the memory"
        << "1.348269851e+308";
    QTest::newRow("an evaluation error leaves line and register")
        << QStringList{"line=4", "button_ms", "line=1/0", "button_madd"} << "1/0"
        << "Cannot divide by 0."
        << "4";
}

void TestCalculatorInput::memory()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, held);
    for (const QString& step : steps)
    {
        if (step.startsWith(QLatin1String("line=")))
            setLine(step.mid(5));
        else
            act(*this, step);
    }
    QTEST(line()->text(), "expected");
    QTEST(errorLabel()->toolTip(), "error");
    QVERIFY(line()->hasFocus());
    QCOMPARE(history()->rowCount(), 0);
    QCOMPARE(child<QAbstractButton>(panel.get(), "button_mr")->toolTip(), "Memory recall: " + held);
    // "M" beside the line while the register holds anything but 0.
    QCOMPARE(child<QLabel>(panel.get(), "label_memory")->isVisible(), held != "0");
}

void TestCalculatorInput::windowsDeadKeyRule_data()
{
    using KeyRules::DeadKeyAction;
    QTest::addColumn<uint>("message");
    QTest::addColumn<quint64>("character");
    QTest::addColumn<qint64>("lParam");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<int>("action");

    const int post = int(DeadKeyAction::PostCircumflex);
    QTest::newRow("a dead circumflex is typed at once")
        << 0x103u << quint64('^') << qint64(0) << true << post;
    QTest::newRow("its character message too")
        << 0x102u << quint64('^') << qint64(0) << true << post;
    QTest::newRow("bit 25 set: swallowed, nothing typed")
        << 0x102u << quint64('^') << (qint64(1) << 25) << true << int(DeadKeyAction::Swallow);
    QTest::newRow("other widgets keep their dead keys")
        << 0x103u << quint64('^') << qint64(0) << false << int(DeadKeyAction::PassOn);
    QTest::newRow("other characters pass")
        << 0x102u << quint64('`') << qint64(0) << true << int(DeadKeyAction::PassOn);
    QTest::newRow("other messages pass")
        << 0x100u << quint64('^') << qint64(0) << true << int(DeadKeyAction::PassOn);
}

void TestCalculatorInput::windowsDeadKeyRule()
{
    QFETCH(uint, message);
    QFETCH(quint64, character);
    QFETCH(qint64, lParam);
    QFETCH(bool, focused);
    QFETCH(int, action);
    QCOMPARE(int(KeyRules::windowsDeadKeyAction(message, character, lParam, focused)), action);
}

// A key press as a window system delivers it, with its native codes.
static QKeyEvent nativeKeyEvent(int key, int modifiers, quint32 scanCode, quint32 virtualKey,
                                const QString& text)
{
    return QKeyEvent(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), scanCode, virtualKey,
                     0, text);
}

void TestCalculatorInput::keypadDecimalRule_data()
{
    using WS = KeyRules::WindowSystem;
    QTest::addColumn<int>("windowSystem");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<uint>("scanCode");
    QTest::addColumn<uint>("virtualKey"); // keysym on X11 and Wayland
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("decimal");

    const int x11 = int(WS::X11);
    const int win = int(WS::Windows);
    const int other = int(WS::Other); // Wayland, the offscreen platform
    const int kp = int(Qt::KeypadModifier);
    const int none = int(Qt::NoModifier);
    const int shift = int(Qt::ShiftModifier);
    const int key_n = int(Qt::Key_N);

    QTest::newRow("X11: KP_Decimal")
        << x11 << int(Qt::Key_Period) << kp << 91u << 0xffaeu << "." << true;
    QTest::newRow("X11: KP_Separator, where the layout prints a comma")
        << x11 << int(Qt::Key_Comma) << kp << 91u << 0xffacu << "," << true;
    QTest::newRow("X11: the keysym tells even without the keypad flag")
        << x11 << int(Qt::Key_Comma) << none << 91u << 0xffacu << "," << true;
    QTest::newRow("X11: KP_Delete, Num Lock off, stays a delete key")
        << x11 << int(Qt::Key_Delete) << kp << 91u << 0xff9fu << "" << false;
    QTest::newRow("X11: Shift turns the key into KP_Delete")
        << x11 << int(Qt::Key_Delete) << (kp | shift) << 91u << 0xff9fu << "" << false;
    QTest::newRow("X11: n is keysym 0x6E, 110")
        << x11 << key_n << none << 57u << 0x6eu << "n" << false;
    QTest::newRow("X11: N") << x11 << key_n << shift << 57u << 0x4eu << "N" << false;

    QTest::newRow("Wayland: the keypad's comma by its flag")
        << other << int(Qt::Key_Comma) << kp << 83u << 0xffacu << "," << true;
    QTest::newRow("Wayland: n, keysym 0x6E, types itself")
        << other << key_n << none << 49u << 0x6eu << "n" << false;
    QTest::newRow("Wayland: a letter with the keypad flag is still a letter")
        << other << key_n << kp << 49u << 0x6eu << "n" << false;
    QTest::newRow("Wayland: Shift+keypad 1 is End")
        << other << int(Qt::Key_End) << (kp | shift) << 79u << 0xff9cu << "" << false;
    QTest::newRow("Wayland: the main keyboard's period")
        << other << int(Qt::Key_Period) << none << 52u << 0x2eu << "." << false;

    QTest::newRow("Windows: virtual key 110, whatever it prints")
        << win << int(Qt::Key_Comma) << none << 0x53u << 110u << "," << true;
    QTest::newRow("Windows: Delete, Num Lock off, is virtual key 46")
        << win << int(Qt::Key_Delete) << kp << 0x53u << 46u << "" << false;
    QTest::newRow("Windows: N is virtual key 78")
        << win << key_n << shift << 0x31u << 78u << "N" << false;
    QTest::newRow("Windows: a letter carrying 110 still types itself")
        << win << key_n << none << 0x31u << 110u << "n" << false;
}

void TestCalculatorInput::keypadDecimalRule()
{
    QFETCH(int, windowSystem);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(uint, scanCode);
    QFETCH(uint, virtualKey);
    QFETCH(QString, text);
    const QKeyEvent event = nativeKeyEvent(key, modifiers, scanCode, virtualKey, text);
    QTEST(KeyRules::isKeypadDecimal(event, KeyRules::WindowSystem(windowSystem)), "decimal");
}

void TestCalculatorInput::nativeKeys_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<uint>("virtualKey");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");

    const int kp = int(Qt::KeypadModifier);
    QTest::newRow("n with native code 0x6E types n, so sin can be typed")
        << "lineEdit_calc"
        << "si" << int(Qt::Key_N) << int(Qt::NoModifier) << 0x6eu << "n"
        << "sin";
    QTest::newRow("N types N") << "lineEdit_calc"
                               << "L" << int(Qt::Key_N) << int(Qt::ShiftModifier) << 0x4eu << "N"
                               << "LN";
    QTest::newRow("the keypad's comma on a comma layout types a point")
        << "lineEdit_calc"
        << "1" << int(Qt::Key_Comma) << kp << 0xffacu << ","
        << "1.";
}

void TestCalculatorInput::nativeKeys()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(uint, virtualKey);
    QFETCH(QString, text);
    auto* pField = child<QLineEdit>(panel.get(), field.toLatin1().constData());
    pField->setFocus();
    pField->setText(before);
    QKeyEvent event = nativeKeyEvent(key, modifiers, 0, virtualKey, text);
    QApplication::sendEvent(pField, &event);
    QTEST(pField->text(), "after");
}

QTEST_MAIN(TestCalculatorInput)
#include "tst_calculatorinput.moc"
