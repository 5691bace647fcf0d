#include <QtTest>

#include <QProcess>
#include <QStandardPaths>

namespace
{

struct RunResult
{
    bool finished = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

RunResult Run(const QStringList& args, const QByteArray& input = {},
              const QString& program = QStringLiteral(SMARTCALC_PATH))
{
    QProcess process;
    process.start(program, args);
    process.write(input);
    process.closeWriteChannel();
    const bool finished =
        process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
    return {finished, process.exitCode(), process.readAllStandardOutput(),
            process.readAllStandardError()};
}

const QString kFormula = QStringLiteral("error 49: Error calculating the formula.");
const QString kNegativeRoot =
    QStringLiteral("error 56: It is not possible to extract a root from a negative number.");

} // namespace

class TestSmartcalc : public QObject
{
    Q_OBJECT

private slots:
    void printsOneLinePerInput_data();
    void printsOneLinePerInput();
    void usageErrors_data();
    void usageErrors();
    void helpWinsOverExpressions();
    void interactiveOnATerminal();
};

void TestSmartcalc::printsOneLinePerInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("exitCode");
    const auto Args =
        [](const char* name, const QStringList& args, const QStringList& lines, int exitCode = 0)
    { QTest::newRow(name) << args << QByteArray() << lines << exitCode; };
    const auto Input = [](const char* name, const QByteArray& input, const QStringList& lines,
                          int exitCode = 0, const QStringList& args = {})
    { QTest::addRow("standard input: %s", name) << args << input << lines << exitCode; };
    const auto Convert = [](const char* name, const char* args, const QStringList& lines)
    {
        QTest::addRow("--convert: %s", name)
            << QStringLiteral("--convert %1").arg(args).split(u' ') << QByteArray() << lines << 0;
    };

    Args("ans carries from one argument to the next, 4 decimals and degrees by default",
         {"1/3", "ans*3", "sin(90)"}, {"0.3333", "1", "1"});
    Args("--precision sets the decimals wherever it stands", {"2pi", "--precision", "2"}, {"6.28"});
    Args("--precision=N works too", {"--precision=0", "2pi"}, {"6"});
    Args("--precision 20 is the highest taken", {"--precision", "20", "1/4"}, {"0.25"});
    Args("spaces mean nothing, except between whole inches and their fraction",
         {" s q r t ( 9 ) ", "5' - 6 1/2\""}, {"3", "66.5"});
    Args("--lunits writes results in a drawing's length format at --precision",
         {"--lunits", "4", "--precision", "1", "5'-6 1/4\"*2"}, {"11'-0 1/2\""});
    Args("empty and space-only expressions print empty lines and do not fail",
         {"1+1", "", "   ", "ans"}, {"2", "", "", "2"});
    Args("a failure prints code and message, exits 1, and the rest still runs", {"sqrt(-7)", "1+1"},
         {kNegativeRoot, "2"}, 1);
    Args("a leading single minus is an expression; -- ends the options", {"-2^2", "--", "--5"},
         {"4", "5"});
    Args("--angle grad makes trigonometry take gradians", {"--angle", "grad", "sin(100)"}, {"1"});

    Input("ans carries across lines, LF or CRLF, the last needs no line end, blank lines print "
          "empty lines",
          "1+1\r\nans*2\n\n   \r\nans^2", {"2", "4", "", "", "16"});
    Input("a failed line leaves ans as it was and the input goes on", "5\nsqrt(-1)\nans+1\n",
          {"5", kNegativeRoot, "6"}, 1);
    Input("invalid UTF-8 and a NUL byte are formula errors, not a crash",
          QByteArray("\xff\xfe(1)\n\xc3\n1\0+1\n1+1\n", 17), {kFormula, kFormula, kFormula, "2"},
          1);
    Input("empty input prints nothing", "", {});
    Input("options apply; --angle rad takes radians", "acos(-1)\n", {"3.1"}, 0,
          {"--precision", "1", "--angle", "rad"});

    Convert("one line per value, 10 decimals, zeros trimmed", "angular deg rad 85 90",
            {"1.4835298642", "1.5707963268"});
    Convert("--exact, even after the values: shortest round-trip text, fixed unless the "
            "exponent form is shorter; values in exponent form are read",
            "length m m 0.1 96e6 --exact", {"0.1", "9.6e+07"});
}

void TestSmartcalc::printsOneLinePerInput()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, lines);
    QFETCH(int, exitCode);

    const RunResult result = Run(args, input);
    QVERIFY(result.finished);
    // Every line, the last included, ends with a line end.
    QCOMPARE(QString::fromUtf8(result.out),
             lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n');
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.isEmpty(), result.err.constData());
}

void TestSmartcalc::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("mentioned");
    const auto Row = [](const char* name, const char* args, const char* mentioned)
    { QTest::newRow(name) << QString(args).split(u' ') << QString(mentioned); };

    Row("unknown option", "--foo 1+1", "--foo");
    Row("option value missing", "1+1 --precision", "--precision");
    Row("precision above 20", "--precision 21 1", "21");
    Row("precision with trailing garbage", "--precision 3x 1", "3x");
    Row("unknown angle unit", "--angle degrees 1", "degrees");
    Row("length format outside 1 to 5", "--lunits 6 1", "'6'");
    Row("--exact without --convert", "--exact 1+1", "--exact");
    Row("unknown unit", "--convert length furlong m 1", "furlong");
    Row("unit not offered for the type", "--convert angular deg m 1", "'m'");
    Row("value that is not finite", "--convert length m cm 1e400", "1e400");
    Row("a bad value after good ones prints nothing", "--convert length m cm 1 1.5x", "'1.5x'");
    Row("conversion cut short", "--convert length", "--convert");
}

void TestSmartcalc::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, mentioned);

    const RunResult result = Run(args);
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QByteArray());
    const QString err = QString::fromUtf8(result.err);
    QVERIFY2(err.startsWith(QStringLiteral("smartcalc: ")) && err.endsWith(u'\n') &&
                 err.count(u'\n') == 1 && err.contains(mentioned),
             qPrintable(err));
}

void TestSmartcalc::helpWinsOverExpressions()
{
    const RunResult result = Run({"1+1", "--help"});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.isEmpty());
    const QString help = QString::fromUtf8(result.out);
    for (const char* word : {"--precision", "--lunits", "--angle", "--convert", "--exact", "Exit status"})
        QVERIFY2(help.contains(word), word);
    QVERIFY(!help.contains(QStringLiteral("\n2\n"))); // the expression was not evaluated
}

void TestSmartcalc::interactiveOnATerminal()
{
    // script(1) gives the tool a terminal as standard input.
    const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
    if (script.isEmpty())
        QSKIP("script(1) is not installed");

    const RunResult result =
        Run({"-qec", QStringLiteral(SMARTCALC_PATH), "/dev/null"}, "1+2\nans*10\n7/0\n", script);
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 1);

    // Terminals may echo the typed lines; what matters is the answers in order.
    const QStringList typed{"1+2", "ans*10", "7/0", ">", ""};
    QStringList answers;
    int prompts = 0;
    for (QString line : QString::fromUtf8(result.out).remove(u'\r').split(u'\n'))
    {
        for (; line.startsWith(QStringLiteral("> ")); line.remove(0, 2))
            ++prompts;
        if (!typed.contains(line) && !line.startsWith(QStringLiteral("smartcalc:")))
            answers << line;
    }
    QCOMPARE(answers, (QStringList{"3", "30", "error 52: Cannot divide by 0."}));
    QVERIFY(prompts >= 3);
}

QTEST_GUILESS_MAIN(TestSmartcalc)
#include "tst_smartcalc.moc"
