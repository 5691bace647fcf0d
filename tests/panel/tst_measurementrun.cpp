// Which run of a measuring command belongs to the panel: every order of
// requests, starts, ends, cancels and failures that the host can deliver
// around a measurement. Each row is a sequence of notifications; the steps
// it yields and whether a measurement is still pending are checked.

#include <MeasurementRun.h>

#include <QtTest>

class TestMeasurementRun : public QObject
{
    Q_OBJECT

private slots:
    void sequences_data();
    void sequences();
};

void TestMeasurementRun::sequences_data()
{
    // Events: "request NAME", "start NAME", "end NAME", "cancel NAME",
    // "fail NAME", "unknown NAME". Steps: what the panel does, in order.
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("pending");

    QTest::newRow("the requested run's end completes it")
        << QStringList{"request _GETDISTANCE", "start _GETDISTANCE", "end _GETDISTANCE"}
        << QStringList{"complete"} << false;
    QTest::newRow("its cancel releases it")
        << QStringList{"request _GETAREA", "start _GETAREA", "cancel _GETAREA"}
        << QStringList{"release"} << false;
    QTest::newRow("its failure releases it")
        << QStringList{"request _GETAREA", "start _GETAREA", "fail _GETAREA"}
        << QStringList{"release"} << false;
    QTest::newRow("the displaced command's cancel, of the same name, is not the run's")
        << QStringList{"start _GETDISTANCE", "request _GETDISTANCE", "cancel _GETDISTANCE"}
        << QStringList{} << true;
    QTest::newRow("after the displaced command's cancel the run still completes")
        << QStringList{"start _GETDISTANCE", "request _GETDISTANCE", "cancel _GETDISTANCE",
                       "start _GETDISTANCE", "end _GETDISTANCE"}
        << QStringList{"complete"} << false;
    QTest::newRow("a displaced nested pair cancels inside out, then the run")
        << QStringList{"start _SCGETANGLE", "start _GETANGLE",    "request _GETAREA",
                       "cancel _GETANGLE",  "cancel _SCGETANGLE", "start _GETAREA",
                       "end _GETAREA"}
        << QStringList{"complete"} << false;
    QTest::newRow("another command's run before the requested one is ignored")
        << QStringList{"request _GETDISTANCE", "start _PROBE", "end _PROBE", "start _GETDISTANCE",
                       "end _GETDISTANCE"}
        << QStringList{"complete"} << false;
    QTest::newRow("a nested command's end is not the run's")
        << QStringList{"request _SCGETANGLE", "start _SCGETANGLE", "start _GETANGLE",
                       "end _GETANGLE"}
        << QStringList{} << true;
    QTest::newRow("the run ends after its nested command")
        << QStringList{"request _SCGETANGLE", "start _SCGETANGLE", "start _GETANGLE",
                       "end _GETANGLE", "end _SCGETANGLE"}
        << QStringList{"complete"} << false;
    QTest::newRow("a nested cancel does not release, the run's own does")
        << QStringList{"request _SCGETANGLE", "start _SCGETANGLE", "start _GETANGLE",
                       "cancel _GETANGLE", "cancel _SCGETANGLE"}
        << QStringList{"release"} << false;
    QTest::newRow("a nested command of the run's own name is counted")
        << QStringList{"request _GETAREA", "start _GETAREA", "start _GETAREA", "end _GETAREA"}
        << QStringList{} << true;
    QTest::newRow("names compare without regard to case")
        << QStringList{"request _GETAREA", "start _getarea", "end _GetArea"}
        << QStringList{"complete"} << false;
    QTest::newRow("nothing is pending without a request")
        << QStringList{"start _GETDISTANCE", "end _GETDISTANCE", "cancel _GETANGLE"}
        << QStringList{} << false;
    QTest::newRow("an end after the run is over is someone else's")
        << QStringList{"request _GETDISTANCE", "start _GETDISTANCE", "end _GETDISTANCE",
                       "end _GETDISTANCE"}
        << QStringList{"complete"} << false;
    QTest::newRow("a host that does not know the command releases the panel")
        << QStringList{"request _SCGETANGLE", "unknown _SCGETANGLE"} << QStringList{"release"}
        << false;
    QTest::newRow("another unknown command changes nothing")
        << QStringList{"request _SCGETANGLE", "unknown FOO"} << QStringList{} << true;
    QTest::newRow("an unreported start: a stray end at the run's level releases")
        << QStringList{"request _GETDISTANCE", "start _GETDISTANCE", "end _OTHER"}
        << QStringList{"release"} << false;
}

void TestMeasurementRun::sequences()
{
    QFETCH(QStringList, events);
    MeasurementRun run;
    QStringList steps;
    for (const QString& event : events)
    {
        const QString verb = event.section(' ', 0, 0);
        const std::u16string name = event.section(' ', 1).toStdU16String();
        MeasurementRun::Step step = MeasurementRun::Step::Ignored;
        if (verb == "request")
            run.request(MeasurementKind::Distance, name);
        else if (verb == "start")
            run.commandWillStart(name);
        else if (verb == "end")
            step = run.commandFinished(name, true);
        else if (verb == "cancel" || verb == "fail")
            step = run.commandFinished(name, false);
        else if (verb == "unknown")
            step = run.unknownCommand(name);
        else
            QFAIL(qPrintable("unknown event " + event));
        if (step == MeasurementRun::Step::Complete)
            steps << "complete";
        else if (step == MeasurementRun::Step::Release)
            steps << "release";
        if (step != MeasurementRun::Step::Ignored)
            run.clear(); // as the panel does once it has acted
    }
    QTEST(steps, "steps");
    QTEST(run.isPending(), "pending");
}

QTEST_APPLESS_MAIN(TestMeasurementRun)
#include "tst_measurementrun.moc"
