#include "TMyPreparedText.h"

#include "TMyTinyExpr.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace MyTools
{

namespace
{

// What the rules tell apart about a character.
enum CharClass : std::uint8_t
{
    kStart,    // no character yet
    kDigit,    // 0-9
    kConstant, // 'e' and 'i'
    kClose,    // )
    kOpen,     // (
    kOperator, // * / ^ + - % ,
    kPoint,    // .
    kMark,     // ' and ", which end a length in feet and inches
    kSpace,    // ' ', gone from the prepared text but inside a length
    kOther,    // anything else
    kClassCount
};

struct CharInfo
{
    char lower; // as the parser reads it
    CharClass cls;
};

constexpr std::array<CharInfo, 128> MakeCharInfo()
{
    std::array<CharInfo, 128> info{};
    for (char16_t c = 0; c < 128; ++c)
    {
        const char16_t lower = (c >= u'A' && c <= u'Z') ? c - u'A' + u'a' : c;
        CharClass cls = kOther;
        if (lower >= u'0' && lower <= u'9')
            cls = kDigit;
        else if (lower == u'e' || lower == u'i')
            cls = kConstant;
        else if (lower == u')')
            cls = kClose;
        else if (lower == u'(')
            cls = kOpen;
        else if (std::u16string_view(u"*/^+-%,").find(lower) != std::u16string_view::npos)
            cls = kOperator;
        else if (lower == u'.')
            cls = kPoint;
        else if (lower == u'\'' || lower == u'"')
            cls = kMark;
        else if (lower == u' ')
            cls = kSpace;
        info[c] = {static_cast<char>(lower), cls};
    }
    return info;
}

constexpr std::array<CharInfo, 128> kCharInfo = MakeCharInfo();

// The rules of the header, by the classes of the previous and next character.
constexpr std::array<std::array<bool, kClassCount>, kClassCount> MakeStarRules()
{
    std::array<std::array<bool, kClassCount>, kClassCount> star{};
    for (int next = kDigit; next < kClassCount; ++next)
        star[kClose][next] = next != kOperator && next != kClose && next != kMark;
    star[kDigit][kOpen] = true;
    star[kConstant][kOpen] = true;
    star[kConstant][kDigit] = true;
    star[kConstant][kPoint] = true;
    star[kDigit][kConstant] = true;
    star[kDigit][kOther] = true;
    // A length is an operand as a number is (5'pi, 5'(2)); a digit after it
    // is an error the parser reports, never a product.
    star[kMark][kConstant] = true;
    star[kMark][kOpen] = true;
    star[kMark][kOther] = true;
    return star;
}

constexpr auto kStarRules = MakeStarRules();

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// digits '/' digits '"' from i on: an inch fraction, whose space before it
// (6 1/2") belongs to the length.
bool InchFractionAt(std::u16string_view text, std::size_t i)
{
    const auto digits = [&]
    {
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        return i > start;
    };
    if (!digits() || i == text.size() || text[i] != u'/')
        return false;
    ++i;
    return digits() && i < text.size() && text[i] == u'"';
}

} // namespace

std::u16string WithoutSpaces(std::u16string_view strExpr)
{
    std::u16string text;
    text.reserve(strExpr.size());
    for (std::size_t i = 0; i < strExpr.size(); ++i)
    {
        if (strExpr[i] != u' ')
        {
            text += strExpr[i];
            continue;
        }
        std::size_t next = i + 1;
        while (next < strExpr.size() && strExpr[next] == u' ')
            ++next;
        const char16_t before = text.empty() ? u'\0' : text.back();
        if ((IsDigit(before) || before == u'.') && InchFractionAt(strExpr, next))
            text += u' ';
        i = next - 1;
    }
    return text;
}

std::size_t PrepareText(std::u16string_view strExpr, std::string& out)
{
    // At most one '*' goes before each character.
    if (out.size() < 2 * strExpr.size() + 1)
        out.resize(2 * strExpr.size() + 1);
    char* const first = out.data();
    char* w = first;
    CharClass previous = kStart;
    std::size_t open = 0;
    std::size_t close = 0;
    for (std::size_t i = 0; i < strExpr.size(); ++i)
    {
        const char16_t c = strExpr[i];
        // Non-ASCII is a token error wherever it stands; 0x80 keeps it one.
        const CharInfo info = c < 128 ? kCharInfo[c] : CharInfo{static_cast<char>(0x80), kOther};
        if (info.cls == kSpace)
        {
            // Spaces mean nothing (2 3 is 23, as when they were removed
            // first), except between whole inches and their fraction.
            std::size_t next = i + 1;
            while (next < strExpr.size() && strExpr[next] == u' ')
                ++next;
            if ((previous == kDigit || previous == kPoint) && InchFractionAt(strExpr, next))
                *w++ = ' ';
            i = next - 1;
            continue;
        }
        open += info.cls == kOpen;
        close += info.cls == kClose;
        if (kStarRules[previous][info.cls] &&
            !(info.cls == kOpen && w - first >= 5 && std::memcmp(w - 5, "log10", 5) == 0))
            *w++ = '*';
        *w++ = info.lower;
        previous = info.cls;
    }
    if (open != close)
        throw static_cast<int>(errBrackets);
    *w = '\0';
    return static_cast<std::size_t>(w - first);
}

namespace
{

std::string& SharedBuffer()
{
    static std::string shared;
    return shared;
}

} // namespace

RequestText::RequestText() : buffer(SharedBuffer()) {}

RequestText::~RequestText()
{
    constexpr std::size_t kKeptBytes = 64 * 1024;
    if (buffer.capacity() > kKeptBytes)
        std::string().swap(buffer);
}

} // namespace MyTools
