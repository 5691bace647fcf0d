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
        star[kClose][next] = next != kOperator && next != kClose;
    star[kDigit][kOpen] = true;
    star[kConstant][kOpen] = true;
    star[kConstant][kDigit] = true;
    star[kConstant][kPoint] = true;
    star[kDigit][kConstant] = true;
    star[kDigit][kOther] = true;
    return star;
}

constexpr auto kStarRules = MakeStarRules();

} // namespace

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
    for (const char16_t c : strExpr)
    {
        // Non-ASCII is a token error wherever it stands; 0x80 keeps it one.
        const CharInfo info = c < 128 ? kCharInfo[c] : CharInfo{static_cast<char>(0x80), kOther};
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
