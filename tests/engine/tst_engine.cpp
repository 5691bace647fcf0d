#include "TMyTinyExpr.h"

#include <QtTest>

#include <cfenv>
#include <cmath>
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

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void noPreviousResultBeforeFirstSuccess();

    void results_data();
    void results();

    void errors_data();
    void errors();

    void commaRule_data();
    void commaRule();

    void implicitMultiplication_data();
    void implicitMultiplication();

    void angleUnits_data();
    void angleUnits();

    void guardedFunctions_data();
    void guardedFunctions();

    void previousResultAndAns();
    void failedRequestChangesNothing();

    void hostileInput_data();
    void hostileInput();

    void floatingPointEnvironment_data();
    void floatingPointEnvironment();

    void messages_data();
    void messages();
};

void TestEngine::noPreviousResultBeforeFirstSuccess()
{
    // Must run first: the previous result text is module-wide.
    QCOMPARE(Calculate("ans", 4), QString("error 53"));
    QCOMPARE(Calculate("ans()+1", 4), QString("error 53"));
}

void TestEngine::results_data()
{
    QTest::addColumn<QString>("expr");
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<QString>("expected");

    QTest::newRow("sum") << "5.394+6.10451682" << 7 << "11.4985168";
    QTest::newRow("integer sum keeps no point") << "102+5" << 3 << "107";
    QTest::newRow("trailing zeros trimmed") << "5*0.84" << 3 << "4.2";
    QTest::newRow("division by a negative") << "17/-2" << 3 << "-8.5";
    QTest::newRow("modulo") << "5%2" << 3 << "1";
    QTest::newRow("nested brackets") << "2/((1+(18-8))*(2+8))" << 6 << "0.018182";
    QTest::newRow("accuracy 0 keeps integer zeros") << "5*(6-2)" << 0 << "20";
    QTest::newRow("accuracy 0 rounds ties to even") << "2.5" << 0 << "2";
    QTest::newRow("odd root of a negative") << "nrt(3,-8)" << 4 << "-2";
    QTest::newRow("a negative index is odd by its absolute value") << "nrt(-3,-8)" << 4 << "-0.5";
    QTest::newRow("upper case rtod") << "RtoD(0.98)" << 4 << "56.1499";
    QTest::newRow("upper case dtor") << "DtoR(278)" << 1 << "4.9";
    QTest::newRow("ln") << "ln(2.8)" << 3 << "1.03";
    QTest::newRow("log10 stays one name") << "log10(84)" << 6 << "1.924279";
    QTest::newRow("rnd halves away from zero") << "rnd(-4.845)" << 3 << "-5";
    QTest::newRow("rnd keeps the sign of zero") << "rnd(-0.4)" << 2 << "-0";
    QTest::newRow("trc gives plus zero") << "trc(-0.9)" << 3 << "0";
    QTest::newRow("fmod of pi") << "fmod(pi,2)" << 4 << "1.1416";
    QTest::newRow("abs") << "abs(-5.79)" << 1 << "5.8";
    QTest::newRow("exp") << "exp(5)" << 3 << "148.413";
    QTest::newRow("3e is a product") << "3e" << 6 << "8.154845";
    QTest::newRow("exponent form is e times") << "1e-5" << 4 << "-2.2817";
    QTest::newRow("negative rounding to zero keeps minus") << "-0.0001" << 3 << "-0";
    QTest::newRow("large values written out") << "10^20" << 2 << "100000000000000000000";
    QTest::newRow("unary minus binds tighter than ^") << "-2^2" << 0 << "4";
    QTest::newRow("^ is left-associative") << "2^3^2" << 0 << "64";
    QTest::newRow("negative exponent") << "2^-1" << 1 << "0.5";
    QTest::newRow("double minus") << "5--3" << 0 << "8";
    QTest::newRow("1-parameter function takes a signed operand") << "sin(30)^2" << 2 << "0.25";
    QTest::newRow("leading point") << ".5+5." << 1 << "5.5";
    QTest::newRow("point then e with sign reads as exponent") << "1.e+3" << 0 << "1000";
    QTest::newRow("point then e then digit is a product") << "1.e3" << 0 << "error 49";
    QTest::newRow("fmod by zero is not an error") << "abs(fmod(5,0))" << 2 << "nan";
    QTest::newRow("exp overflow is not an error") << "exp(1000)" << 2 << "inf";
    QTest::newRow("negative infinity") << "-exp(1000)" << 2 << "-inf";
    QTest::newRow("spaces and tabs between tokens are skipped") << "(1)+ \t(2)" << 0 << "3";
}

void TestEngine::results()
{
    QFETCH(QString, expr);
    QFETCH(int, accuracy);
    QFETCH(QString, expected);
    QCOMPARE(Calculate(expr, accuracy), expected);
}

void TestEngine::errors_data()
{
    QTest::addColumn<QString>("expr");
    QTest::addColumn<int>("code");

    QTest::newRow("divide by zero") << "7/0" << 52;
    QTest::newRow("divide by minus zero") << "7/-0" << 52;
    QTest::newRow("missing close bracket") << "(4+(8*9)" << 51;
    QTest::newRow("missing open bracket") << "5+43)" << 51;
    QTest::newRow("log10 of negative") << "log10(-10)" << 55;
    QTest::newRow("ln of zero") << "ln(0)" << 55;
    QTest::newRow("log10 of zero") << "log10(0)" << 55;
    QTest::newRow("sqrt with sign and no bracket") << "sqrt-4" << 56;
    QTest::newRow("nrt with index 0") << "nrt(0,8)" << 56;
    QTest::newRow("even root of a negative") << "nrt(2,-4)" << 68;
    QTest::newRow("asin out of range") << "asin(5)" << 54;
    QTest::newRow("acos out of range") << "acos(5-9)" << 69;
    QTest::newRow("acos of nan") << "acos(fmod(1,0))" << 69;
    QTest::newRow("two operators") << "15*/3.9" << 49;
    QTest::newRow("empty call") << "trc()" << 49;
    QTest::newRow("missing second argument") << "nrt(5,nrt(4,))" << 49;
    QTest::newRow("empty text") << "" << 49;
    QTest::newRow("empty brackets") << "()" << 49;
    QTest::newRow("lone point") << "." << 49;
    QTest::newRow("two points in a number") << "1.5.3" << 49;
    QTest::newRow("brackets in wrong order") << ")(" << 49;
    QTest::newRow("pi() becomes pi*()") << "pi()" << 49;
    QTest::newRow("e() becomes e*()") << "e()" << 49;
    QTest::newRow("unknown name") << "foo(2)" << 49;
    QTest::newRow("digits glued to a name") << "sin30" << 49;
    QTest::newRow("unknown character") << "2$3" << 49;
    QTest::newRow("first failing function decides") << "sqrt(-1)+ln(-1)" << 56;
    QTest::newRow("left operand fails first") << "ln(-1)+sqrt(-1)" << 55;
    QTest::newRow("parse error wins over evaluation") << "sqrt(-1)+" << 49;
}

void TestEngine::errors()
{
    QFETCH(QString, expr);
    QFETCH(int, code);
    QCOMPARE(Calculate(expr, 4), QStringLiteral("error %1").arg(code));
}

void TestEngine::commaRule_data()
{
    QTest::addColumn<QString>("expr");
    QTest::addColumn<QString>("expected");

    QTest::newRow("top level") << "2,5" << "error 65";
    QTest::newRow("leading") << ",4" << "error 65";
    QTest::newRow("trailing") << "4," << "error 65";
    QTest::newRow("before a 2-parameter call") << "5,nrt(4,3)" << "error 65";
    QTest::newRow("after a 1-parameter function") << "sqrt(43.6,3)" << "error 65";
    QTest::newRow("second separator") << "log(43.6,3,23)" << "error 65";
    QTest::newRow("bracketed first argument then two separators") << "nrt(.4,(2),3)"
                                                                   << "error 65";
    QTest::newRow("comma before failing function still 65") << "sqrt(-1),2" << "error 65";
    QTest::newRow("after a 2-parameter call at top level") << "pow(2,2),3" << "error 65";
    QTest::newRow("call in first argument does not block") << "fmod(sqrt(4),3)" << "2";
    QTest::newRow("nested 2-parameter calls") << "pow(nrt(2,16),log(8,2))" << "64";
    QTest::newRow("extra argument after inner call") << "nrt(2,log(4,2),3)" << "error 49";
}

void TestEngine::commaRule()
{
    QFETCH(QString, expr);
    QFETCH(QString, expected);
    QCOMPARE(Calculate(expr, 4), expected);
}

void TestEngine::implicitMultiplication_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prepared");

    QTest::newRow("number before bracket") << "2(3)" << "2*(3)";
    QTest::newRow("bracket before number") << "(3)2" << "(3)*2";
    QTest::newRow("bracket before bracket") << "(2)(3)" << "(2)*(3)";
    QTest::newRow("number before pi") << "2pi" << "2*pi";
    QTest::newRow("pi before number") << "pi2" << "pi*2";
    QTest::newRow("pi before bracket") << "pi(4)" << "pi*(4)";
    QTest::newRow("e before number") << "e3" << "e*3";
    QTest::newRow("exponent notation") << "2e3" << "2*e*3";
    QTest::newRow("number before function") << "2sqrt(9)" << "2*sqrt(9)";
    QTest::newRow("log10 keeps its bracket") << "log10(5)" << "log10(5)";
    QTest::newRow("bracket before function") << "(2)sin(3)" << "(2)*sin(3)";
    QTest::newRow("operators need no star") << "(1)+(2)-3*4/5^6%7" << "(1)+(2)-3*4/5^6%7";
    QTest::newRow("decimal point stays") << "1.5" << "1.5";
    QTest::newRow("e before a point") << "e.5" << "e*.5";
    QTest::newRow("ans before bracket stays") << "ans()" << "ans()";
}

void TestEngine::implicitMultiplication()
{
    QFETCH(QString, text);
    QFETCH(QString, prepared);
    TMyTinyExpr engine;
    std::u16string s = text.toStdU16String();
    engine.InsertBracketMultiplication(s, engine.CheckBrackets(s));
    engine.InsertConstantMultiplication(s);
    QCOMPARE(QString::fromStdU16String(s), prepared);
}

void TestEngine::angleUnits_data()
{
    QTest::addColumn<QString>("expr");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<QString>("expected");

    QTest::newRow("sin in degrees") << "sin(-5)" << 0 << 3 << "-0.087";
    QTest::newRow("cos in degrees") << "cos(1)" << 0 << 5 << "0.99985";
    QTest::newRow("atan in degrees") << "atan(1)" << 0 << 4 << "45";
    QTest::newRow("asin of -1 is in range") << "asin(-1)" << 0 << 4 << "-90";
    QTest::newRow("asin in grads") << "asin(1)" << 2 << 4 << "100";
    QTest::newRow("sin in grads") << "sin(100)" << 2 << 4 << "1";
    QTest::newRow("sin in radians") << "sin(pi/2)" << 3 << 4 << "1";
    QTest::newRow("unknown unit counts as radians") << "acos(-1)" << 7 << 6 << "3.141593";
    QTest::newRow("tan pole in degrees") << "tan(90)" << 0 << 4 << "error 70";
    QTest::newRow("tan pole 270 degrees") << "tan(270)" << 0 << 4 << "error 70";
    QTest::newRow("tan pole -90 degrees") << "tan(-90)" << 0 << 4 << "error 70";
    QTest::newRow("tan pole in grads") << "tan(300)" << 2 << 4 << "error 71";
    QTest::newRow("tan pole in radians") << "tan(pi/2)" << 3 << 4 << "error 72";
    QTest::newRow("tan pole 3pi/2 in radians") << "tan(3pi/2)" << 3 << 4 << "error 72";
    QTest::newRow("90 is no pole in radians") << "tan(90)" << 3 << 3 << "-1.995";
    QTest::newRow("100 degrees is no grads pole") << "tan(100)" << 0 << 4 << "-5.6713";
}

void TestEngine::angleUnits()
{
    QFETCH(QString, expr);
    QFETCH(int, unit);
    QFETCH(int, accuracy);
    QFETCH(QString, expected);
    QCOMPARE(Calculate(expr, accuracy, unit), expected);
}

void TestEngine::guardedFunctions_data()
{
    QTest::addColumn<QString>("expr");
    QTest::addColumn<QString>("expected");

    QTest::newRow("overflow") << "10^400" << "error 66";
    QTest::newRow("underflow") << "10^-400" << "error 66";
    QTest::newRow("pow overflow") << "pow(10,400)" << "error 66";
    QTest::newRow("zero to a negative power") << "0^-1" << "error 52";
    QTest::newRow("log of zero") << "log(0,10)" << "error 52";
    QTest::newRow("log to base one") << "log(10,1)" << "error 52";
    QTest::newRow("odd fraction of a negative") << "(-8)^(1/3)" << "error 68";
    QTest::newRow("log of negative") << "log(-1,10)" << "error 68";
    QTest::newRow("log 1 to base 1") << "log(1,1)" << "error 68";
    QTest::newRow("inexact alone is no error") << "2^0.5" << "1.4142";
}

void TestEngine::guardedFunctions()
{
    QFETCH(QString, expr);
    QFETCH(QString, expected);
    QCOMPARE(Calculate(expr, 4), expected);
}

void TestEngine::previousResultAndAns()
{
    QCOMPARE(Calculate("2(pi)2(2)(3)pi(4)(5)(6*pi)(7)pi", 3), QString("1963767.275"));
    QCOMPARE(LastResult(), QString("1963767.275"));

    QCOMPARE(Calculate("1/3", 2), QString("0.33"));
    QCOMPARE(LastResult(), QString("0.3333333333"));
    QCOMPARE(Calculate("ans*3", 10), QString("0.9999999999"));
    QCOMPARE(Calculate("ans", 2), QString("1"));

    QCOMPARE(Calculate("10^10", 0), QString("10000000000"));
    QCOMPARE(LastResult(), QString("1e+10"));
    QCOMPARE(Calculate("ans", 0), QString("10000000000"));
    QCOMPARE(Calculate("ans()+1", 0), QString("10000000001"));

    QCOMPARE(Calculate("0.00001", 5), QString("0.00001"));
    QCOMPARE(LastResult(), QString("1e-05"));

    // A value the text cannot carry reads back as 0: infinity, and a
    // subnormal value, which a stream reports out of range.
    QCOMPARE(Calculate("exp(1000)", 2), QString("inf"));
    QCOMPARE(LastResult(), QString("inf"));
    QCOMPARE(Calculate("ans+1", 0), QString("1"));
    QCOMPARE(Calculate("1/10^300/10^10", 2), QString("0"));
    QCOMPARE(LastResult(), QString("1e-310"));
    QCOMPARE(Calculate("ans*10^300*10^10", 2), QString("0"));
}

void TestEngine::failedRequestChangesNothing()
{
    QCOMPARE(Calculate("7", 0), QString("7"));
    TMyTinyExpr engine;
    std::u16string result = u"kept";
    QVERIFY_THROWS_EXCEPTION(int, engine.GetResult(u"7/0", result, 2));
    QCOMPARE(result, std::u16string(u"kept"));
    QCOMPARE(LastResult(), QString("7"));
    QCOMPARE(Calculate("ans", 0), QString("7"));
}

void TestEngine::hostileInput_data()
{
    QTest::addColumn<QString>("expr");
    QTest::addColumn<QString>("expected");

    const int deep = 100000;
    QTest::newRow("100000 nested brackets")
        << QString(deep, '(') + "1" + QString(deep, ')') << "error 90";
    QTest::newRow("nesting at the limit evaluates")
        << QString(TMyTinyExpr::kMaxNesting - 1, '(') + "1" +
               QString(TMyTinyExpr::kMaxNesting - 1, ')')
        << "1";
    QTest::newRow("deeply nested functions") << QString("sqrt(").repeated(5000) + "4" +
                                                    QString(5000, ')')
                                             << "error 90";
    QTest::newRow("megabyte of additions") << "1" + QString("+1").repeated(500000) << "500001";
    QTest::newRow("megabyte of implicit products") << QString("2pi").repeated(350000) << "inf";
    QTest::newRow("many signs") << QString(1000000, '-') + "5" << "5";
    QTest::newRow("non-ASCII letter") << QString::fromUtf8("2\u00d73") << "error 49";
    QTest::newRow("upper non-ASCII is not lowered to ASCII") << QString::fromUtf8("P\u0130")
                                                             << "error 49";
    QTest::newRow("lone high surrogate") << QString("1+") + QChar(0xD800) << "error 49";
    QTest::newRow("lone low surrogate") << QString(QChar(0xDC00)) + "1" << "error 49";
    QTest::newRow("NUL inside") << QString("1+2") + QChar(0) + "5" << "error 49";
    QTest::newRow("emoji") << QString::fromUtf8("1+\U0001F600") << "error 49";
}

void TestEngine::hostileInput()
{
    QFETCH(QString, expr);
    QFETCH(QString, expected);
    QCOMPARE(Calculate(expr, 2), expected);
}

#if defined(__GLIBC__) && defined(__x86_64__)
namespace
{

// The host's floating-point state as the two units hold it: the x87 control
// word (traps, rounding), the x87 flags and the SSE register (flags, traps,
// rounding).
struct HostState
{
    unsigned x87Control;
    unsigned x87Flags;
    unsigned sse;
};

HostState ReadHost()
{
    std::fenv_t env;
    std::fegetenv(&env);
    return {env.__control_word, env.__status_word & 0x3fu, env.__mxcsr};
}

// Raises flags and unmasks traps (FE_* bits) in the given units.
void SetHost(bool x87, bool sse, int flags, int traps, int rounding)
{
    std::fesetround(rounding);
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
}

} // namespace
#endif

void TestEngine::floatingPointEnvironment_data()
{
    QTest::addColumn<bool>("x87");
    QTest::addColumn<bool>("sse");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("traps");
    QTest::addColumn<int>("rounding");
    QTest::addColumn<QString>("expr");
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<QString>("expected");

    const int allTraps = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
    QTest::newRow("x87 flags are kept")
        << true << false << FE_INEXACT << 0 << FE_TONEAREST << "10^400" << 2 << "error 66";
    QTest::newRow("SSE flags are kept")
        << false << true << FE_INEXACT << 0 << FE_TONEAREST << "1/3+exp(1000)" << 2 << "inf";
    QTest::newRow("an SSE overflow flag raised before is no overflow")
        << false << true << FE_OVERFLOW << 0 << FE_TONEAREST << "2^10" << 0 << "1024";
    QTest::newRow("an x87 invalid flag raised before is no invalid operation")
        << true << false << FE_INVALID << 0 << FE_TONEAREST << "pow(2,0.5)" << 4 << "1.4142";
    QTest::newRow("traps of both units are masked while evaluating")
        << true << true << 0 << allTraps << FE_TONEAREST << "exp(1000)+abs(fmod(1,0))" << 2
        << "nan";
    QTest::newRow("guarded errors with traps enabled")
        << true << true << 0 << allTraps << FE_TONEAREST << "0^-1" << 2 << "error 52";
    QTest::newRow("SSE traps alone are masked too")
        << false << true << 0 << (allTraps | FE_UNDERFLOW | FE_INEXACT) << FE_TONEAREST
        << "1/3+exp(1000)*2^0.5" << 2 << "inf";
    QTest::newRow("numbers are read in the host's rounding mode")
        << false << false << 0 << 0 << FE_DOWNWARD << "0.1000000000000000000001" << 20
        << "0.09999999999999999167";
    QTest::newRow("to nearest the same number is above a tenth")
        << false << false << 0 << 0 << FE_TONEAREST << "0.1000000000000000000001" << 20
        << "0.10000000000000000555";
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
    QFETCH(QString, expr);
    QFETCH(int, accuracy);
    QFETCH(QString, expected);

    SetHost(x87, sse, flags, traps, rounding);
    const HostState before = ReadHost();
    const QString result = Calculate(expr, accuracy);
    const HostState after = ReadHost();
    std::fesetenv(FE_DFL_ENV);

    QCOMPARE(result, expected);
    QCOMPARE(after.x87Control, before.x87Control);
    QCOMPARE(after.x87Flags, before.x87Flags);
    QCOMPARE(after.sse, before.sse);
#else
    QSKIP("The host's floating-point state is set up for glibc on x86-64");
#endif
}

void TestEngine::messages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");

    QTest::newRow("51") << 51 << "Wrong number of brackets.";
    QTest::newRow("53") << 53 << "There is no previous result.";
    QTest::newRow("65") << 65
                        << "Commas are only accepted as separators for functions with multiple "
                           "parameters.";
    QTest::newRow("66") << 66
                        << "The result is greater/smaller than the largest/smallest possible "
                           "number that can be represented.";
    QTest::newRow("72") << 72 << "Tangent is not defined for (1/2)pi or (3/2)pi.";
    QTest::newRow("unknown code") << 50 << "Unknown error in formula.";
    QTest::newRow("negative code") << -1 << "Unknown error in formula.";
}

void TestEngine::messages()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    QCOMPARE(QString::fromUtf8(MyTools::ErrorMessage(code)), message);
}

QTEST_APPLESS_MAIN(TestEngine)
#include "tst_engine.moc"
