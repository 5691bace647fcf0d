#include "TMyMemory.h"

#include "TMyNumberText.h"

#include <cmath>

namespace
{

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Full match of -?([0-9]+\.?[0-9]*|[0-9]*\.[0-9]+), written out by hand:
// std::regex recurses once per character and would overflow the stack on a
// long pasted text.
bool IsPlainDecimal(const std::string& text)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    std::size_t intDigits = 0;
    while (i < text.size() && IsDigit(text[i]))
    {
        ++i;
        ++intDigits;
    }
    std::size_t fracDigits = 0;
    if (i < text.size() && text[i] == '.')
    {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
        {
            ++i;
            ++fracDigits;
        }
    }
    return i == text.size() && (intDigits > 0 || fracDigits > 0);
}

// A plain decimal number text, read as strtod reads it; false for anything
// else, including a value out of the double range.
bool ParseNumber(const std::string& text, double& value)
{
    if (!IsPlainDecimal(text))
        return false;
    bool range = false;
    const std::size_t used = MyTools::ReadNumber(text.c_str(), value, range);
    return used > 0 && !range;
}

} // namespace

bool TMyMemory::Set(const std::string& strInitialValue)
{
    double number = 0;
    if (!ParseNumber(strInitialValue, number))
        return false;
    value = number;
    return true;
}

bool TMyMemory::Add(const std::string& strValue)
{
    double number = 0;
    if (!ParseNumber(strValue, number))
        return false;
    value += number;
    return true;
}

bool TMyMemory::Subtract(const std::string& strValue)
{
    double number = 0;
    if (!ParseNumber(strValue, number))
        return false;
    value -= number;
    return true;
}
