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
    void measuringSession();
    void exitStatus_data();
    void exitStatus();
    void screenshot();

private:
    struct Run
    {
        int status = -1;
        QStringList lines;
        QString errors;
    };
    Run run(const QStringList& script, const QStringList& extraArgs = {});
    QTemporaryDir m_dir;
};

TestDrawingHostScript::Run TestDrawingHostScript::run(const QStringList& script,
                                                      const QStringList& extraArgs)
{
    const QString path = m_dir.filePath(QStringLiteral("session.scr"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(script.join('\n').toUtf8() + '\n');
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
        result.errors = "timed out";
        return result;
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    result.errors = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TestDrawingHostScript::measuringSession()
{
    const Run result = run({"; a drawing, its settings, then a distance, an area and an angle",
                            "NEW",
                            "LUPREC",
                            "2",
                            "AUNITS",
                            "1",
                            "GETDISTANCE",
                            "0,0",
                            "3,4",
                            "_GETAREA",
                            "0,0",
                            "4,0",
                            "4,3",
                            "",
                            "GETANGLE",
                            "0,0",
                            "10,0",
                            "0,0",
                            "5,8.660254037844386",
                            "AUNITS",
                            "3",
                            "GETANGLE",
                            "0,0",
                            "1,0",
                            "0,0",
                            "0,1"},
                           {"--exit"});
    QVERIFY2(result.status == 0, qPrintable(result.lines.join('\n') + result.errors));
    // In order, each among the lines printed.
    const QStringList expected{"Command: NEW",
                               "Enter new value for LUPREC (decimals of lengths, 0 to 8) <4>: 2",
                               "Enter new value for AUNITS <0>: 1",
                               "Specify second point: 3,4",
                               "Distance = 5.00",
                               "Specify next corner point or press Enter to close: ",
                               "Area = 6.00, Perimeter = 12.00",
                               "Angle = 60d0'",
                               "Angle = 1.57r"};
    qsizetype at = 0;
    for (const QString& line : expected)
    {
        at = result.lines.indexOf(line, at);
        QVERIFY2(at >= 0,
                 qPrintable("missing or out of order: " + line + "\n" + result.lines.join('\n')));
    }
}

void TestDrawingHostScript::exitStatus_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("printed");

    QTest::newRow("an unknown command fails the run")
        << QStringList{"NOSUCHTHING", "NEW"} << QStringList{"--exit"} << 1
        << "Unknown command \"NOSUCHTHING\".";
    QTest::newRow("a malformed point fails the run but the command goes on")
        << QStringList{"GETDISTANCE", "1;2", "0,0", "0,1"} << QStringList{"--exit"} << 1
        << "Distance = 1.0000";
    QTest::newRow("a script ending inside a prompt fails the run")
        << QStringList{"GETDISTANCE", "0,0"} << QStringList{"--exit"} << 1 << "*Cancel*";
    QTest::newRow("Escape in a script is accepted")
        << QStringList{"GETAREA", "0,0", "^C"} << QStringList{"--exit"} << 0 << "*Cancel*";
    QTest::newRow("a module that cannot load is reported and the script still runs")
        << QStringList{"GETDISTANCE", "0,0", "2,0"}
        << QStringList{"--exit", "--load", "/nonexistent/x.tx"} << 1 << "Distance = 2.0000";
    QTest::newRow("a loaded module's command answers a keyword prompt")
        << QStringList{"PROBE", "n"} << QStringList{"--exit", "--load", PROBE_GOOD} << 0
        << "Probe answered _No";
}

void TestDrawingHostScript::exitStatus()
{
    QFETCH(QStringList, script);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, printed);

    const Run result = run(script, args);
    QVERIFY2(result.status == status, qPrintable(result.lines.join('\n') + result.errors));
    QVERIFY2(result.lines.contains(printed), qPrintable(result.lines.join('\n')));
}

void TestDrawingHostScript::screenshot()
{
    const QString png = m_dir.filePath("shot.png");
    const Run result = run({"NEW"}, {"--screenshot", png});
    QCOMPARE(result.status, 0);
    const QImage image(png);
    QVERIFY(!image.isNull());
    QVERIFY(image.width() >= 400 && image.height() >= 300);
}

QTEST_MAIN(TestDrawingHostScript)
#include "tst_drawinghostscript.moc"
