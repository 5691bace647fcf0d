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

    QStringList OutLines() const
    {
        QStringList lines = QString::fromUtf8(out).split(u'\n');
        // Every line, the last included, ends with a line end.
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }
};

RunResult Run(const QString& program, const QStringList& args, const QByteArray& input = {})
{
    QProcess process;
    process.start(program, args);
    RunResult result;
    if (!process.waitForStarted(10000))
        return result;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
    {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

RunResult Smartcalc(const QStringList& args, const QByteArray& input = {})
{
    return Run(QStringLiteral(SMARTCALC_PATH), args, input);
}

const QString kDivideByZero = QStringLiteral("error 52: Cannot divide by 0.");
const QString kFormula = QStringLiteral("error 49: Error calculating the formula.");

} // namespace

class TestSmartcalc : public QObject
{
    Q_OBJECT

private slots:
    void evaluatesArguments_data();
    void evaluatesArguments();
    void readsStandardInput_data();
    void readsStandardInput();
    void convertsValues_data();
    void convertsValues();
    void usageErrors_data();
    void usageErrors();
    void helpDescribesEverything_data();
    void helpDescribesEverything();
    void monsterInputFailsCleanly();
    void interactiveOnATerminal();
};

void TestSmartcalc::evaluatesArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("ans carries from one argument to the next")
        << QStringList{"1/3", "ans*3"} << QStringList{"0.3333", "1"} << 0;
    QTest::newRow("precision defaults to 4 decimals")
        << QStringList{"pi"} << QStringList{"3.1416"} << 0;
    QTest::newRow("--precision sets the decimals")
        << QStringList{"--precision", "2", "2pi"} << QStringList{"6.28"} << 0;
    QTest::newRow("--precision=N works too, 0 keeps whole numbers")
        << QStringList{"--precision=0", "100", "2.5"} << QStringList{"100", "2"} << 0;
    QTest::newRow("options apply wherever they stand")
        << QStringList{"pi", "--precision", "1"} << QStringList{"3.1"} << 0;
    QTest::newRow("spaces are removed before evaluation")
        << QStringList{"2 (3 + 1)", " s q r t ( 9 ) "} << QStringList{"8", "3"} << 0;
    QTest::newRow("empty and space-only expressions print empty lines and do not fail")
        << QStringList{"1+1", "", "   ", "ans"} << QStringList{"2", "", "", "2"} << 0;
    QTest::newRow("a failure prints code and message and sets exit 1")
        << QStringList{"7/0"} << QStringList{kDivideByZero} << 1;
    QTest::newRow("a failure does not stop the expressions after it")
        << QStringList{"1+1", "sqrt(-7)", "ans*5"}
        << QStringList{"2",
                       "error 56: It is not possible to extract a root from a negative number.",
                       "10"}
        << 1;
    QTest::newRow("ans before any result fails")
        << QStringList{"ans"} << QStringList{"error 53: There is no previous result."} << 1;
    QTest::newRow("unbalanced brackets fail")
        << QStringList{"(4+(8*9)"} << QStringList{"error 51: Wrong number of brackets."} << 1;
    QTest::newRow("a leading single minus is an expression, not an option")
        << QStringList{"-2^2", "-pi"} << QStringList{"4", "-3.1416"} << 0;
    QTest::newRow("-- ends the options") << QStringList{"--", "--5"} << QStringList{"5"} << 0;
    QTest::newRow("angles default to degrees") << QStringList{"sin(90)"} << QStringList{"1"} << 0;
    QTest::newRow("--angle grad")
        << QStringList{"--angle", "grad", "sin(100)", "tan(300)"}
        << QStringList{"1", "error 71: Tangent is not defined for 100 or 300 gradians."} << 1;
    QTest::newRow("--angle rad") << QStringList{"--angle", "rad", "sin(pi/2)"} << QStringList{"1"}
                                 << 0;
    QTest::newRow("upper case reaches the function table")
        << QStringList{"RtoD(0.98)"} << QStringList{"56.1499"} << 0;
    QTest::newRow("a non-ASCII character is a formula error, not a crash")
        << QStringList{QStringLiteral("1+\u00e9")} << QStringList{kFormula} << 1;
}

void TestSmartcalc::evaluatesArguments()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, lines);
    QFETCH(int, exitCode);

    const RunResult result = Smartcalc(args);
    QVERIFY(result.finished);
    QCOMPARE(result.OutLines(), lines);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.isEmpty(), result.err.constData());
}

void TestSmartcalc::readsStandardInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("ans carries across lines")
        << QStringList{} << QByteArray("1+1\nans*2\nans^2\n") << QStringList{"2", "4", "16"} << 0;
    QTest::newRow("CRLF line ends")
        << QStringList{} << QByteArray("1+1\r\nans*2\r\n") << QStringList{"2", "4"} << 0;
    QTest::newRow("the last line needs no line end")
        << QStringList{} << QByteArray("1\n2*3") << QStringList{"1", "6"} << 0;
    QTest::newRow("blank and space-only lines print empty lines and do not fail")
        << QStringList{} << QByteArray("1\n\n   \r\n2\n") << QStringList{"1", "", "", "2"} << 0;
    QTest::newRow("an error line does not end the input")
        << QStringList{} << QByteArray("7/0\n1+1\n") << QStringList{kDivideByZero, "2"} << 1;
    QTest::newRow("a failed line leaves ans as it was")
        << QStringList{} << QByteArray("5\nsqrt(-1)\nans+1\n")
        << QStringList{"5",
                       "error 56: It is not possible to extract a root from a negative number.",
                       "6"}
        << 1;
    QTest::newRow("invalid UTF-8 is a formula error, not a crash")
        << QStringList{} << QByteArray("\xff\xfe(1)\n\xc3\n1+1\n")
        << QStringList{kFormula, kFormula, "2"} << 1;
    QTest::newRow("a NUL byte is a formula error")
        << QStringList{} << QByteArray("1\0+1\n", 5) << QStringList{kFormula} << 1;
    QTest::newRow("empty input prints nothing")
        << QStringList{} << QByteArray() << QStringList{} << 0;
    QTest::newRow("options apply to standard input")
        << QStringList{"--precision", "1", "--angle", "rad"} << QByteArray("pi\nacos(-1)\n")
        << QStringList{"3.1", "3.1"} << 0;
}

void TestSmartcalc::readsStandardInput()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, lines);
    QFETCH(int, exitCode);

    const RunResult result = Smartcalc(args, input);
    QVERIFY(result.finished);
    QCOMPARE(result.OutLines(), lines);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.isEmpty(), result.err.constData());
}

void TestSmartcalc::convertsValues_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("whole results lose point and zeros")
        << QStringList{"--convert", "length", "m", "cm", "1"} << QStringList{"100"};
    QTest::newRow("trailing zeros are trimmed")
        << QStringList{"--convert", "length", "in", "cm", "3"} << QStringList{"7.62"};
    QTest::newRow("default shows 10 decimals")
        << QStringList{"--convert", "angular", "deg", "rad", "85"} << QStringList{"1.4835298642"};
    QTest::newRow("--exact shows the shortest round-trip text")
        << QStringList{"--exact", "--convert", "angular", "deg", "rad", "85"}
        << QStringList{"1.4835298641951802"};
    QTest::newRow("--exact may follow the values")
        << QStringList{"--convert", "angular", "deg", "rad", "85", "--exact"}
        << QStringList{"1.4835298641951802"};
    QTest::newRow("one line per value, negative lengths lose their sign")
        << QStringList{"--convert", "length", "m", "cm", "1", "2.5", "-3"}
        << QStringList{"100", "250", "300"};
    QTest::newRow("negative angles keep their sign")
        << QStringList{"--convert", "angular", "deg", "grad", "-90"} << QStringList{"-100"};
    QTest::newRow("acres are area units")
        << QStringList{"--convert", "area", "acre", "km", "1046"} << QStringList{"4.2330118178"};
    QTest::newRow("hectares are area units")
        << QStringList{"--convert", "area", "ha", "m", "1"} << QStringList{"10000"};
    QTest::newRow("volumes go through the cube edge")
        << QStringList{"--convert", "volume", "ft", "m", "-845"} << QStringList{"23.9277353702"};
    QTest::newRow("circles are full turns")
        << QStringList{"--convert", "angular", "circle", "deg", "0.25"} << QStringList{"90"};
    QTest::newRow("exponent form values are read")
        << QStringList{"--convert", "length", "km", "m", "1e-3"} << QStringList{"1"};
}

void TestSmartcalc::convertsValues()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, lines);

    const RunResult result = Smartcalc(args);
    QVERIFY(result.finished);
    QCOMPARE(result.OutLines(), lines);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.err.isEmpty(), result.err.constData());
}

void TestSmartcalc::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("mentioned");

    QTest::newRow("unknown option") << QStringList{"--foo", "1+1"} << "--foo";
    QTest::newRow("option value missing") << QStringList{"1+1", "--precision"} << "--precision";
    QTest::newRow("precision above 20") << QStringList{"--precision", "21", "1"} << "21";
    QTest::newRow("negative precision") << QStringList{"--precision", "-1", "1"} << "-1";
    QTest::newRow("precision with trailing garbage")
        << QStringList{"--precision", "3x", "1"} << "3x";
    QTest::newRow("precision that is not whole") << QStringList{"--precision=2.0", "1"} << "2.0";
    QTest::newRow("unknown angle unit") << QStringList{"--angle", "degrees", "1"} << "degrees";
    QTest::newRow("unknown unit type")
        << QStringList{"--convert", "weight", "m", "cm", "1"} << "weight";
    QTest::newRow("unknown unit") << QStringList{"--convert", "length", "furlong", "m", "1"}
                                  << "furlong";
    QTest::newRow("area unit not offered for length")
        << QStringList{"--convert", "length", "acre", "m", "1"} << "acre";
    QTest::newRow("length unit not offered for angles")
        << QStringList{"--convert", "angular", "deg", "m", "1"} << "'m'";
    QTest::newRow("hectare not offered for volume")
        << QStringList{"--convert", "volume", "ha", "m", "1"} << "ha";
    QTest::newRow("unparsable value")
        << QStringList{"--convert", "length", "m", "cm", "abc"} << "abc";
    QTest::newRow("value with trailing garbage")
        << QStringList{"--convert", "length", "m", "cm", "1.5x"} << "1.5x";
    QTest::newRow("value with a decimal comma")
        << QStringList{"--convert", "length", "m", "cm", "1,5"} << "1,5";
    QTest::newRow("value that is not finite")
        << QStringList{"--convert", "length", "m", "cm", "nan"} << "nan";
    QTest::newRow("value out of double range")
        << QStringList{"--convert", "length", "m", "cm", "1e400"} << "1e400";
    QTest::newRow("a bad value after good ones prints nothing")
        << QStringList{"--convert", "length", "m", "cm", "1", "2", "x"} << "'x'";
    QTest::newRow("conversion without a value")
        << QStringList{"--convert", "length", "m", "cm"} << "VALUE";
    QTest::newRow("conversion cut short") << QStringList{"--convert", "length"} << "--convert";
    QTest::newRow("--exact without --convert") << QStringList{"--exact", "1+1"} << "--exact";
    QTest::newRow("--precision with --convert")
        << QStringList{"--precision", "2", "--convert", "length", "m", "cm", "1"} << "--precision";
}

void TestSmartcalc::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, mentioned);

    const RunResult result = Smartcalc(args);
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QByteArray());
    const QString err = QString::fromUtf8(result.err);
    QVERIFY2(err.endsWith(u'\n') && err.count(u'\n') == 1, qPrintable(err));
    QVERIFY2(err.startsWith(QStringLiteral("smartcalc: ")), qPrintable(err));
    QVERIFY2(err.contains(mentioned), qPrintable(err));
}

void TestSmartcalc::helpDescribesEverything_data()
{
    QTest::addColumn<QStringList>("args");

    QTest::newRow("--help") << QStringList{"--help"};
    QTest::newRow("-h") << QStringList{"-h"};
    QTest::newRow("--help wins over expressions") << QStringList{"1+1", "--help"};
}

void TestSmartcalc::helpDescribesEverything()
{
    QFETCH(QStringList, args);

    const RunResult result = Smartcalc(args);
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.isEmpty());
    const QString help = QString::fromUtf8(result.out);
    QVERIFY(!help.contains(u'\r'));
    const QStringList mentions{"--precision",
                               "0 to 20",
                               "--angle",
                               "deg",
                               "grad",
                               "rad",
                               "--convert",
                               "--exact",
                               "length",
                               "area",
                               "volume",
                               "angular",
                               "mm",
                               "cm",
                               "km",
                               "in",
                               "ft",
                               "yd",
                               "mi",
                               "acre",
                               "ha",
                               "circle",
                               "ans",
                               "error CODE: MESSAGE",
                               "standard input",
                               "Exit status"};
    for (const QString& word : mentions)
        QVERIFY2(help.contains(word), qPrintable(word));
    QVERIFY(!help.contains(QStringLiteral("\n2\n"))); // the expression was not evaluated
}

void TestSmartcalc::monsterInputFailsCleanly()
{
    // A pasted monster must end in an error line, not a stack overflow, and
    // the lines after it still run.
    const QByteArray deep = QByteArray(200000, '(') + "1" + QByteArray(200000, ')');
    const RunResult result = Smartcalc({}, deep + "\n" + QByteArray(1000000, '1') + "/0\n2\n");
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 1);
    const QStringList lines = result.OutLines();
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].startsWith(QStringLiteral("error ")), qPrintable(lines[0]));
    QCOMPARE(lines[1], kDivideByZero);
    QCOMPARE(lines[2], QStringLiteral("2"));
}

void TestSmartcalc::interactiveOnATerminal()
{
    // script(1) gives the tool a terminal as standard input.
    const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
    if (script.isEmpty())
        QSKIP("script(1) is not installed");

    const RunResult result = Run(script, {"-qec", QStringLiteral(SMARTCALC_PATH), "/dev/null"},
                                 QByteArray("1+2\nans*10\n7/0\n"));
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 1);

    QString transcript = QString::fromUtf8(result.out);
    transcript.remove(u'\r');
    QStringList answers;
    int prompts = 0;
    for (QString line : transcript.split(u'\n'))
    {
        while (line.startsWith(QStringLiteral("> ")))
        {
            ++prompts;
            line.remove(0, 2);
        }
        if (!line.isEmpty() && !line.startsWith(QStringLiteral("smartcalc:")) &&
            line != QStringLiteral(">"))
            answers << line;
    }
    // Terminals may echo the typed lines; what matters is the answers in order.
    answers.removeIf([](const QString& line)
                     { return line == "1+2" || line == "ans*10" || line == "7/0"; });
    QCOMPARE(answers, (QStringList{"3", "30", kDivideByZero}));
    QVERIFY(prompts >= 3);
}

QTEST_GUILESS_MAIN(TestSmartcalc)
#include "tst_smartcalc.moc"
