// Measuring in the drawing from the panel: the host measures with scripted
// points (the sample drawing's lines and rectangle), the value lands in the
// input line; the angle command asks acute or obtuse and prints the angle.
// A measurement started while another command waits for input displaces it,
// and only the panel's own run delivers the value.

#include "ModuleTestSupport.h"

#include <QApplication>
#include <QTimer>

#include <functional>

class TestMeasurements : public QObject, public ModuleHost
{
    Q_OBJECT

private slots:
    void init()
    {
        start();
        run({"SMARTCALCULATOR"});
        QApplication::setActiveWindow(runtime->mainWindow());
        QVERIFY(QTest::qWaitForWindowActive(runtime->mainWindow()));
    }
    void cleanup() { stop(); }

    void measure_data();
    void measure();

    void angleComputesInEveryUnit_data();
    void angleComputesInEveryUnit();
    void displacedCommand_data();
    void displacedCommand();
    void secondClickWhilePending();

    void commandTypedByHandInsertsNothing();
    void returnRepeatsTheAngleCommandNotItsNestedOne();
    void drawingClosedWhileMeasuring();
    void unloadWhileMeasuring_data();
    void unloadWhileMeasuring();

private:
    // Runs action from inside the nested event loop of the first prompt that
    // waits with nothing left to answer it, as a user's click arrives.
    void whenWaiting(std::function<void()> action);
    bool m_acted = false;
};

void TestMeasurements::whenWaiting(std::function<void()> action)
{
    m_acted = false;
    whenPromptWaits(*runtime,
                    [this, action]
                    {
                        m_acted = true;
                        action();
                    });
}

void TestMeasurements::measure_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("aunits");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");   // the command line's last line
    QTest::addColumn<int>("anglesPrinted"); // "Angle = " lines on the command line

    const QStringList rectangle{"12,0", "16,0", "16,3", "12,3", ""};
    const QStringList sixty{"0,0", "10,0", "0,0", "5,8.660254037844386"};
    const QStringList hundredTwenty{"0,0", "10,0", "5,8.660254037844386", "0,0"};

    QTest::newRow("a distance of 25.4 inserts 25.4")
        << ""
        << "button_getDistance" << QStringList{"0,0", "25.4,0"} << 0 << "25.4"
        << "Distance = 25.4000" << -1;
    QTest::newRow("a distance of 0 inserts 0")
        << ""
        << "button_getDistance" << QStringList{"1,1", "1,1"} << 0 << "0"
        << "Distance = 0.0000" << -1;
    QTest::newRow("next to an operand the value replaces the line")
        << "5"
        << "button_getDistance" << QStringList{"0,0", "25.4,0"} << 0 << "25.4"
        << "" << -1;
    QTest::newRow("after an operator the value is inserted at the cursor")
        << "2*"
        << "button_getDistance" << QStringList{"0,0", "3,4"} << 0 << "2*5"
        << "" << -1;
    QTest::newRow("ten decimals at most")
        << ""
        << "button_getDistance" << QStringList{"0,0", "0.33333333333333,0"} << 0 << "0.3333333333"
        << "" << -1;
    QTest::newRow("the area button inserts the area") << ""
                                                      << "button_getArea" << rectangle << 0 << "12"
                                                      << "" << -1;
    QTest::newRow("the circumference button inserts the perimeter")
        << ""
        << "button_getCircumference" << rectangle << 0 << "14"
        << "" << -1;
    QTest::newRow("an area of 0 inserts nothing")
        << ""
        << "button_getArea" << QStringList{"0,0", "1,0", "2,0", ""} << 0 << ""
        << "" << -1;
    QTest::newRow("a cancelled measurement inserts nothing")
        << "1+"
        << "button_getDistance" << QStringList{"0,0", "^C"} << 0 << "1+"
        << "" << -1;

    QTest::newRow("every prompt of the area cancels: the third corner")
        << "1+"
        << "button_getArea" << QStringList{"12,0", "16,0", "^C"} << 0 << "1+"
        << "" << -1;
    QTest::newRow("the circumference cancelled at its first corner")
        << ""
        << "button_getCircumference" << QStringList{"^C"} << 0 << ""
        << "" << -1;

    // The angle arrives as a plain number in the unit the calculator
    // computes with for the drawing, and is printed once.
    QTest::newRow("60 degrees, acute") << ""
                                       << "button_getAngle" << sixty + QStringList{"A"} << 0 << "60"
                                       << "Angle = 60.0000°" << 1;
    QTest::newRow("60 degrees, obtuse")
        << ""
        << "button_getAngle" << sixty + QStringList{"Obtuse"} << 0 << "120"
        << "Angle = 120.0000°" << 1;
    QTest::newRow("120 degrees, acute")
        << ""
        << "button_getAngle" << hundredTwenty + QStringList{"_Acute"} << 0 << "60"
        << "Angle = 60.0000°" << 1;
    QTest::newRow("120 degrees, obtuse")
        << ""
        << "button_getAngle" << hundredTwenty + QStringList{"o"} << 0 << "120"
        << "Angle = 120.0000°" << 1;
    QTest::newRow("perpendicular lines: exactly 90, no question")
        << ""
        << "button_getAngle" << QStringList{"0,0", "10,0", "10,0", "10,8"} << 0 << "90"
        << "Angle = 90.0000°" << 1;
    QTest::newRow("opposite directions are no parallel lines: acute is 0")
        << ""
        << "button_getAngle" << QStringList{"0,0", "10,0", "10,1", "0,1", "Acute"} << 0 << "0"
        << "Angle = 0.0000°" << 1;
    QTest::newRow("grads arrive in grads")
        << ""
        << "button_getAngle" << sixty + QStringList{"A"} << 2 << "66.6666666667"
        << "Angle = 66.6667g" << 1;
    QTest::newRow("radians arrive in radians")
        << ""
        << "button_getAngle" << sixty + QStringList{"A"} << 3 << "1.0471975512"
        << "Angle = 1.0472r" << 1;
    QTest::newRow("opposite directions, obtuse is pi")
        << ""
        << "button_getAngle" << QStringList{"0,0", "10,0", "10,1", "0,1", "Obtuse"} << 3
        << "3.1415926536"
        << "Angle = 3.1416r" << 1;
    QTest::newRow("surveyor's units print a degree sign and compute in degrees")
        << ""
        << "button_getAngle" << sixty + QStringList{"A"} << 4 << "60"
        << "Angle = 60.0000°" << 1;
    for (int aunits = 0; aunits <= 4; ++aunits)
    {
        QTest::addRow("parallel lines, angular unit %d: a message, nothing inserted", aunits)
            << "7*"
            << "button_getAngle" << QStringList{"0,0", "10,0", "0,1", "10,1"} << aunits << "7*"
            << "Lines are parallel." << 0;
    }
    QTest::newRow("the host's angle command cancelled")
        << ""
        << "button_getAngle" << QStringList{"0,0", "^C"} << 0 << ""
        << "" << 0;
    QTest::newRow("the acute/obtuse question cancelled")
        << ""
        << "button_getAngle" << sixty + QStringList{"^C"} << 0 << ""
        << "" << 0;
}

void TestMeasurements::measure()
{
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QStringList, answers);
    QFETCH(int, aunits);
    QFETCH(QString, message);
    runtime->documents().activeDocument()->database()->setAUNITS(OdInt16(aunits));
    QTest::keyClicks(line(), typed);
    runtime->commandLine().clearMessages();

    click(button.toLatin1().constData());
    QVERIFY2(!dock()->widget()->isEnabled(), "disabled while the host measures");
    run(answers);

    QTEST(line()->text(), "line");
    QVERIFY(dock()->widget()->isEnabled());
    // However it ended: with a value, Escape, a failure or parallel lines.
    QVERIFY2(line()->hasFocus(), "the keyboard back in the line");
    if (!message.isEmpty())
        QCOMPARE(lastMessage(), message);
    QFETCH(int, anglesPrinted);
    if (anglesPrinted >= 0)
    {
        const QStringList& shown = runtime->commandLine().messages();
        QCOMPARE(std::count_if(shown.begin(), shown.end(),
                               [](const QString& m) { return m.startsWith("Angle ="); }),
                 anglesPrinted);
    }
}

void TestMeasurements::angleComputesInEveryUnit_data()
{
    QTest::addColumn<int>("aunits");
    for (int aunits = 0; aunits <= 4; ++aunits)
        QTest::addRow("angular unit %d", aunits) << aunits;
}

void TestMeasurements::angleComputesInEveryUnit()
{
    QFETCH(int, aunits);
    runtime->documents().activeDocument()->database()->setAUNITS(OdInt16(aunits));
    click("button_getAngle");
    run({"0,0", "10,0", "0,0", "5,8.660254037844386", "Acute"});
    QTest::keyClick(line(), Qt::Key_Home);
    QTest::keyClicks(line(), "cos(");
    QTest::keyClick(line(), Qt::Key_End);
    QTest::keyClicks(line(), ")");
    QTest::keyClick(line(), Qt::Key_Return);
    QCOMPARE(line()->text(), QString("0.5"));
}

void TestMeasurements::displacedCommand_data()
{
    QTest::addColumn<QStringList>("before"); // leaves a command waiting
    QTest::addColumn<QString>("displaced");  // its global name
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("line");

    const QStringList rectangle{"12,0", "16,0", "16,3", "12,3", ""};
    const QStringList sixty{"0,0", "10,0", "0,0", "5,8.660254037844386"};
    QTest::newRow("the host's distance, one point given, displaced by the panel's distance")
        << QStringList{"GETDISTANCE", "0,0"} << "_GETDISTANCE"
        << "button_getDistance" << QStringList{"0,0", "3,4"} << "5";
    QTest::newRow("the host's area displaced by the panel's distance")
        << QStringList{"GETAREA", "12,0"} << "_GETAREA"
        << "button_getDistance" << QStringList{"0,0", "0,7"} << "7";
    QTest::newRow("the host's area displaced by the panel's own area")
        << QStringList{"GETAREA", "0,0"} << "_GETAREA"
        << "button_getArea" << rectangle << "12";
    QTest::newRow("the host's distance displaced by the panel's circumference")
        << QStringList{"GETDISTANCE"} << "_GETDISTANCE"
        << "button_getCircumference" << rectangle << "14";
    QTest::newRow("the host's distance displaced by the panel's angle")
        << QStringList{"GETDISTANCE"} << "_GETDISTANCE"
        << "button_getAngle" << sixty + QStringList{"o"} << "120";
    QTest::newRow("a typed angle command waiting in its nested angle, then a distance")
        << QStringList{"_SCGETANGLE", "0,0"} << "_SCGETANGLE"
        << "button_getDistance" << QStringList{"0,0", "3,4"} << "5";
    QTest::newRow("a typed angle command waiting at its question, then the panel's angle")
        << QStringList{"_SCGETANGLE"} + sixty << "_SCGETANGLE"
        << "button_getAngle" << sixty + QStringList{"a"} << "60";
    QTest::newRow("another module's command waiting at its question")
        << QStringList{"PROBE"} << "_PROBE"
        << "button_getArea" << rectangle << "12";
}

void TestMeasurements::displacedCommand()
{
    QFETCH(QStringList, before);
    QFETCH(QString, displaced);
    QFETCH(QString, button);
    QFETCH(QStringList, answers);
    QVERIFY(runtime->modules().load(PROBE_MODULE_PATH));
    runtime->input().setInteractive(true);

    // The displaced command's own end must leave the panel waiting.
    bool enabledAfterDisplaced = false;
    bool displacedEnded = false;
    connect(&runtime->processor(), &CommandProcessor::commandFinished, this,
            [&](const QString& strName, int)
            {
                if (strName.compare(displaced, Qt::CaseInsensitive) == 0 && !displacedEnded)
                {
                    displacedEnded = true;
                    enabledAfterDisplaced = dock()->widget()->isEnabled();
                }
            });
    whenWaiting(
        [&]
        {
            click(button.toLatin1().constData());
            runtime->input().enqueue(answers);
        });
    runtime->input().enqueue(before);
    QTRY_VERIFY(m_acted && runtime->processor().isQuiet());

    QVERIFY(displacedEnded);
    QVERIFY2(!enabledAfterDisplaced, "the panel waits for its own run");
    QTEST(line()->text(), "line");
    QVERIFY(dock()->widget()->isEnabled());
    QVERIFY(line()->hasFocus());
}

void TestMeasurements::secondClickWhilePending()
{
    // A click that reached the panel before it was disabled (a double click,
    // a second tool): the first measurement stays the one delivered.
    QObject* pPanel = dock()->widget();
    runtime->input().setInteractive(true);
    whenWaiting(
        [&]
        {
            QVERIFY(QMetaObject::invokeMethod(pPanel, "button_getArea_pressed"));
            QVERIFY(QMetaObject::invokeMethod(pPanel, "button_getDistance_pressed"));
            runtime->input().enqueue({"0,0", "3,4"});
        });
    click("button_getDistance");
    QTRY_VERIFY(m_acted && runtime->processor().isQuiet());
    QCOMPARE(line()->text(), QString("5"));
    QVERIFY(dock()->widget()->isEnabled());
}

void TestMeasurements::commandTypedByHandInsertsNothing()
{
    QTest::keyClicks(line(), "7");
    run({"GETDISTANCE", "0,0", "3,4", "GETAREA", "^C", "_SCGETANGLE", "0,0", "10,0", "10,0",
         "10,8"});
    QCOMPARE(lastMessage(), QString("Angle = 90.0000°"));
    QCOMPARE(line()->text(), QString("7"));
    QVERIFY(dock()->widget()->isEnabled());
}

void TestMeasurements::returnRepeatsTheAngleCommandNotItsNestedOne()
{
    const QStringList sixtyObtuse{"0,0", "10,0", "0,0", "5,8.660254037844386", "Obtuse"};
    run(QStringList{"_SCGETANGLE"} + sixtyObtuse);
    runtime->commandLine().clearMessages();
    run(QStringList{""} + sixtyObtuse); // Return on the empty command line
    QCOMPARE(runtime->commandLine().messages().first(), QString("Command: _SCGETANGLE"));
    QCOMPARE(lastMessage(), QString("Angle = 120.0000°"));
    QCOMPARE(runtime->input().rejectedCount(), 0);
}

void TestMeasurements::drawingClosedWhileMeasuring()
{
    runtime->input().setInteractive(true);
    QTimer whileWaiting;
    connect(&whileWaiting, &QTimer::timeout, this,
            [&]
            {
                if (!runtime->input().isWaitingForPoint())
                    return;
                whileWaiting.stop();
                runtime->documents().closeAll();
                runtime->input().submit("0,0");
                runtime->input().submit("3,4");
            });
    whileWaiting.start(10);
    click("button_getDistance");
    QTRY_VERIFY(runtime->processor().isQuiet() && !whileWaiting.isActive());
    // Nothing to read the value from, but the panel is usable again.
    QVERIFY(dock()->widget()->isEnabled());
    QVERIFY(line()->text().isEmpty());
}

void TestMeasurements::unloadWhileMeasuring_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("given"); // answers before the unload

    QTest::newRow("the host's distance command waits")
        << "button_getDistance" << QStringList{"0,0"};
    QTest::newRow("the module's angle command waits in the host's")
        << "button_getAngle" << QStringList{"0,0"};
    QTest::newRow("the module's angle command waits at its question")
        << "button_getAngle" << QStringList{"0,0", "10,0", "0,0", "5,8.660254037844386"};
}

void TestMeasurements::unloadWhileMeasuring()
{
    QFETCH(QString, button);
    QFETCH(QStringList, given);
    runtime->input().setInteractive(true);
    whenWaiting(
        [&]
        {
            QVERIFY(runtime->modules().unload(MODULE_PATH) ||
                    runtime->modules().loadedPaths().isEmpty());
            // Whatever still waits gets its answers; nothing may reach the
            // module's code any more.
            runtime->input().enqueue({"3,4", "10,0", "0,0", "5,8.660254037844386", "o"});
        });
    click(button.toLatin1().constData());
    runtime->input().enqueue(given);
    QTRY_VERIFY(m_acted && runtime->processor().isQuiet());
    QTRY_VERIFY(runtime->modules().loadedPaths().isEmpty());
    QVERIFY(!dock());

    // Loaded again, the calculator measures as before.
    QVERIFY(runtime->modules().load(MODULE_PATH));
    run({"SMARTCALCULATOR"});
    click("button_getDistance");
    run({"0,0", "3,4"});
    QCOMPARE(line()->text(), QString("5"));
    QVERIFY(dock()->widget()->isEnabled());
}

QTEST_MAIN(TestMeasurements)
#include "tst_measurements.moc"
