// drawinghost run the way CI and users without a display run it: offscreen,
// with --script and --exit (or --screenshot), checking what it prints and its
// exit status.

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestDrawingHostScript : public QObject
{
    Q_OBJECT

private slots:
    void exitStatus_data();
    void exitStatus();
    void screenshot();
    void sessionLog_data();
    void sessionLog();

private:
    struct Run
    {
        int status = -1;
        QStringList lines;
        QString output; // everything printed, for failure messages
    };
    Run run(const QString& script, const QStringList& extraArgs);
    QTemporaryDir m_dir;
};

TestDrawingHostScript::Run TestDrawingHostScript::run(const QString& script,
                                                      const QStringList& extraArgs)
{
    const QString path = m_dir.filePath(QStringLiteral("session.scr"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(script.toUtf8() + '\n');
    file.close();

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(DRAWINGHOST_EXE, QStringList{"--script", path} + extraArgs);
    Run result;
    if (!process.waitForFinished(60000))
    {
        process.kill();
        process.waitForFinished();
        result.output = "timed out";
        return result;
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.output = QString::fromUtf8(process.readAllStandardOutput());
    result.lines = result.output.split('\n');
    result.output += QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TestDrawingHostScript::exitStatus_data()
{
    // When a script run counts as accepted is ScriptRunner's rule, tested on
    // its own; here: that the verdict becomes the exit status, and what the
    // run prints (each line in this order among those printed).
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("printed");

    QTest::newRow("prompts show the value kept and when Enter closes; settings apply")
        << "NEW\nLUPREC\n2\nGETDISTANCE\n0,0\n3,4\nGETAREA\n0,0\n4,0\n4,3\n"
        << QStringList{"--exit"} << 0
        << QStringList{"Enter new value for LUPREC (decimals of lengths, 0 to 8) <4>: 2",
                       "Distance = 5.00", "Specify next corner point or press Enter to close: "};
    QTest::newRow("a module that cannot load is reported and the script still runs")
        << "GETDISTANCE\n0,0\n2,0" << QStringList{"--exit", "--load", "/nonexistent/x.tx"} << 1
        << QStringList{"Distance = 2.0000"};
    QTest::newRow("a loaded module's command answers a keyword prompt")
        << "PROBE\nn" << QStringList{"--exit", "--load", PROBE_GOOD} << 0
        << QStringList{"Probe answered _No"};
}

void TestDrawingHostScript::exitStatus()
{
    QFETCH(QString, script);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QStringList, printed);

    const Run result = run(script, args);
    QVERIFY2(result.status == status, qPrintable(result.output));
    qsizetype at = 0;
    for (const QString& line : printed)
    {
        at = result.lines.indexOf(line, at);
        QVERIFY2(at >= 0, qPrintable("missing or out of order: " + line + "\n" + result.output));
    }
}

void TestDrawingHostScript::screenshot()
{
    const QString png = m_dir.filePath("shot.png");
    QCOMPARE(run("NEW", {"--screenshot", png}).status, 0);
    const QImage image(png);
    QVERIFY(image.width() >= 400 && image.height() >= 300);
}

void TestDrawingHostScript::sessionLog_data()
{
    QTest::addColumn<QString>("logPath");
    QTest::addColumn<QStringList>("logged");

    // What the file held before is kept: the log appends.
    QTest::newRow("every message is appended as a UTF-8 line")
        << "session.log"
        << QStringList{"earlier session",           "Command: NEW",
                       "Command: \u00c4\u00d6",     "Unknown command \"\u00c4\u00d6\".",
                       "Command: GETDISTANCE",      "Specify first point: 0,0",
                       "Specify second point: 3,4", "Distance = 5.0000"};
    QTest::newRow("a log that cannot be opened is reported and the host runs on")
        << "no such folder/session.log" << QStringList{};
}

void TestDrawingHostScript::sessionLog()
{
    QFETCH(QString, logPath);
    QFETCH(QStringList, logged);

    const QString path = m_dir.filePath(logPath);
    QFile earlier(path);
    if (!logged.isEmpty())
    {
        QVERIFY(earlier.open(QIODevice::WriteOnly | QIODevice::Truncate));
        earlier.write("earlier session\n");
        earlier.close();
    }
    // Without the module folders' start-up lines, the log is the script's.
    const Run result =
        run("NEW\n\u00c4\u00d6\nGETDISTANCE\n0,0\n3,4", {"--exit", "--no-modules", "--log", path});
    if (logged.isEmpty())
    {
        // The unknown command fails the script; the log does not.
        QCOMPARE(result.status, 1);
        QVERIFY2(result.output.contains("Cannot open the log file " + path),
                 qPrintable(result.output));
        QVERIFY(result.lines.contains("Distance = 5.0000"));
        return;
    }
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(earlier.readAll()), logged.join('\n') + '\n');
}

QTEST_MAIN(TestDrawingHostScript)
#include "tst_drawinghostscript.moc"
