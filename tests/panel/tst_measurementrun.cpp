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
    // Events, separated by "; ": "request NAME", "start NAME", "end NAME",
    // "cancel NAME" (also a failure), "unknown NAME". Steps: what the panel
    // does, in order.
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("pending");

    auto row = [](const char* name, const char* events, const char* steps, bool bPending)
    { QTest::newRow(name) << QString(events) << QString(steps) << bPending; };
    row("the requested run's end completes it",
        "request _GETDISTANCE; start _GETDISTANCE; end _GETDISTANCE", "complete", false);
    row("its cancel or failure releases it", "request _GETAREA; start _GETAREA; cancel _GETAREA",
        "release", false);
    row("the displaced command's cancel, of the same name, is not the run's",
        "start _GETDISTANCE; request _GETDISTANCE; cancel _GETDISTANCE; start _GETDISTANCE; "
        "end _GETDISTANCE",
        "complete", false);
    row("a displaced nested pair cancels inside out, then the run",
        "start _SCGETANGLE; start _GETANGLE; request _GETAREA; cancel _GETANGLE; "
        "cancel _SCGETANGLE; start _GETAREA; end _GETAREA",
        "complete", false);
    row("another command's run before the requested one is ignored",
        "request _GETDISTANCE; start _PROBE; end _PROBE; start _GETDISTANCE; end _GETDISTANCE",
        "complete", false);
    row("a nested command's end is not the run's",
        "request _SCGETANGLE; start _SCGETANGLE; start _GETANGLE; end _GETANGLE", "", true);
    row("the run ends after its nested command",
        "request _SCGETANGLE; start _SCGETANGLE; start _GETANGLE; end _GETANGLE; end _SCGETANGLE",
        "complete", false);
    row("a nested cancel does not release, the run's own does",
        "request _SCGETANGLE; start _SCGETANGLE; start _GETANGLE; cancel _GETANGLE; "
        "cancel _SCGETANGLE",
        "release", false);
    row("a nested command of the run's own name is counted",
        "request _GETAREA; start _GETAREA; start _GETAREA; end _GETAREA", "", true);
    row("names compare without regard to case", "request _GETAREA; start _getarea; end _GetArea",
        "complete", false);
    row("nothing is pending without a request",
        "start _GETDISTANCE; end _GETDISTANCE; cancel _GETANGLE", "", false);
    row("an end after the run is over is someone else's",
        "request _GETDISTANCE; start _GETDISTANCE; end _GETDISTANCE; end _GETDISTANCE", "complete",
        false);
    row("a host that does not know the command releases the panel",
        "request _SCGETANGLE; unknown _SCGETANGLE", "release", false);
    row("another unknown command changes nothing", "request _SCGETANGLE; unknown FOO", "", true);
    row("an unreported start: a stray end at the run's level releases",
        "request _GETDISTANCE; start _GETDISTANCE; end _OTHER", "release", false);
}

void TestMeasurementRun::sequences()
{
    QFETCH(QString, events);
    MeasurementRun run;
    QStringList steps;
    for (const QString& event : events.split("; "))
    {
        const QString verb = event.section(' ', 0, 0);
        const std::u16string name = event.section(' ', 1).toStdU16String();
        MeasurementRun::Step step = MeasurementRun::Step::Ignored;
        if (verb == "request")
            run.request(MeasurementKind::Distance, name);
        else if (verb == "start")
            run.commandWillStart(name);
        else if (verb == "end" || verb == "cancel")
            step = run.commandFinished(name, verb == "end");
        else if (verb == "unknown")
            step = run.unknownCommand(name);
        else
            QFAIL(qPrintable("unknown event " + event));
        if (step != MeasurementRun::Step::Ignored)
        {
            steps << (step == MeasurementRun::Step::Complete ? "complete" : "release");
            run.clear(); // as the panel does once it has acted
        }
    }
    QTEST(steps.join("; "), "steps");
    QTEST(run.isPending(), "pending");
}

QTEST_APPLESS_MAIN(TestMeasurementRun)
#include "tst_measurementrun.moc"
