#include "TMyFunctions.h"

#include "TMyFloatingPoint.h"
#include "TMyNumberText.h"

#include <algorithm>
#include <array>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace MyTools
{

namespace
{

constexpr double kHalfPi = kPi / 2;
constexpr double kE = 2.718281828459045;
constexpr double kDegreesPerGrad = 0.9;

// Clears the status flags, runs op and reads the flags. Traps are masked and
// the caller's environment restored by the guest around us
// (FloatingPointGuest, one per request), so the flags left raised here are
// seen by no one: every guarded call clears them first. The volatile operands
// and result keep the compiler from moving the library call out from between
// clearing and reading.
template <typename Op> double Guarded(double x, double y, Op op)
{
    volatile double vx = x;
    volatile double vy = y;
    ClearFloatingPointFlags();
    volatile double result = op(vx, vy);
    const int raised = RaisedFloatingPointFlags();
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
    // The text is our own number text (ASCII, at most 24 characters). A value
    // that reads out of range (a subnormal one) reads as 0, as from a stream.
    std::array<char, 32> narrow{};
    if (text.size() >= narrow.size())
        return 0.0;
    for (std::size_t i = 0; i < text.size(); ++i)
        narrow[i] = static_cast<char>(text[i]);
    double value = 0.0;
    bool range = false;
    if (NumberReader().Read(narrow.data(), narrow.data() + text.size(), value, range) !=
            text.size() ||
        range)
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

// Sorted by name in byte order.
const std::array<TMyFunction, 22> kTable = {
    Make1("abs", Abs),     Make1("acos", Acos),   Make0("ans", Ans),     Make1("asin", Asin),
    Make1("atan", Atan),   Make1("cos", Cos),     Make1("dtor", DtoR),   Make0("e", E),
    Make1("exp", Exp),     Make2("fmod", Fmod),   Make1("ln", Ln),       Make2("log", GuardedLog),
    Make1("log10", Log10), Make2("nrt", Nrt),     Make0("pi", Pi),       Make2("pow", GuardedPower),
    Make1("rnd", Rnd),     Make1("rtod", RtoD),   Make1("sin", Sin),     Make1("sqrt", Sqrt),
    Make1("tan", Tan),     Make1("trc", Trc),
};

// The table searched by a number made of the name's bytes: a name without NUL
// bytes of up to eight bytes has a key of its own, and comparing two numbers
// is cheaper than comparing two texts. Exactly the names of the table match.
constexpr std::size_t kMaxKeyLength = 8;

constexpr std::uint64_t NameKey(std::string_view name)
{
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < name.size(); ++i)
        key |= std::uint64_t{static_cast<unsigned char>(name[i])} << (8 * i);
    return key;
}

struct KeyedRow
{
    std::uint64_t key;
    std::size_t row;
};

std::array<KeyedRow, kTable.size()> MakeIndex()
{
    std::array<KeyedRow, kTable.size()> index{};
    for (std::size_t i = 0; i < kTable.size(); ++i)
        index[i] = {NameKey(kTable[i].name), i};
    std::sort(index.begin(), index.end(),
              [](const KeyedRow& a, const KeyedRow& b) { return a.key < b.key; });
    return index;
}

const std::array<KeyedRow, kTable.size()> kIndex = MakeIndex();

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
    if (name.size() > kMaxKeyLength)
        return nullptr;
    const std::uint64_t key = NameKey(name);
    auto it = std::lower_bound(kIndex.begin(), kIndex.end(), key,
                               [](const KeyedRow& row, std::uint64_t k) { return row.key < k; });
    if (it != kIndex.end() && it->key == key)
        return &kTable[it->row];
    return nullptr;
}

} // namespace MyTools
