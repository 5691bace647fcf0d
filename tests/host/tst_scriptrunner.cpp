// Script files: how lines are read, and when a run counts as accepted.

#include "HostTestSupport.h"

#include <ScriptRunner.h>

#include <QSignalSpy>
#include <QTest>

class TestScriptRunner : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void outcome_data();
    void outcome();
};

void TestScriptRunner::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("one line per Enter") << "NEW\nLUPREC\n2\n" << QStringList{"NEW", "LUPREC", "2"};
    QTest::newRow("an empty line is an empty answer")
        << "GETAREA\n0,0\n\nX" << QStringList{"GETAREA", "0,0", "", "X"};
    QTest::newRow("a semicolon starts a comment line") << "; setup\nNEW\n;\n" << QStringList{"NEW"};
    QTest::newRow("Windows line ends") << "NEW\r\n\r\nCLOSE\r\n" << QStringList{"NEW", "", "CLOSE"};
    QTest::newRow("a byte order mark is not part of the first line") << "\uFEFFNEW\n"
                                                                     << QStringList{"NEW"};
    QTest::newRow("spaces inside a line are kept") << " 3 , 4 \n" << QStringList{" 3 , 4 "};
}

void TestScriptRunner::parse()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(ScriptRunner::parse(text), lines);
}

void TestScriptRunner::outcome_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("Escape is an accepted answer") << QStringList{"GETDISTANCE", "^C"} << true;
    QTest::newRow("an unknown command is not") << QStringList{"NEW", "NOPE"} << false;
    QTest::newRow("a malformed answer is not, even when corrected")
        << QStringList{"GETDISTANCE", "x", "0,0", "1,1"} << false;
    QTest::newRow("a command left waiting at the end is not")
        << QStringList{"GETDISTANCE", "0,0"} << false;
    QTest::newRow("an empty script is") << QStringList{} << true;
}

void TestScriptRunner::outcome()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, accepted);

    HostRuntime runtime;
    runtime.openSampleDrawing();
    ScriptRunner runner(runtime);
    QSignalSpy finished(&runner, &ScriptRunner::finished);
    runner.setLines(lines);
    runner.start();
    QVERIFY(runner.isRunning());
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), accepted);
    QVERIFY(!runner.isRunning());
    // Echo to standard output lasts as long as the script.
    QVERIFY(!runtime.commandLine().echo());
}

QTEST_MAIN(TestScriptRunner)
#include "tst_scriptrunner.moc"
