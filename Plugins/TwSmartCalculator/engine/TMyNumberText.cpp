#include "TMyNumberText.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
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

// to_chars prints non-finite values as "inf"/"nan" with the sign of the value,
// which is what the C library's formatting prints as well.
std::string Format(double dValue, std::chars_format fmt, int iPrecision)
{
    std::array<char, 128> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), dValue, fmt,
                                   iPrecision);
    if (ec == std::errc{})
        return std::string(buffer.data(), end);
    // Only very large values at a high precision need more room than the buffer.
    std::string big(400 + static_cast<std::size_t>(iPrecision), '\0');
    auto [end2, ec2] = std::to_chars(big.data(), big.data() + big.size(), dValue, fmt, iPrecision);
    big.resize(ec2 == std::errc{} ? static_cast<std::size_t>(end2 - big.data()) : 0);
    return big;
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

std::string FormatFixed(double dValue, int iDecimals)
{
    // A negative precision means "as if omitted" for printf: six decimals.
    return Format(dValue, std::chars_format::fixed, iDecimals < 0 ? 6 : iDecimals);
}

std::string FormatGeneral10(double dValue)
{
    return Format(dValue, std::chars_format::general, 10);
}

} // namespace MyTools
