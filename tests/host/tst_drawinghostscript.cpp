// Scripts: how a file's lines are read, and drawinghost run the way CI and
// users without a display run it (offscreen, --script with --exit, --log):
// its exit status, and what it prints and logs, each line in this order.

#include <ScriptRunner.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestDrawingHostScript : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void run_data();
    void run();

private:
    QTemporaryDir m_dir;
};

void TestDrawingHostScript::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("an empty line is an empty answer; spaces inside a line are kept")
        << "GETAREA\n 3 , 4 \n\nX\n"
        << QStringList{"GETAREA", " 3 , 4 ", "", "X"};
    QTest::newRow("comments, Windows line ends and a byte order mark are no input")
        << "\uFEFF; setup\r\nNEW\r\n;\r\n\r\nCLOSE\r\n"
        << QStringList{"NEW", "", "CLOSE"};
}

void TestDrawingHostScript::parse()
{
    QFETCH(QString, text);
    QTEST(ScriptRunner::parse(text), "lines");
}

void TestDrawingHostScript::run_data()
{
    // A log ("log" stands for a file that held "earlier session") gets the
    // same lines as standard output; status 0 when every line was accepted.
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("printed");

    QTest::newRow("prompts show the value kept and when Enter closes; Escape is an answer")
        << "NEW\nLUPREC\n2\nGETDISTANCE\n0,0\n3,4\nGETAREA\n0,0\n4,0\n4,3\n\nGETDISTANCE\n^C"
        << QStringList{} << 0
        << QStringList{"Enter new value for LUPREC (decimals of lengths, 0 to 8) <4>: 2",
                       "Distance = 5.00", "Specify next corner point or press Enter to close: ",
                       "Specify first point: ^C", "*Cancel*"};
    QTest::newRow("an unknown command or a malformed answer is not, even when corrected")
        << "\u00c4\u00d6\nGETDISTANCE\nx\n0,0\n1,0" << QStringList{"--log", "log"} << 1
        << QStringList{"earlier session",
                       "Command: \u00c4\u00d6",
                       "Unknown command \"\u00c4\u00d6\".",
                       "Command: GETDISTANCE",
                       "Specify first point: x",
                       "Distance = 1.0000"};
    QTest::newRow("a command left waiting at the end is not")
        << "GETDISTANCE\n0,0" << QStringList{} << 1
        << QStringList{"No more input: the command is cancelled."};
    QTest::newRow("a module or a log that cannot be opened is reported; the script runs")
        << "GETDISTANCE\n0,0\n2,0" << QStringList{"--load", "/no/x.tx", "--log", "/no/x.log"} << 1
        << QStringList{"Distance = 2.0000"};
}

void TestDrawingHostScript::run()
{
    QFETCH(QString, script);
    QFETCH(QStringList, args);
    QFile file(m_dir.filePath("session.scr"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(script.toUtf8() + '\n');
    file.close();
    QFile log(m_dir.filePath("log"));
    QVERIFY(log.open(QIODevice::WriteOnly | QIODevice::Truncate));
    log.write("earlier session\n");
    log.close();
    args.replaceInStrings(QRegularExpression("^log$"), log.fileName());

    QProcess process;
    process.start(DRAWINGHOST_EXE, QStringList{"--exit", "--script", file.fileName()} + args);
    QVERIFY(process.waitForFinished(60000));
    const QString output = process.readAllStandardOutput() + process.readAllStandardError();
    QVERIFY2(process.exitStatus() == QProcess::NormalExit, qPrintable(output));
    QTEST(process.exitCode(), "status");
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList lines =
        (args.contains(log.fileName()) ? QString::fromUtf8(log.readAll()) : output).split('\n');
    qsizetype at = 0;
    QFETCH(QStringList, printed);
    for (const QString& line : printed)
    {
        at = lines.indexOf(line, at);
        QVERIFY2(at >= 0, qPrintable("missing or out of order: " + line + "\n" + output));
    }
    if (args.contains("/no/x.log"))
        QVERIFY(output.contains("Cannot open the log file /no/x.log"));
}

QTEST_MAIN(TestDrawingHostScript)
#include "tst_drawinghostscript.moc"
