#include "TMyResultText.h"

#include "TMyNumberText.h"

#include <algorithm>
#include <array>

namespace MyTools
{

namespace
{

// The digits of a number text from its first non-zero digit on.
int SignificantDigits(const char* first, const char* last)
{
    int count = 0;
    for (; first != last; ++first)
        count += *first >= (count > 0 ? '0' : '1') && *first <= '9';
    return count;
}

} // namespace

void WriteResult(double value, int iAccuracy, std::u16string& strResult, std::u16string* pPrevious)
{
    if (value == 0)
        value = 0.0; // no "-0" in either text
    std::array<char, 512> fixedBuffer;
    std::string longFixed; // huge values at a high accuracy
    const char* fixed = fixedBuffer.data();
    const char* fixedEnd =
        FormatFixed(value, iAccuracy, fixedBuffer.data(), fixedBuffer.data() + fixedBuffer.size());
    if (!fixedEnd)
    {
        longFixed = FormatFixed(value, iAccuracy);
        fixed = longFixed.data();
        fixedEnd = fixed + longFixed.size();
    }
    fixedEnd = TrimmedEnd(fixed, fixedEnd);
    if (fixedEnd - fixed == 2 && fixed[0] == '-' && fixed[1] == '0')
        ++fixed; // a negative value that rounds to zero
    if (!pPrevious)
    {
        strResult.assign(fixed, fixedEnd);
        return;
    }
    // The previous text must not lose a digit the user saw (a coordinate of
    // millions with four decimals); 17 digits give back every double exactly.
    const int digits = std::clamp(SignificantDigits(fixed, fixedEnd), 10, 17);
    std::array<char, 32> general; // "%.17g" needs at most 24
    char* generalEnd =
        FormatGeneral(value, digits, general.data(), general.data() + general.size());

    // Whatever allocates comes first, so that a failure changes nothing.
    std::u16string& previous = *pPrevious;
    const auto generalLength = static_cast<std::size_t>(generalEnd - general.data());
    previous.reserve(generalLength);
    strResult.resize(static_cast<std::size_t>(fixedEnd - fixed));
    std::copy(fixed, fixedEnd, strResult.begin());
    previous.resize(generalLength);
    std::copy(general.data(), generalEnd, previous.begin());
}

} // namespace MyTools
