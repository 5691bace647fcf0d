#include "TMyNumberText.h"
#include "TMyPreparedText.h"
#include "TMyTinyExpr.h"

#include <QtTest>

#include <cfenv>
#include <cstring>
#include <random>
#include <string>

using MyTools::TMyTinyExpr;

namespace
{

// Runs one request; returns the result text or "error N".
QString Calculate(const QString& expr, int accuracy, int angleUnit = 0)
{
    TMyTinyExpr engine;
    engine.SetAngleUnit(angleUnit);
    std::u16string result = u"untouched";
    try
    {
        engine.GetResult(expr.toStdU16String(), result, accuracy);
    }
    catch (int code)
    {
        return QStringLiteral("error %1").arg(code);
    }
    return QString::fromStdU16String(result);
}

QString LastResult()
{
    return QString::fromStdU16String(TMyTinyExpr().GetLastResult());
}

// The tables of one calculation each: results, errors, angleUnits, ...
void CheckCalculation()
{
    QFETCH(QString, expr);
    QFETCH(int, accuracy);
    QFETCH(QString, expected);
    QFETCH(int, unit);
    QCOMPARE(Calculate(expr, accuracy, unit), expected);
}

void AddCalculationColumns()
{
    QTest::addColumn<QString>("expr");
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("unit"); // angle unit
}

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void noPreviousResultBeforeFirstSuccess();

    void results_data();
    void results() { CheckCalculation(); }
    void errors_data();
    void errors() { CheckCalculation(); }
    void guardedFunctions_data();
    void guardedFunctions() { CheckCalculation(); }
    void commaRule_data();
    void commaRule() { CheckCalculation(); }
    void hostileInput_data();
    void hostileInput() { CheckCalculation(); }
    void lengths_data();
    void lengths() { CheckCalculation(); }

    void angleUnits_data();
    void angleUnits() { CheckCalculation(); }

    void implicitMultiplication_data();
    void implicitMultiplication();

    void previousResult_data();
    void previousResult();
    void failedRequestChangesNothing();

    void numberReading_data();
    void numberReading();

    void floatingPointEnvironment_data();
    void floatingPointEnvironment();
};

void TestEngine::noPreviousResultBeforeFirstSuccess()
{
    // Must run first: the previous result text is module-wide.
    QCOMPARE(Calculate("ans()+1", 4), QString("error 53"));
}

void TestEngine::results_data()
{
    AddCalculationColumns();
    const auto Row = [](const char* name, const char* expr, int accuracy, const char* expected)
    { QTest::newRow(name) << QString(expr) << accuracy << QString(expected) << 0; };

    Row("trailing zeros trimmed", "5*0.84", 3, "4.2");
    Row("accuracy 0 keeps integer zeros", "5*(6-2)", 0, "20");
    Row("accuracy 0 rounds ties to even", "2.5", 0, "2");
    Row("a negative index is odd by its absolute value", "nrt(-3,-8)", 4, "-0.5");
    Row("upper case rtod", "RtoD(0.98)", 4, "56.1499");
    Row("dtor", "DtoR(278)", 1, "4.9");
    Row("ln", "ln(2.8)", 3, "1.03");
    Row("log10", "log10(84)", 6, "1.924279");
    Row("rnd halves away from zero", "rnd(-2.5)", 0, "-3");
    Row("trc truncates toward zero", "trc(-1.9)", 3, "-1");
    Row("fmod of pi", "fmod(pi,2)", 4, "1.1416");
    Row("abs", "abs(-5.79)", 1, "5.8");
    Row("exp", "exp(5)", 3, "148.413");
    Row("3e is a product", "3e", 6, "8.154845");
    Row("a number before a name inside log( is a product", "2+log(3pi,2)", 4, "5.2365");
    Row("1e+5 inside log( is 1*e+5 as elsewhere", "log(1e+5,10)", 4, "0.8875");
    Row("a negative value that rounds to zero shows 0", "-0.00001", 4, "0");
    Row("negative zero shows 0", "0*-1", 0, "0");
    Row("unary minus binds tighter than ^", "-2^2", 0, "4");
    Row("^ is left-associative", "2^3^2", 0, "64");
    Row("negative exponent", "2^-1", 1, "0.5");
    Row("double minus", "5--3", 0, "8");
    Row("1-parameter function takes a signed operand", "sin(30)^2", 2, "0.25");
    Row("leading and trailing point", ".5+5.", 1, "5.5");
    Row("point then e with sign reads as exponent", "1.e+3", 0, "1000");
    Row("spaces mean nothing outside a length, tabs separate tokens", "2 3+ \t(1)", 0, "24");
    Row("an infinite result is an error", "exp(1000)", 2, "error 66");
    Row("a negative infinite result is an error", "-exp(1000)", 2, "error 66");
    Row("a result that is not a number is an error", "fmod(5,0)", 2, "error 68");
}

void TestEngine::errors_data()
{
    AddCalculationColumns();
    const auto Row = [](const char* name, const char* expr, int code)
    { QTest::newRow(name) << QString(expr) << 4 << QStringLiteral("error %1").arg(code) << 0; };

    Row("divide by zero", "7/0", 52);
    Row("missing close bracket", "(4+(8*9)", 51);
    Row("missing open bracket", "5+43)", 51);
    Row("ln of zero", "ln(0)", 55);
    Row("log10 of zero", "log10(0)", 55);
    Row("sqrt with sign and no bracket", "sqrt-4", 56);
    Row("nrt with index 0", "nrt(0,8)", 56);
    Row("even root of a negative", "nrt(2,-4)", 68);
    Row("asin out of range", "asin(5)", 54);
    Row("acos out of range", "acos(5-9)", 69);
    Row("acos of nan", "acos(fmod(1,0))", 69);
    Row("two operators", "15*/3.9", 49);
    Row("empty call", "trc()", 49);
    Row("empty text", "", 49);
    Row("lone point", ".", 49);
    Row("two points in a number", "1.5.3", 49);
    Row("brackets in wrong order", ")(", 49);
    Row("pi() becomes pi*()", "pi()", 49);
    Row("unknown name", "foo(2)", 49);
    Row("digits glued to a name", "sin30", 49);
    Row("unknown character", "2$3", 49);
    Row("first failing function decides", "sqrt(-1)+ln(-1)", 56);
    Row("parse error wins over evaluation", "sqrt(-1)+", 49);
}

void TestEngine::guardedFunctions_data()
{
    AddCalculationColumns();
    const auto Row = [](const char* name, const char* expr, const char* expected)
    { QTest::newRow(name) << QString(expr) << 4 << QString(expected) << 0; };

    // Each would be a finite number without its guard.
    Row("overflow", "1/10^400", "error 66");
    Row("underflow", "10^-400", "error 66");
    Row("pow is guarded", "1/pow(10,400)", "error 66");
    Row("zero to a negative power", "0^-1", "error 52");
    Row("log to base one", "log(10,1)", "error 52");
    Row("invalid power", "((-8)^(1/3))^0", "error 68");
    Row("inexact alone is no error", "2^0.5", "1.4142");
}

void TestEngine::commaRule_data()
{
    AddCalculationColumns();
    const auto Row = [](const char* name, const char* expr, const char* expected)
    { QTest::newRow(name) << QString(expr) << 4 << QString(expected) << 0; };

    Row("top level", "2,5", "error 65");
    Row("after a 1-parameter function", "sqrt(43.6,3)", "error 65");
    Row("second separator", "log(43.6,3,23)", "error 65");
    Row("bracketed first argument then two separators", "nrt(.4,(2),3)", "error 65");
    Row("comma before failing function still 65", "sqrt(-1),2", "error 65");
    Row("after a 2-parameter call at top level", "pow(2,2),3", "error 65");
    Row("call in first argument does not block", "fmod(sqrt(4),3)", "2");
    Row("nested 2-parameter calls", "pow(nrt(2,16),log(8,2))", "64");
    Row("extra argument after inner call", "nrt(2,log(4,2),3)", "error 49");
}

void TestEngine::hostileInput_data()
{
    AddCalculationColumns();
    const auto Row = [](const char* name, const QString& expr, const char* expected)
    { QTest::newRow(name) << expr << 2 << QString(expected) << 0; };

    const int limit = TMyTinyExpr::kMaxNesting;
    Row("100000 nested brackets", QString(100000, '(') + "1" + QString(100000, ')'), "error 90");
    Row("nesting at the limit evaluates", QString(limit - 1, '(') + "1" + QString(limit - 1, ')'),
        "1");
    Row("deeply nested functions", QString("sqrt(").repeated(5000) + "4" + QString(5000, ')'),
        "error 90");
    Row("megabyte of additions", "1" + QString("+1").repeated(500000), "500001");
    Row("megabyte of implicit products", QString("2pi").repeated(350000), "error 66");
    Row("many signs", QString(1000000, '-') + "5", "5");
    Row("non-ASCII letter", QString::fromUtf8("2\u00d73"), "error 49");
    Row("upper non-ASCII is not lowered to ASCII", QString::fromUtf8("P\u0130"), "error 49");
    Row("lone surrogate", QString("1+") + QChar(0xD800), "error 49");
    Row("NUL inside", QString("1+2") + QChar(0) + "5", "error 49");
}

void TestEngine::lengths_data()
{
    AddCalculationColumns();
    const auto Row = [](const char* name, const QString& expr, const char* expected)
    { QTest::newRow(name) << expr << 10 << QString(expected) << 0; };

    Row("feet are 12 inches", "5'+6\"", "66");
    Row("feet and inches, with or without a hyphen", "5'6\"+5'-6\"", "132");
    Row("whole inches and a fraction after a space", "5'-6 1/2\"", "66.5");
    Row("whole inches and a fraction after a hyphen", "5'6-1/2\"", "66.5");
    Row("a fraction alone", "3/4\"", "0.75");
    Row("decimal feet and decimal inches", "2.5'+1'-0.25\"", "42.25");
    Row("a fraction that no power of two makes", "5'-6 1/3\"", "66.3333333333");
    Row("a length is one operand", "2*5'6\"/4-5'-6\"", "-33");
    Row("a length squared", "sqrt(5'^2)", "60");
    Row("a hyphen and feet after feet subtract", "10'-6'", "48");
    Row("alone, a hyphen before a fraction subtracts", "6-1/2\"", "5.5");
    Row("a fraction binds before the quotient", "12/3/4\"", "16");
    Row("huge feet", "9999999999999'", "119999999999988");
    Row("no exponent notation in a length either", "1e308\"", "837.2308031654");
    Row("beyond a double is out of range", QString(400, '9') + "'", "error 66");

    Row("a lone mark", "'", "error 91");
    Row("two marks", "5''", "error 91");
    Row("feet after inches", "5\"6'", "error 91");
    Row("a hyphen and no inches", "5'-\"", "error 91");
    Row("inches without their mark", "5'6", "error 91");
    Row("inches after a hyphen without their mark", "5'-6", "error 91");
    Row("a mark after a bracket", "(5)'", "error 91");
    Row("100000 marks", QString(100000, '\''), "error 91");
    Row("a fraction with 0 below the line", "1/0\"", "error 92");
}

void TestEngine::implicitMultiplication_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prepared");
    const auto Row = [](const char* text, const char* prepared)
    { QTest::newRow(text) << QString(text) << QString(prepared); };

    Row("2(3)", "2*(3)");
    Row("(3)2", "(3)*2");
    Row("(2)(3)", "(2)*(3)");
    Row("2pi", "2*pi");
    Row("pi2", "pi*2");
    Row("pi(4)", "pi*(4)");
    Row("2e3", "2*e*3");
    Row("2sqrt(9)", "2*sqrt(9)");
    Row("(2)sin(3)", "(2)*sin(3)");
    Row("(1)+(2)-3*4/5^6%7,8", "(1)+(2)-3*4/5^6%7,8");
    Row("1.5", "1.5");
    Row("e.5", "e*.5");
    Row("LOG10(5)", "log10(5)");
    Row("2log10(100)", "2*log10(100)");
    Row("log10(2pi)", "log10(2*pi)");
    Row("log(2pi,10)", "log(2*pi,10)");
    Row("log(2(3),10)", "log(2*(3),10)");
    Row("log(2sqrt(9),10)", "log(2*sqrt(9),10)");
    Row("log(2e3,10)", "log(2*e*3,10)");
    Row("5'pi", "5'*pi");
    Row("5'(2)", "5'*(2)");
    Row("(2)5'", "(2)*5'");
    Row("5' - 6 1/2\"", "5'-6 1/2\"");
    Row("2 3 s in (1)", "23*sin(1)");
}

void TestEngine::implicitMultiplication()
{
    QFETCH(QString, text);
    QFETCH(QString, prepared);
    std::string out;
    const std::size_t length = MyTools::PrepareText(text.toStdU16String(), out);
    QCOMPARE(QString::fromLatin1(out.data(), static_cast<qsizetype>(length)), prepared);
}

void TestEngine::angleUnits_data()
{
    AddCalculationColumns();
    const auto Row =
        [](const char* name, const char* expr, int unit, int accuracy, const char* expected)
    { QTest::newRow(name) << QString(expr) << accuracy << QString(expected) << unit; };

    Row("sin(-180) in degrees shows 0", "sin(-180)", 0, 4, "0");
    Row("cos in degrees", "cos(1)", 0, 5, "0.99985");
    Row("atan in degrees", "atan(1)", 0, 4, "45");
    Row("asin of -1 is in range", "asin(-1)", 0, 4, "-90");
    Row("asin in grads", "asin(1)", 2, 4, "100");
    Row("sin in grads", "sin(100)", 2, 4, "1");
    Row("sin in radians", "sin(pi/2)", 3, 4, "1");
    Row("unknown unit counts as radians", "acos(-1)", 7, 6, "3.141593");
    Row("tan pole in degrees", "tan(90)", 0, 4, "error 70");
    Row("tan pole -90 degrees", "tan(-90)", 0, 4, "error 70");
    Row("tan pole in grads", "tan(300)", 2, 4, "error 71");
    Row("tan pole in radians", "tan(pi/2)", 3, 4, "error 72");
    Row("tan pole 3pi/2 in radians", "tan(3pi/2)", 3, 4, "error 72");
    Row("90 is no pole in radians", "tan(90)", 3, 3, "-1.995");
    Row("100 degrees is no grads pole", "tan(100)", 0, 4, "-5.6713");
}

void TestEngine::previousResult_data()
{
    QTest::addColumn<QString>("expr");
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("next"); // calculated with `ans` at the same accuracy
    QTest::addColumn<QString>("nextShown");

    const auto Row = [](const char* name, const char* expr, int accuracy, const char* shown,
                        const char* previous, const char* next, const char* nextShown)
    { QTest::newRow(name) << expr << accuracy << shown << previous << next << nextShown; };

    Row("keeps every digit shown", "5432109.8765", 4, "5432109.8765", "5432109.8765", "ans+1",
        "5432110.8765");
    Row("whole numbers in full", "2^40", 4, "1099511627776", "1099511627776", "ans+1",
        "1099511627777");
    Row("at least ten digits", "1/3", 2, "0.33", "0.3333333333", "ans*3", "1");
    Row("at most 17 digits, which read back exactly", "2^60", 0, "1152921504606846976",
        "1.152921504606847e+18", "ans-2^60", "0");
    Row("exponent form from 10^17 on", "10^20", 2, "100000000000000000000", "1e+20", "ans/10^19",
        "10");
    Row("exponent form below 10^-4", "0.00001", 5, "0.00001", "1e-05", "ans*10^5", "1");
    Row("negative zero is 0 in both texts", "0*-1", 4, "0", "0", "ans", "0");
}

void TestEngine::previousResult()
{
    QFETCH(QString, expr);
    QFETCH(int, accuracy);
    QFETCH(QString, shown);
    QFETCH(QString, previous);
    QFETCH(QString, next);
    QFETCH(QString, nextShown);

    QCOMPARE(Calculate(expr, accuracy), shown);
    QCOMPARE(LastResult(), previous);
    // The live result reads `ans` as Return would, and leaves it alone.
    std::u16string preview;
    TMyTinyExpr().PreviewResult(next.toStdU16String(), preview, accuracy);
    QCOMPARE(QString::fromStdU16String(preview), nextShown);
    QCOMPARE(LastResult(), previous);
}

void TestEngine::failedRequestChangesNothing()
{
    QCOMPARE(Calculate("7", 0), QString("7"));
    std::u16string result = u"kept";
    QVERIFY_THROWS_EXCEPTION(int, TMyTinyExpr().GetResult(u"exp(1000)", result, 2));
    QVERIFY_THROWS_EXCEPTION(int, TMyTinyExpr().PreviewResult(u"7/0", result, 2));
    QCOMPARE(result, std::u16string(u"kept"));
    QCOMPARE(LastResult(), QString("7"));
}

void TestEngine::numberReading_data()
{
    QTest::addColumn<int>("rounding");

    QTest::newRow("to nearest") << FE_TONEAREST;
    QTest::newRow("downward") << FE_DOWNWARD;
    QTest::newRow("upward") << FE_UPWARD;
}

void TestEngine::numberReading()
{
    // The quick reader must give what strtod gives, on every kind of number
    // text, in the rounding mode the host set.
    QFETCH(int, rounding);
    std::mt19937 random(static_cast<unsigned>(rounding));
    const auto Digits = [&](int most)
    {
        std::string s(random() % (most + 1), '0');
        for (char& c : s)
            c = static_cast<char>('0' + random() % 10);
        return s;
    };
    std::fesetround(rounding);
    const MyTools::NumberReader reader;
    int mismatches = 0;
    for (int i = 0; i < 30000; ++i)
    {
        const int kind = static_cast<int>(random() % 8);
        std::string text = (random() % 4 == 0 ? "-" : "") + Digits(kind == 0 ? 400 : 17);
        if (random() % 2)
            text += "." + (kind == 1 ? std::string(330, '0') : "") + Digits(kind == 2 ? 40 : 8);
        if (kind == 3)
            text += (random() % 2 ? "e-" : "e+") + Digits(3);
        if (kind == 4)
            text = "0x1" + Digits(3);
        double fast = 0, slow = 0;
        bool fastRange = false, slowRange = false;
        const char* first = text.c_str();
        const std::size_t used = reader.Read(first, first + text.size(), fast, fastRange);
        if (used != MyTools::ReadNumber(first, slow, slowRange) || fastRange != slowRange ||
            std::memcmp(&fast, &slow, sizeof fast) != 0)
        {
            if (++mismatches <= 5)
                qWarning("%s read as %.17g, strtod: %.17g", first, fast, slow);
        }
    }
    std::fesetround(FE_TONEAREST);
    QCOMPARE(mismatches, 0);
}

void TestEngine::floatingPointEnvironment_data()
{
    AddCalculationColumns();
    QTest::addColumn<bool>("x87");
    QTest::addColumn<bool>("sse");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("traps");
    QTest::addColumn<int>("rounding");
    const auto Row = [](const char* name, bool x87, bool sse, int flags, int traps, int rounding,
                        const char* expr, int accuracy, const char* expected)
    {
        QTest::newRow(name) << QString(expr) << accuracy << QString(expected) << 0 << x87 << sse
                            << flags << traps << rounding;
    };

    const int allTraps = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
    Row("x87 flags are kept", true, false, FE_INEXACT, 0, FE_TONEAREST, "10^400", 2, "error 66");
    Row("SSE flags are kept", false, true, FE_INEXACT, 0, FE_TONEAREST, "1/3+exp(1000)", 2,
        "error 66");
    Row("an SSE overflow flag raised before is no overflow", false, true, FE_OVERFLOW, 0,
        FE_TONEAREST, "2^10", 0, "1024");
    Row("an x87 invalid flag raised before is no invalid operation", true, false, FE_INVALID, 0,
        FE_TONEAREST, "pow(2,0.5)", 4, "1.4142");
    Row("traps of both units are masked while evaluating", true, true, 0, allTraps, FE_TONEAREST,
        "exp(1000)+abs(fmod(1,0))", 2, "error 68");
    Row("SSE traps alone are masked too", false, true, 0, allTraps | FE_UNDERFLOW | FE_INEXACT,
        FE_TONEAREST, "1/3+1/exp(1000)*2^0.5", 2, "0.33");
    Row("numbers are read in the host's rounding mode", false, false, 0, 0, FE_DOWNWARD,
        "0.1000000000000000000001", 20, "0.09999999999999999167");
}

void TestEngine::floatingPointEnvironment()
{
    // A host may run with traps enabled, flags raised or another rounding
    // mode; the engine is a guest and leaves all of it as it found it.
#if defined(__GLIBC__) && defined(__x86_64__)
    QFETCH(bool, x87);
    QFETCH(bool, sse);
    QFETCH(int, flags);
    QFETCH(int, traps);
    QFETCH(int, rounding);
    std::fenv_t env;
    std::fegetenv(&env);
    if (x87)
    {
        env.__status_word |= flags;
        env.__control_word &= ~traps;
    }
    if (sse)
        env.__mxcsr = (env.__mxcsr | flags) & ~(static_cast<unsigned>(traps) << 7);
    std::fesetenv(&env);
    std::fesetround(rounding);
    std::fenv_t before;
    std::fenv_t after;
    std::fegetenv(&before);
    CheckCalculation();
    std::fegetenv(&after);
    std::fesetenv(FE_DFL_ENV);

    // Traps and rounding, the x87 flags and the SSE register.
    QCOMPARE(after.__control_word, before.__control_word);
    QCOMPARE(after.__status_word & 0x3f, before.__status_word & 0x3f);
    QCOMPARE(after.__mxcsr, before.__mxcsr);
#else
    QSKIP("The host's floating-point state is set up for glibc on x86-64");
#endif
}

QTEST_APPLESS_MAIN(TestEngine)
#include "tst_engine.moc"
