#include "UnitValueText.h"

#include <array>
#include <charconv>

namespace
{

// Fixed notation of the largest double has 309 integer digits.
constexpr std::size_t kBufferSize = 400;

} // namespace

std::string ConvertedValueText(double value)
{
    std::array<char, kBufferSize> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 10);
    std::string text(buffer.data(), result.ptr);
    // Infinite and NaN texts have no point; leave them alone.
    if (text.find('.') == std::string::npos)
        return text;
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

std::string ExactValueText(double value)
{
    std::array<char, kBufferSize> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}
