#include "UnitValueText.h"

#include <TMyLengthLiteral.h>
#include <TMyNumberText.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace
{

// Fixed notation of the largest double has 309 integer digits.
constexpr std::size_t kBufferSize = 400;

// Beyond any double's decimal exponent; keeps a long exponent from overflowing.
constexpr long kExponentCap = 100000;

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// One pass over the text by the grammar in the header. On the way it writes
// the number as from_chars reads it ('+' dropped, ',' as '.') and the decimal
// exponent of its first significant digit, which tells an overflow from an
// underflow when from_chars finds the number out of range.
struct Scan
{
    ConversionStatus status = ConversionStatus::Empty;
    std::string number;
    long magnitude = 0;
};

Scan ScanValueText(std::u16string_view text)
{
    enum State
    {
        Start,
        Sign,
        Whole,
        PointOnly, // a point with no digit yet
        Fraction,
        ExponentMark,
        ExponentSign,
        ExponentDigits,
    };
    Scan scan;
    State state = Start;
    long firstDigit = 0; // decimal exponent of the first significant digit, before the exponent
    long exponent = 0;
    bool bSignificant = false;
    bool bNegativeExponent = false;
    for (const char16_t c : text)
    {
        if (IsDigit(c))
        {
            if (state == ExponentMark || state == ExponentSign || state == ExponentDigits)
            {
                exponent = std::min(exponent * 10 + (c - u'0'), kExponentCap);
                state = ExponentDigits;
            }
            else
            {
                const bool bWhole = state == Start || state == Sign || state == Whole;
                if (bWhole && bSignificant)
                    ++firstDigit;
                else if (!bWhole && !bSignificant)
                    --firstDigit;
                bSignificant = bSignificant || c != u'0';
                state = bWhole ? Whole : Fraction;
            }
        }
        else if ((c == u'+' || c == u'-') && (state == Start || state == ExponentMark))
        {
            if (state == Start)
                state = Sign;
            else
            {
                bNegativeExponent = c == u'-';
                state = ExponentSign;
            }
        }
        else if ((c == u'.' || c == u',') && (state == Start || state == Sign || state == Whole))
            state = state == Whole ? Fraction : PointOnly;
        else if ((c == u'e' || c == u'E') && (state == Whole || state == Fraction))
            state = ExponentMark;
        else
        {
            scan.status = ConversionStatus::NotANumber;
            return scan;
        }
        if (c != u'+')
            scan.number.push_back(c == u',' ? '.' : char(c));
    }
    switch (state)
    {
    case Start:
        scan.status = ConversionStatus::Empty;
        break;
    case Whole:
    case Fraction:
    case ExponentDigits:
        scan.status = ConversionStatus::Converted;
        break;
    default:
        scan.status = ConversionStatus::Incomplete;
        break;
    }
    scan.magnitude = firstDigit + (bNegativeExponent ? -exponent : exponent);
    return scan;
}

// The number of a scan that found one, into value.
ConversionStatus ReadScannedNumber(const Scan& scan, double& value)
{
    const char* pEnd = scan.number.data() + scan.number.size();
    const auto read = std::from_chars(scan.number.data(), pEnd, value);
    if (read.ec == std::errc::result_out_of_range)
    {
        if (scan.magnitude >= 0)
            return ConversionStatus::TooLarge;
        value = 0.0; // below the smallest double
    }
    else if (read.ec != std::errc() || read.ptr != pEnd)
        return ConversionStatus::NotANumber; // the scan and from_chars disagree
    return ConversionStatus::Converted;
}

// A length in feet and inches as the calculator reads it, in the From unit:
// 5'-6 1/2" is 66.5 inches, 5.5416666667 feet. Its start ("5'-6 1/") is
// incomplete, as "1e" is for a number.
Scan ScanLengthText(std::u16string_view text, UnitId from, double& value)
{
    // The decimal comma of the value field holds here too.
    std::u16string length(text);
    std::replace(length.begin(), length.end(), u',', u'.');
    Scan scan;
    try
    {
        value = MyTools::ReadLengthText(length) / (from == UnitId::Foot ? 12.0 : 1.0);
        scan.status =
            std::isfinite(value) ? ConversionStatus::Converted : ConversionStatus::TooLarge;
        return scan;
    }
    catch (int)
    {
    }
    try
    {
        MyTools::ReadLengthText(length + u"1\"");
        scan.status = ConversionStatus::Incomplete;
    }
    catch (int)
    {
        scan.status = ConversionStatus::NotANumber;
    }
    return scan;
}

} // namespace

std::string ConvertedValueText(double value)
{
    return MyTools::TenDecimalsText(value);
}

std::string ExactValueText(double value)
{
    std::array<char, kBufferSize> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

Conversion ConvertValueText(UnitType type, UnitId from, UnitId to, std::u16string_view text)
{
    Scan scan = ScanValueText(text);
    double value = 0.0;
    const bool feetOrInches =
        type == UnitType::Length && (from == UnitId::Foot || from == UnitId::Inch);
    if (scan.status == ConversionStatus::NotANumber && feetOrInches)
        scan = ScanLengthText(text, from, value);
    else if (scan.status == ConversionStatus::Converted)
        scan.status = ReadScannedNumber(scan, value);
    if (scan.status != ConversionStatus::Converted)
        return {scan.status, {}};

    // Lengths, areas and volumes convert without their sign; give it back.
    const double converted =
        std::copysign(UnitConverter(type, from, to, std::fabs(value)).Convert(), value);
    if (!std::isfinite(converted))
        return {ConversionStatus::TooLarge, {}};
    std::string shown = ConvertedValueText(converted);
    // A negative value too small for ten decimals is no negative zero.
    if (shown == "-0")
        shown = "0";
    return {ConversionStatus::Converted, std::move(shown)};
}
