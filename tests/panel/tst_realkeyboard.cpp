// The two keys whose meaning the layout must not change, typed on a private X
// server with a German layout (run through tests/realdisplay/with-xvfb): the
// dead circumflex types "^" at once, and the keypad's decimal key, which
// prints "," in German, types ".".

#include "PanelTestSupport.h"

#include <QProcess>

class TestRealKeyboard : public QObject, public PanelFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { closePanel(); }
    void deadCircumflexTypesAtOnce();
    void keypadDecimalTypesAPoint();

private:
    // Physical keys (evdev key codes), whatever the layout makes of them.
    static constexpr const char* kCircumflexKey = "49";
    static constexpr const char* kKeypadDecimalKey = "91";

    static void press(const QStringList& keys)
    {
        QProcess xdotool;
        xdotool.start("xdotool", QStringList{"key", "--delay", "30"} + keys);
        QVERIFY(xdotool.waitForFinished(10000));
        QCOMPARE(xdotool.exitCode(), 0);
    }
    static void focus(QWidget* pWidget)
    {
        pWidget->setFocus();
        QTRY_VERIFY(pWidget->hasFocus());
    }
};

void TestRealKeyboard::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs a real X server: run it through tests/realdisplay/with-xvfb");
    // The server is this test's own: its layout may change.
    QCOMPARE(QProcess::execute("setxkbmap", {"de"}), 0);
    panel = std::make_unique<CalculatorUI>();
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    // No window manager: the X server's focus is set directly.
    QCOMPARE(
        QProcess::execute("xdotool", {"windowfocus", "--sync", QString::number(panel->winId())}),
        0);
    QTRY_VERIFY(panel->isActiveWindow());
}

void TestRealKeyboard::deadCircumflexTypesAtOnce()
{
    focus(line());
    press({"2", kCircumflexKey});
    QTRY_COMPARE(line()->text(), QString("2^")); // no second key needed
    press({"3", "Return"});
    QTRY_COMPARE(line()->text(), QString("8"));
    press({kCircumflexKey}); // continues the result, as an operator does
    QTRY_COMPARE(line()->text(), QString("8^"));
}

void TestRealKeyboard::keypadDecimalTypesAPoint()
{
    press({"Num_Lock"});
    focus(line());
    press({"Escape", "1", kKeypadDecimalKey, "5"});
    QTRY_COMPARE(line()->text(), QString("1.5"));
}

QTEST_MAIN(TestRealKeyboard)
#include "tst_realkeyboard.moc"
