#include "TMyLengthLiteral.h"

#include "TMyPreparedText.h"
#include "TMyTinyExpr.h"

#include <string>

namespace MyTools
{

namespace
{

[[noreturn]] void Refuse(ErrorCode code)
{
    throw static_cast<int>(code);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

const char* SkipDigits(const char* p, const char* pEnd)
{
    while (p != pEnd && IsDigit(*p))
        ++p;
    return p;
}

// The end of the number at p (p itself where none starts).
const char* Number(const char* p, const char* pEnd, const NumberReader& numbers, double& value)
{
    bool range = false;
    return p + numbers.Read(p, pEnd, value, range);
}

// digits '/' digits '"' at p: the end after the mark, or null where the text
// is something else (3/4+1 is a quotient).
const char* Fraction(const char* p, const char* pEnd, const NumberReader& numbers, double& value)
{
    const char* slash = SkipDigits(p, pEnd);
    if (slash == p || slash == pEnd || *slash != '/')
        return nullptr;
    const char* mark = SkipDigits(slash + 1, pEnd);
    if (mark == slash + 1 || mark == pEnd || *mark != '"')
        return nullptr;
    double numerator = 0;
    double denominator = 0;
    Number(p, pEnd, numbers, numerator);
    Number(slash + 1, pEnd, numbers, denominator);
    if (denominator == 0)
        Refuse(errInchFraction);
    value = numerator / denominator;
    return mark + 1;
}

// The inches after feet, up to and with their mark: the end, or null.
const char* InchesAfterFeet(const char* p, const char* pEnd, const NumberReader& numbers,
                            double& value)
{
    if (const char* end = Fraction(p, pEnd, numbers, value))
        return end;
    double whole = 0;
    const char* q = Number(p, pEnd, numbers, whole);
    if (q == p || q == pEnd)
        return nullptr;
    if (*q == '"')
    {
        value = whole;
        return q + 1;
    }
    double part = 0;
    const char* end = (*q == ' ' || *q == '-') ? Fraction(q + 1, pEnd, numbers, part) : nullptr;
    if (end)
        value = whole + part;
    return end;
}

} // namespace

std::size_t ReadNumberOrLength(const char* pText, const char* pEnd, const NumberReader& numbers,
                               double& dValue)
{
    if (pText == pEnd || !(IsDigit(*pText) || *pText == '.'))
        return 0; // the reader would take a sign
    const char* q = Number(pText, pEnd, numbers, dValue);
    if (q == pText || q == pEnd || !MayStartLength(*q))
        return static_cast<std::size_t>(q - pText);
    return static_cast<std::size_t>(ReadLengthAfter(pText, q, pEnd, numbers, dValue) - pText);
}

const char* ReadLengthAfter(const char* pText, const char* pNumberEnd, const char* pEnd,
                            const NumberReader& numbers, double& dValue)
{
    const char* const q = pNumberEnd;
    const char* end = nullptr;
    if (*q == '\'')
    {
        dValue *= 12;
        end = q + 1;
        const bool hyphen = end != pEnd && *end == '-';
        const char* inches = end + hyphen;
        if (inches != pEnd && (IsDigit(*inches) || *inches == '.'))
        {
            double value = 0;
            if (const char* after = InchesAfterFeet(inches, pEnd, numbers, value))
            {
                dValue += value;
                end = after;
            }
            else
            {
                // 10'-6' subtracts (5'6' is refused below); 5'6, 5'-6 and
                // 5'-6 1/2 lack their inch mark.
                double feet = 0;
                const char* next = Number(inches, pEnd, numbers, feet);
                if (next == pEnd || *next != '\'')
                    Refuse(errLength);
            }
        }
    }
    else if (*q == '"')
    {
        end = q + 1;
    }
    else if (*q == '/')
    {
        // Most slashes divide: look for the inch mark before reading again.
        const char* mark = SkipDigits(q + 1, pEnd);
        if (mark == pEnd || *mark != '"')
            return q;
        end = Fraction(pText, pEnd, numbers, dValue);
        if (!end)
            return q;
    }
    else if (*q == ' ')
    {
        // The prepared text keeps a space only before an inch fraction.
        double part = 0;
        end = Fraction(q + 1, pEnd, numbers, part);
        if (!end)
            Refuse(errLength);
        dValue += part;
    }
    else
    {
        return q;
    }

    if (end != pEnd && (IsDigit(*end) || *end == '.' || *end == '\'' || *end == '"'))
        Refuse(errLength);
    return end;
}

double ReadLengthText(std::u16string_view strText)
{
    const bool negative = !strText.empty() && strText.front() == u'-';
    if (!strText.empty() && (negative || strText.front() == u'+'))
        strText.remove_prefix(1);
    if (strText.find_first_of(u"'\"") == std::u16string_view::npos)
        Refuse(errLength);

    std::string text;
    const std::size_t length = PrepareText(strText, text);
    const char* first = text.data();
    double value = 0;
    const NumberReader numbers;
    if (ReadNumberOrLength(first, first + length, numbers, value) != length || length == 0)
        Refuse(errLength);
    return negative ? -value : value;
}

} // namespace MyTools
