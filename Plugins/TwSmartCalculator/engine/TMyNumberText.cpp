#include "TMyNumberText.h"

#include "TMyFloatingPoint.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <system_error>

namespace MyTools
{

namespace
{

locale_t ClassicLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

} // namespace

std::size_t ReadNumber(const char* pText, double& dValue, bool& bRange)
{
    const locale_t loc = ClassicLocale();
    char* end = nullptr;
    const int savedErrno = errno;
    errno = 0;
    dValue = loc ? strtod_l(pText, &end, loc) : std::strtod(pText, &end);
    bRange = (errno == ERANGE);
    errno = savedErrno;
    return static_cast<std::size_t>(end - pText);
}

NumberReader::NumberReader() : toNearest(RoundsToNearest()) {}

NumberReader::NumberReader(bool bRoundsToNearest) : toNearest(bRoundsToNearest) {}

namespace
{

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The usual short number (at most 15 digits, no exponent) to the nearest
// double: its digits as an integer and the power of ten are both exact
// doubles, and one division rounds their quotient correctly. Returns the end
// of the number, or null where the text is not such a number.
const char* ReadShortDecimal(const char* pText, const char* pEnd, double& dValue)
{
    const char* p = pText;
    const bool negative = p != pEnd && *p == '-';
    if (negative)
        ++p;
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = 0;
    bool point = false;
    for (; p != pEnd; ++p)
    {
        if (*p >= '0' && *p <= '9')
        {
            digits = digits * 10 + static_cast<unsigned>(*p - '0');
            ++count;
            decimals += point;
        }
        else if (*p == '.' && !point)
        {
            point = true;
        }
        else
        {
            break;
        }
    }
    if (count == 0 || count > 15 || (p != pEnd && (*p | 0x20) == 'e'))
        return nullptr;
    const double whole = static_cast<double>(digits);
    const double value = decimals == 0 ? whole : whole / kPowersOfTen[decimals];
    dValue = negative ? -value : value;
    return p;
}

} // namespace

std::size_t NumberReader::Read(const char* pText, const char* pEnd, double& dValue,
                               bool& bRange) const
{
    // Only where both agree: in another rounding mode strtod rounds by it;
    // hexadecimal text, infinity and NaN are strtod's; out of range, and for
    // subnormal values, strtod says whether it reports a range error.
    const char* digits = (pText != pEnd && *pText == '-') ? pText + 1 : pText;
    const bool decimal = digits != pEnd && ((*digits >= '0' && *digits <= '9') || *digits == '.') &&
                         !(pEnd - digits >= 2 && digits[0] == '0' && (digits[1] | 0x20) == 'x');
    if (decimal && toNearest)
    {
        double value = 0;
        if (const char* end = ReadShortDecimal(pText, pEnd, value))
        {
            dValue = value;
            bRange = false;
            return static_cast<std::size_t>(end - pText);
        }
        const auto [end, ec] = std::from_chars(pText, pEnd, value);
        if (ec == std::errc{} && !(value != 0 && std::fabs(value) < DBL_MIN))
        {
            dValue = value;
            bRange = false;
            return static_cast<std::size_t>(end - pText);
        }
    }
    return ReadNumber(pText, dValue, bRange);
}

std::string FormatFixed(double dValue, int iDecimals)
{
    // Fixed notation of the largest double has 309 integer digits.
    std::string text(330 + static_cast<std::size_t>(std::max(iDecimals, 6)), '\0');
    const char* end = FormatFixed(dValue, iDecimals, text.data(), text.data() + text.size());
    text.resize(static_cast<std::size_t>(end - text.data()));
    return text;
}

char* FormatFixed(double dValue, int iDecimals, char* pFirst, char* pLast)
{
    const auto [end, ec] = std::to_chars(pFirst, pLast, dValue, std::chars_format::fixed,
                                         iDecimals < 0 ? 6 : iDecimals);
    return ec == std::errc{} ? end : nullptr;
}

char* FormatGeneral(double dValue, int iDigits, char* pFirst, char* pLast)
{
    const auto [end, ec] =
        std::to_chars(pFirst, pLast, dValue, std::chars_format::general, iDigits);
    return ec == std::errc{} ? end : nullptr;
}

const char* TrimmedEnd(const char* pFirst, const char* pLast)
{
    if (std::find(pFirst, pLast, '.') == pLast)
        return pLast;
    while (pLast[-1] == '0')
        --pLast;
    return pLast[-1] == '.' ? pLast - 1 : pLast;
}

std::string TenDecimalsText(double dValue)
{
    std::string text = FormatFixed(dValue, 10);
    const char* end = TrimmedEnd(text.data(), text.data() + text.size());
    text.resize(static_cast<std::size_t>(end - text.data()));
    return text;
}

} // namespace MyTools
