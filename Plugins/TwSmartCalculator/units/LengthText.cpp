#include "LengthText.h"

#include <TMyNumberText.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string_view>

namespace
{

constexpr int kMaxDecimals = 20;
constexpr int kMaxFractionBits = 8;

int Clamped(int value, int most)
{
    return value < 0 ? 0 : value > most ? most : value;
}

bool ShowsZero(std::string_view text)
{
    return text.find_first_not_of("-0.") == std::string_view::npos;
}

// Fixed notation; a value that shows as zero has no sign.
std::string Fixed(double value, int decimals)
{
    std::string text = MyTools::FormatFixed(value, decimals);
    if (text.front() == '-' && ShowsZero(text))
        text.erase(0, 1);
    return text;
}

std::string Scientific(double value, int decimals)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value == 0 ? 0.0 : value,
                                      std::chars_format::scientific, decimals);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        c = c == 'e' ? 'E' : c;
    return text;
}

// The decimal digits of a whole number divided by a small divisor: the
// quotient's digits and the remainder. Digits of any count, so that the
// largest double splits into feet and inches as exactly as a small one.
std::string Divide(std::string_view digits, std::uint64_t divisor, std::uint64_t& remainder)
{
    std::string quotient;
    std::uint64_t rest = 0;
    for (const char digit : digits)
    {
        rest = rest * 10 + static_cast<std::uint64_t>(digit - '0');
        if (!quotient.empty() || rest >= divisor)
            quotient.push_back(static_cast<char>('0' + rest / divisor));
        rest %= divisor;
    }
    remainder = rest;
    return quotient.empty() ? "0" : quotient;
}

// A magnitude in whole units of 1 / 2^bits inch, halves to even as the
// decimal texts round.
struct Fractions
{
    std::string count; // decimal digits
    int bits = 0;
};

Fractions InFractions(double magnitude, int bits)
{
    // From 2^52 on a double is a whole number, and scaling it could overflow.
    if (magnitude >= 0x1p52)
        return {MyTools::FormatFixed(magnitude, 0), 0};
    const double scaled = std::ldexp(magnitude, bits); // exact: a power of two
    double whole = std::trunc(scaled);
    const double rest = scaled - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2) != 0))
        whole += 1;
    return {std::to_string(static_cast<std::uint64_t>(whole)), bits};
}

// Whole inches and a fraction of part / 2^bits, reduced, with the inch mark:
// 6 1/2", 1/64", 6", 0". With bKeepZero 0 1/2" (after feet).
std::string InchesText(const std::string& whole, std::uint64_t part, int bits, bool bKeepZero)
{
    if (part == 0)
        return whole + '"';
    const std::uint64_t unit = std::uint64_t{1} << bits;
    const std::uint64_t divisor = std::gcd(part, unit);
    const std::string fraction =
        std::to_string(part / divisor) + '/' + std::to_string(unit / divisor) + '"';
    return whole == "0" && !bKeepZero ? fraction : whole + ' ' + fraction;
}

std::string Engineering(double value, int decimals)
{
    const std::string fixed = MyTools::FormatFixed(std::fabs(value), decimals);
    const std::size_t point = fixed.find('.');
    std::uint64_t inches = 0;
    const std::string feet = Divide(std::string_view(fixed).substr(0, point), 12, inches);
    std::string text = (value < 0 && !ShowsZero(fixed)) ? "-" : "";
    if (feet != "0")
        text += feet + "'-";
    text += std::to_string(inches);
    if (point != std::string::npos)
        text += fixed.substr(point);
    return text + '"';
}

std::string Architectural(double value, int bits, bool bFeet)
{
    const Fractions rounded = InFractions(std::fabs(value), bits);
    const std::string sign = (value < 0 && rounded.count != "0") ? "-" : "";
    std::uint64_t part = 0;
    if (!bFeet)
    {
        const std::string inches = Divide(rounded.count, std::uint64_t{1} << rounded.bits, part);
        return sign + InchesText(inches, part, rounded.bits, false);
    }
    std::uint64_t rest = 0;
    const std::string feet = Divide(rounded.count, std::uint64_t{12} << rounded.bits, rest);
    const std::string inches = std::to_string(rest >> rounded.bits);
    part = rest & ((std::uint64_t{1} << rounded.bits) - 1);
    if (feet == "0")
        return sign + InchesText(inches, part, rounded.bits, false);
    return sign + feet + "'-" + InchesText(inches, part, rounded.bits, true);
}

} // namespace

std::string LengthText(double dValue, int iLunits, int iPrecision)
{
    const int decimals = Clamped(iPrecision, kMaxDecimals);
    if (!std::isfinite(dValue))
        return MyTools::FormatFixed(dValue, 0);
    switch (iLunits)
    {
    case 1:
        return Scientific(dValue, decimals);
    case 3:
        return Engineering(dValue, decimals);
    case 4:
        return Architectural(dValue, Clamped(iPrecision, kMaxFractionBits), true);
    case 5:
        return Architectural(dValue, Clamped(iPrecision, kMaxFractionBits), false);
    default:
        return Fixed(dValue, decimals);
    }
}

std::string AreaText(double dValue, int iLunits, int iPrecision)
{
    const int decimals = Clamped(iPrecision, kMaxDecimals);
    if (iLunits == 1)
        return Scientific(dValue, decimals);
    if (iLunits < 3 || iLunits > 5)
        return Fixed(dValue, decimals);
    // The square foot is 144 square inches exactly.
    return Fixed(dValue, decimals) + " square in. (" + Fixed(dValue / 144, decimals) +
           " square ft.)";
}
