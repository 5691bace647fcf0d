// Measuring in the drawing from the panel: the host measures with scripted
// points (the sample drawing's lines and rectangle), the value lands in the
// input line; the angle command asks acute or obtuse and prints the angle.

#include "ModuleTestSupport.h"

#include <QApplication>
#include <QTimer>

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

    void commandTypedByHandInsertsNothing();
    void drawingClosedWhileMeasuring();
};

void TestMeasurements::measure_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("aunits");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");   // the command line's last line
    QTest::addColumn<int>("anglesPrinted"); // "Angle = " lines, host's and ours

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

    QTest::newRow("60 degrees, acute")
        << ""
        << "button_getAngle" << sixty + QStringList{"A"} << 0 << "60.0000000000"
        << "Angle = 60.0000°" << -1;
    QTest::newRow("60 degrees, obtuse")
        << ""
        << "button_getAngle" << sixty + QStringList{"Obtuse"} << 0 << "120.0000000000"
        << "Angle = 120.0000°" << 2;
    QTest::newRow("120 degrees, acute")
        << ""
        << "button_getAngle" << hundredTwenty + QStringList{"_Acute"} << 0 << "60.0000000000"
        << "Angle = 60.0000°" << -1;
    QTest::newRow("120 degrees, obtuse")
        << ""
        << "button_getAngle" << hundredTwenty + QStringList{"o"} << 0 << "120.0000000000"
        << "Angle = 120.0000°" << -1;
    QTest::newRow("perpendicular lines: exactly 90, no question")
        << ""
        << "button_getAngle" << QStringList{"0,0", "10,0", "10,0", "10,8"} << 0 << "90.0000000000"
        << "Angle = 90.0000°" << -1;
    QTest::newRow("parallel lines: a message, nothing inserted")
        << ""
        << "button_getAngle" << QStringList{"0,0", "10,0", "0,1", "10,1"} << 0 << ""
        << "Lines are parallel." << 1;
    QTest::newRow("opposite directions are no parallel lines: acute is 0")
        << ""
        << "button_getAngle" << QStringList{"0,0", "10,0", "10,1", "0,1", "Acute"} << 0
        << "0.0000000000"
        << "Angle = 0.0000°" << -1;
    QTest::newRow("opposite directions, obtuse is pi")
        << ""
        << "button_getAngle" << QStringList{"0,0", "10,0", "10,1", "0,1", "Obtuse"} << 3
        << "3.1415926536r"
        << "Angle = 3.1416r" << -1;
    QTest::newRow("surveyor's units print a degree sign")
        << ""
        << "button_getAngle" << sixty + QStringList{"A"} << 4 << "60.0000000000"
        << "Angle = 60.0000°" << -1;
    QTest::newRow("grads print none")
        << ""
        << "button_getAngle" << sixty + QStringList{"A"} << 2 << "66.6666666667g"
        << "Angle = 66.6667g" << -1;
    QTest::newRow("the host's angle command cancelled")
        << ""
        << "button_getAngle" << QStringList{"0,0", "^C"} << 0 << ""
        << "" << 0;
    QTest::newRow("the acute/obtuse question cancelled")
        << ""
        << "button_getAngle" << sixty + QStringList{"^C"} << 0 << ""
        << "" << 1;
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
    if (line()->text() != typed)
        QVERIFY2(line()->hasFocus(), "focus to the line after an insertion");
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

void TestMeasurements::commandTypedByHandInsertsNothing()
{
    QTest::keyClicks(line(), "7");
    run({"GETDISTANCE", "0,0", "3,4", "GETAREA", "^C", "_SCGETANGLE", "0,0", "10,0", "10,0",
         "10,8"});
    QCOMPARE(lastMessage(), QString("Angle = 90.0000°"));
    QCOMPARE(line()->text(), QString("7"));
    QVERIFY(dock()->widget()->isEnabled());
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

QTEST_MAIN(TestMeasurements)
#include "tst_measurements.moc"
