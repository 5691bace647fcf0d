// The input line as a widget: keys and buttons reach its rules and their
// decisions reach the line, the calculation in the drawing's units, errors,
// the live result and the memory buttons.

#include "../support/PanelFixture.h"

#include <QMenu>

#include <limits>

class TestCalculatorInput : public QObject, public PanelFixture
{
    Q_OBJECT

private slots:
    void init() { openPanel(); }
    void cleanup() { closePanel(); }

    void keysAndButtonsOnAResult_data();
    void keysAndButtonsOnAResult();
    void keysThatCalculate_data();
    void keysThatCalculate();
    void calculation_data();
    void calculation();
    void quietPreview_data();
    void quietPreview();
    void errorIndication();
    void nativeKeys();
    void bigPasteIsCalculatedWhole();
    void memory_data();
    void memory();
};

// Each step is a button's object name, "type:" and typed text, "key:" and a
// key (Backspace, Shift...), or "menuPaste:" and text pasted from the line's
// context menu.
static void act(PanelFixture& f, const QString& step)
{
    QLineEdit* pLine = f.line();
    if (step.startsWith("type:"))
        QTest::keyClicks(pLine, step.mid(5));
    else if (step.startsWith("key:"))
    {
        bool bKnown = false;
        const int key =
            QMetaEnum::fromType<Qt::Key>().keyToValue(("Key_" + step.mid(4)).toLatin1(), &bKnown);
        QVERIFY2(bKnown, qPrintable(step));
        QTest::keyClick(pLine, Qt::Key(key));
    }
    else if (step.startsWith("menuPaste:"))
    {
        QGuiApplication::clipboard()->setText(step.mid(10));
        const QPoint at = pLine->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, pLine->mapToGlobal(at));
        QApplication::sendEvent(pLine, &event);
        auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(pMenu);
        for (QAction* pAction : pMenu->actions())
        {
            if (pAction->text().startsWith("&Paste"))
                pAction->trigger();
        }
        pMenu->close();
    }
    else
        f.click(step.toLatin1().constData());
}

void TestCalculatorInput::keysAndButtonsOnAResult_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    // "12*3" shows the result 36.
    QTest::newRow("an operator button continues the result") << QStringList{"button_plus"} << "36+";
    QTest::newRow("a digit button starts anew") << QStringList{"button_7"} << "7";
    QTest::newRow("a function button wraps ans") << QStringList{"button_sqrt"} << "sqrt(ans)";
    QTest::newRow("a typed operator continues the result") << QStringList{"type:*"} << "36*";
    QTest::newRow("a typed digit starts anew") << QStringList{"type:7"} << "7";
    QTest::newRow("Shift alone keeps the result state")
        << QStringList{"key:Shift", "type:+"} << "36+";
    QTest::newRow("the backspace button edits the result and keeps the state")
        << QStringList{"button_del", "button_7"} << "7";
    QTest::newRow("text pasted from the line's menu ends the result state")
        << QStringList{"menuPaste:+4", "key:Return"} << "40";
    QTest::newRow("C clears the line") << QStringList{"button_delAll", "button_plus"} << "+";
}

void TestCalculatorInput::keysAndButtonsOnAResult()
{
    QFETCH(QStringList, steps);
    calculate("12*3");
    QCOMPARE(line()->text(), QString("36"));
    for (const QString& step : steps)
        act(*this, step);
    QTEST(line()->text(), "expected");
    QVERIFY(line()->hasFocus());
}

void TestCalculatorInput::keysThatCalculate_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("the keypad's Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
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
    // Again, with the result shown: nothing more happens.
    QTest::keyClick(line(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(line()->text(), QString("42"));
    QCOMPARE(history()->rowCount(), 1);
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
    QVERIFY(errorLabel()->text().isEmpty());
    QVERIFY(line()->hasFocus());
}

void TestCalculatorInput::quietPreview_data()
{
    QTest::addColumn<QString>("typed");

    QTest::newRow("a half-typed line") << "2*(3+";
    QTest::newRow("an error") << "1/0";
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
    QCOMPARE(history()->rowCount(), 1);

    // Neither this preview nor one that shows a value changed ans or memory.
    setLine("ans*10");
    QTRY_COMPARE(preview()->text(), QString("= 20"));
    QTest::keyClick(line(), Qt::Key_Escape);
    click("button_mr");
    QCOMPARE(line()->text(), QString("2"));
}

void TestCalculatorInput::errorIndication()
{
    calculate("   ");
    QVERIFY(errorLabel()->text().isEmpty());
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
    // As the window system delivers them, with native codes: n (keysym 110)
    // types itself, the keypad's comma types a point, and a dead circumflex
    // without text (X11, no composition) is posted again as "^".
    auto native = [this](int key, int modifiers, quint32 virtualKey, const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), 0, virtualKey, 0,
                        text);
        QApplication::sendEvent(line(), &press);
    };
    setLine("si");
    native(Qt::Key_N, Qt::NoModifier, 0x6e, "n");
    native(Qt::Key_Comma, Qt::KeypadModifier, 0xffac, ",");
    QCOMPARE(line()->text(), QString("sin."));

    calculate("2+3");
    QKeyEvent bare(QEvent::KeyPress, Qt::Key_Dead_Circumflex, Qt::NoModifier);
    QApplication::sendEvent(line(), &bare);
    QTRY_COMPARE(line()->text(), QString("5^"));
}

void TestCalculatorInput::bigPasteIsCalculatedWhole()
{
    setLine("1" + QString("+1").repeated(512 * 1024));
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
    QTest::newRow("MC then MR gives 0")
        << QStringList{"line=7", "button_ms", "button_mc", "line=", "button_mr"} << "0"
        << ""
        << "0";
    QTest::newRow("MS stores ten significant digits")
        << QStringList{"line=1/3", "button_ms"} << "0.3333333333"
        << ""
        << "0.3333333333";
    QTest::newRow("the largest double is kept though its ten digits overflow")
        << QStringList{"line=2^1023*(2-2^-52)", "button_ms"}
        << QString::number(std::numeric_limits<double>::max(), 'f', 0) << ""
        << "1.797693135e+308";
    QTest::newRow("a refusal says so and leaves line and register")
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
        if (step.startsWith("line="))
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

QTEST_MAIN(TestCalculatorInput)
#include "tst_calculatorinput.moc"
