#include "TMyFunctions.h"

#include "TMyNumberText.h"

#include <algorithm>
#include <array>
#include <cfenv>
#include <cmath>
#include <iterator>

namespace MyTools
{

namespace
{

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kE = 2.718281828459045;
constexpr double kDegreesPerGrad = 0.9;

// Clears the status flags, runs op, reads the flags and clears them again.
// Traps are masked and the caller's environment restored by the fold around
// us (TMyTinyExpr::Fold). The volatile operands and result keep the compiler
// from moving the library call out from between clearing and reading.
template <typename Op> double Guarded(double x, double y, Op op)
{
    volatile double vx = x;
    volatile double vy = y;
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile double result = op(vx, vy);
    const int raised = std::fetestexcept(FE_ALL_EXCEPT);
    std::feclearexcept(FE_ALL_EXCEPT);
    // The order decides which error wins when several flags are raised.
    if (raised & FE_INVALID)
        throw static_cast<int>(errInvalid);
    if (raised & FE_DIVBYZERO)
        throw static_cast<int>(errDivideByZero);
    if (raised & (FE_OVERFLOW | FE_UNDERFLOW))
        throw static_cast<int>(errRange);
    return result;
}

double GuardedPower(double x, double y)
{
    return Guarded(x, y, [](double a, double b) { return std::pow(a, b); });
}

double GuardedLog(double x, double y)
{
    return Guarded(x, y, [](double a, double b) { return std::log(a) / std::log(b); });
}

double ToRadians(double x)
{
    switch (AngleUnit())
    {
    case 0:
        return x * kPi / 180;
    case 2:
        return x * kDegreesPerGrad * kPi / 180;
    default:
        return x;
    }
}

double FromRadians(double r)
{
    switch (AngleUnit())
    {
    case 0:
        return r * 180 / kPi;
    case 2:
        return r * 180 / kPi / kDegreesPerGrad;
    default:
        return r;
    }
}

double Abs(double x) { return std::fabs(x); }

double Acos(double x)
{
    if (!(x >= -1 && x <= 1))
        throw static_cast<int>(errArcCosine);
    return FromRadians(std::acos(x));
}

double Ans()
{
    const std::u16string& text = PreviousResultText();
    if (text.empty())
        throw static_cast<int>(errNoPreviousResult);
    // The text is our own %.10g output; read it as a stream would: the whole
    // text must be a number, and "inf"/"nan" are not numbers to a stream.
    std::string narrow;
    narrow.reserve(text.size());
    for (char16_t c : text)
    {
        const bool numeric = (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+' ||
                             c == u'e' || c == u'E';
        if (!numeric)
            return 0.0;
        narrow.push_back(static_cast<char>(c));
    }
    double value = 0.0;
    bool range = false;
    if (ReadNumber(narrow.c_str(), value, range) != narrow.size() || range)
        return 0.0;
    return value;
}

double Asin(double x)
{
    if (!(x >= -1 && x <= 1))
        throw static_cast<int>(errArcSine);
    return FromRadians(std::asin(x));
}

double Atan(double x) { return FromRadians(std::atan(x)); }
double Cos(double x) { return std::cos(ToRadians(x)); }
double DtoR(double x) { return x * kPi / 180; }
double E() { return kE; }
double Exp(double x) { return std::exp(x); }
double Fmod(double x, double y) { return std::fmod(x, y); }

double Ln(double x)
{
    if (!(x > 0))
        throw static_cast<int>(errLogarithm);
    return std::log(x);
}

double Log10(double x)
{
    if (!(x > 0))
        throw static_cast<int>(errLogarithm);
    return std::log10(x);
}

double Nrt(double n, double x)
{
    if (n == 0)
        throw static_cast<int>(errRoot);
    if (std::fabs(std::fmod(n, 2)) == 1 && x < 0)
        return -GuardedPower(-x, 1 / n);
    return GuardedPower(x, 1 / n);
}

double Pi() { return kPi; }
double Rnd(double x) { return std::round(x); }
double RtoD(double x) { return x * 180 / kPi; }
double Sin(double x) { return std::sin(ToRadians(x)); }

double Sqrt(double x)
{
    if (x < 0 || std::isnan(x))
        throw static_cast<int>(errRoot);
    return std::sqrt(x);
}

double Tan(double x)
{
    switch (AngleUnit())
    {
    case 0:
        if (std::fmod(x - 90, 180) == 0)
            throw static_cast<int>(errTangentDegrees);
        break;
    case 2:
        if (std::fmod(x * kDegreesPerGrad - 90, 180) == 0)
            throw static_cast<int>(errTangentGrads);
        break;
    default:
        if (std::fmod(x - kHalfPi, kPi) == 0)
            throw static_cast<int>(errTangentRadians);
        break;
    }
    return std::tan(ToRadians(x));
}

double Trc(double x)
{
    const double t = std::trunc(x);
    return t == 0 ? 0.0 : t; // -0 becomes +0
}

double Add(double x, double y) { return x + y; }
double Subtract(double x, double y) { return x - y; }
double Multiply(double x, double y) { return x * y; }

double Divide(double x, double y)
{
    if (y == 0)
        throw static_cast<int>(errDivideByZero);
    return x / y;
}

double Negate(double x) { return -x; }

TMyFunction Make0(const char* name, double (*f)())
{
    TMyFunction fn{name, 0, {}};
    fn.f0 = f;
    return fn;
}

TMyFunction Make1(const char* name, double (*f)(double))
{
    TMyFunction fn{name, 1, {}};
    fn.f1 = f;
    return fn;
}

TMyFunction Make2(const char* name, double (*f)(double, double))
{
    TMyFunction fn{name, 2, {}};
    fn.f2 = f;
    return fn;
}

// Sorted by name in byte order: FindFunction searches it by halves.
const std::array<TMyFunction, 22> kTable = {
    Make1("abs", Abs),     Make1("acos", Acos),   Make0("ans", Ans),     Make1("asin", Asin),
    Make1("atan", Atan),   Make1("cos", Cos),     Make1("dtor", DtoR),   Make0("e", E),
    Make1("exp", Exp),     Make2("fmod", Fmod),   Make1("ln", Ln),       Make2("log", GuardedLog),
    Make1("log10", Log10), Make2("nrt", Nrt),     Make0("pi", Pi),       Make2("pow", GuardedPower),
    Make1("rnd", Rnd),     Make1("rtod", RtoD),   Make1("sin", Sin),     Make1("sqrt", Sqrt),
    Make1("tan", Tan),     Make1("trc", Trc),
};

} // namespace

const TMyFunction kAdd = Make2("+", Add);
const TMyFunction kSubtract = Make2("-", Subtract);
const TMyFunction kMultiply = Make2("*", Multiply);
const TMyFunction kDivide = Make2("/", Divide);
const TMyFunction kModulo = Make2("%", Fmod);
const TMyFunction kPower = Make2("^", GuardedPower);
const TMyFunction kNegate = Make1("-", Negate);

int& AngleUnit()
{
    static int unit = 0;
    return unit;
}

std::u16string& PreviousResultText()
{
    static std::u16string text;
    return text;
}

const TMyFunction* FindFunction(std::string_view name)
{
    auto it = std::lower_bound(kTable.begin(), kTable.end(), name,
                               [](const TMyFunction& row, std::string_view key)
                               { return std::string_view(row.name) < key; });
    if (it != kTable.end() && std::string_view(it->name) == name)
        return &*it;
    return nullptr;
}

} // namespace MyTools
