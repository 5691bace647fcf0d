#include "TMyMemory.h"

#include "TMyNumberText.h"

#include <cmath>

namespace
{

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(const std::string& text, std::size_t i)
{
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i;
}

// Full match of -?([0-9]+\.?[0-9]*|[0-9]*\.[0-9]+)([eE][-+]?[0-9]+)?, written
// out by hand: std::regex recurses once per character and would overflow the
// stack on a long pasted text.
bool IsDecimalNumber(const std::string& text)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    const std::size_t intStart = i;
    i = SkipDigits(text, i);
    bool bDigits = i > intStart;
    if (i < text.size() && text[i] == '.')
    {
        const std::size_t fracStart = ++i;
        i = SkipDigits(text, i);
        bDigits = bDigits || i > fracStart;
    }
    if (!bDigits)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E'))
    {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t expStart = i;
        i = SkipDigits(text, i);
        if (i == expStart)
            return false;
    }
    return i == text.size();
}

// A decimal number text, read as strtod reads it; false for anything else.
// Beyond the double range the value is infinite, which Store refuses; below
// it, strtod's nearest double (0 or a subnormal) is what the text means.
bool ParseNumber(const std::string& text, double& value)
{
    if (!IsDecimalNumber(text))
        return false;
    bool range = false;
    return MyTools::ReadNumber(text.c_str(), value, range) == text.size();
}

// The cell takes only finite values, and 0 without a sign: "-0" would show
// as a negative zero.
bool Store(double& cell, double number)
{
    if (!std::isfinite(number))
        return false;
    cell = number + 0.0;
    return true;
}

} // namespace

bool TMyMemory::Set(const std::string& strInitialValue)
{
    double number = 0;
    return ParseNumber(strInitialValue, number) && Store(value, number);
}

bool TMyMemory::Add(const std::string& strValue)
{
    double number = 0;
    return ParseNumber(strValue, number) && Store(value, value + number);
}

bool TMyMemory::Subtract(const std::string& strValue)
{
    double number = 0;
    return ParseNumber(strValue, number) && Store(value, value - number);
}
