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

    // Every line, the last included, ends with a line end.
    QStringList OutLines() const
    {
        QStringList lines = QString::fromUtf8(out).split(u'\n');
        if (lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }
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

const QString kDivideByZero = QStringLiteral("error 52: Cannot divide by 0.");
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
    void helpDescribesEverything_data();
    void helpDescribesEverything();
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

    Args("ans carries from one argument to the next, 4 decimals by default", {"1/3", "ans*3"},
         {"0.3333", "1"});
    Args("--precision sets the decimals wherever it stands", {"2pi", "--precision", "2"}, {"6.28"});
    Args("--precision=N works too, 0 keeps whole numbers", {"--precision=0", "100", "2.5"},
         {"100", "2"});
    Args("spaces are removed before evaluation", {"2 (3 + 1)", " s q r t ( 9 ) "}, {"8", "3"});
    Args("empty and space-only expressions print empty lines and do not fail",
         {"1+1", "", "   ", "ans"}, {"2", "", "", "2"});
    Args("a failure prints code and message, exits 1, and the rest still runs",
         {"1+1", "sqrt(-7)", "ans*5"}, {"2", kNegativeRoot, "10"}, 1);
    Args("a leading single minus is an expression, not an option", {"-2^2", "-pi"},
         {"4", "-3.1416"});
    Args("-- ends the options", {"--", "--5"}, {"5"});
    Args("angles default to degrees", {"sin(90)"}, {"1"});
    Args("--angle grad makes sin and tan take gradians",
         {"--angle", "grad", "sin(100)", "tan(300)"},
         {"1", "error 71: Tangent is not defined for 100 or 300 gradians."}, 1);

    Input("ans carries across lines, LF or CRLF", "1+1\r\nans*2\nans^2\r\n", {"2", "4", "16"});
    Input("the last line needs no line end", "1\n2*3", {"1", "6"});
    Input("blank and space-only lines print empty lines and do not fail", "1\n\n   \r\n2\n",
          {"1", "", "", "2"});
    Input("a failed line leaves ans as it was and the input goes on", "5\nsqrt(-1)\nans+1\n",
          {"5", kNegativeRoot, "6"}, 1);
    Input("invalid UTF-8 is a formula error, not a crash", "\xff\xfe(1)\n\xc3\n1+1\n",
          {kFormula, kFormula, "2"}, 1);
    Input("a NUL byte is a formula error", QByteArray("1\0+1\n", 5), {kFormula}, 1);
    Input("empty input prints nothing", "", {});
    const QByteArray deep = QByteArray(200000, '(') + "1" + QByteArray(200000, ')');
    Input("a pasted monster is an error line, not a crash, and the lines after it run",
          deep + "\n" + QByteArray(1000000, '1') + "/0\n2\n",
          {"error 90: The expression is nested too deeply to be calculated.", kDivideByZero, "2"},
          1);
    Input("options apply; --angle rad takes radians", "pi\nacos(-1)\n", {"3.1", "3.1"}, 0,
          {"--precision", "1", "--angle", "rad"});

    Convert("one line per value, whole results lose the point, lengths lose the sign",
            "length m cm 1 2.5 -3", {"100", "250", "300"});
    Convert("trailing zeros are trimmed", "length in cm 3", {"7.62"});
    Convert("10 decimals by default", "angular deg rad 85", {"1.4835298642"});
    Convert("--exact, even after the values: shortest round-trip text, fixed unless the "
            "exponent form is shorter; values in exponent form are read",
            "length m m 0.1 18446744073709551616 96e6 --exact",
            {"0.1", "18446744073709551616", "9.6e+07"});
    Convert("circles are full turns, angles keep their sign", "angular circle grad -0.25",
            {"-100"});
    Convert("acres and hectares are area units", "area acre ha 1", {"0.4046856422"});
    Convert("volumes go through the cube edge", "volume ft m -845", {"23.9277353702"});
}

void TestSmartcalc::printsOneLinePerInput()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, lines);
    QFETCH(int, exitCode);

    const RunResult result = Run(args, input);
    QVERIFY(result.finished);
    QCOMPARE(result.OutLines(), lines);
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
    Row("precision below 0", "--precision -1 1", "-1");
    Row("precision with trailing garbage", "--precision 3x 1", "3x");
    Row("unknown angle unit", "--angle degrees 1", "degrees");
    Row("--exact without --convert", "--exact 1+1", "--exact");
    Row("--precision with --convert", "--precision 2 --convert length m cm 1", "--precision");
    Row("--angle with --convert", "--convert angular deg rad 1 --angle rad", "--angle");
    Row("unknown unit type", "--convert weight m cm 1", "weight");
    Row("unknown unit", "--convert length furlong m 1", "furlong");
    Row("area unit not offered for length", "--convert length acre m 1", "acre");
    Row("length unit not offered for angles", "--convert angular deg m 1", "'m'");
    Row("value with trailing garbage", "--convert length m cm 1.5x", "1.5x");
    Row("value that is not finite", "--convert length m cm nan", "nan");
    Row("value out of double range", "--convert length m cm 1e400", "1e400");
    Row("a bad value after good ones prints nothing", "--convert length m cm 1 x", "'x'");
    Row("conversion without a value", "--convert length m cm", "VALUE");
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

void TestSmartcalc::helpDescribesEverything_data()
{
    QTest::addColumn<QStringList>("args");

    QTest::newRow("-h") << QStringList{"-h"};
    QTest::newRow("--help wins over expressions") << QStringList{"1+1", "--help"};
}

void TestSmartcalc::helpDescribesEverything()
{
    QFETCH(QStringList, args);

    const RunResult result = Run(args);
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.isEmpty());
    const QString help = QString::fromUtf8(result.out);
    const QString mentions("--precision|0 to 20|--angle|deg|grad|rad|--convert|--exact|length|"
                           "area|volume|angular|mm|cm|km|in|ft|yd|mi|acre|ha|circle|ans|"
                           "error CODE: MESSAGE|standard input|Exit status");
    for (const QString& word : mentions.split(u'|'))
        QVERIFY2(help.contains(word), qPrintable(word));
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
    QCOMPARE(answers, (QStringList{"3", "30", kDivideByZero}));
    QVERIFY(prompts >= 3);
}

QTEST_GUILESS_MAIN(TestSmartcalc)
#include "tst_smartcalc.moc"
