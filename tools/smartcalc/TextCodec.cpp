#include "TextCodec.h"

namespace
{

constexpr char16_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

void AppendCodePoint(std::u16string& strOut, char32_t codePoint)
{
    if (codePoint < 0x10000)
    {
        strOut.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    strOut.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    strOut.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view strUtf8)
{
    std::u16string strOut;
    strOut.reserve(strUtf8.size());
    std::size_t i = 0;
    while (i < strUtf8.size())
    {
        const auto lead = static_cast<unsigned char>(strUtf8[i]);
        if (lead < 0x80)
        {
            strOut.push_back(lead);
            ++i;
            continue;
        }

        int length = 0;
        char32_t codePoint = 0;
        // The range allowed for the second byte excludes overlong forms,
        // surrogates and code points past U+10FFFF.
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF)
        {
            length = 2;
            codePoint = lead & 0x1F;
        }
        else if (lead >= 0xE0 && lead <= 0xEF)
        {
            length = 3;
            codePoint = lead & 0x0F;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        }
        else if (lead >= 0xF0 && lead <= 0xF4)
        {
            length = 4;
            codePoint = lead & 0x07;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        }
        else
        {
            strOut.push_back(kReplacement);
            ++i;
            continue;
        }

        std::size_t next = i + 1;
        bool complete = true;
        for (int k = 1; k < length; ++k, ++next)
        {
            if (next >= strUtf8.size())
            {
                complete = false;
                break;
            }
            const auto byte = static_cast<unsigned char>(strUtf8[next]);
            const bool inRange = k == 1 ? (byte >= low && byte <= high) : IsContinuation(byte);
            if (!inRange)
            {
                complete = false;
                break;
            }
            codePoint = (codePoint << 6) | (byte & 0x3F);
        }
        if (complete)
            AppendCodePoint(strOut, codePoint);
        else
            strOut.push_back(kReplacement);
        i = next;
    }
    return strOut;
}
