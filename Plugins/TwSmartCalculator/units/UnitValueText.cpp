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

bool ReadValueText(std::string_view text, double& value)
{
    value = 0.0;
    const char* pEnd = text.data() + text.size();
    double number = 0.0;
    const auto result = std::from_chars(text.data(), pEnd, number, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range)
    {
        // Out of range either way: too large when a digit other than 0
        // stands before the point, else below the smallest double.
        const std::string_view whole = text.substr(0, text.find('.'));
        return whole.find_first_not_of('0') == std::string_view::npos;
    }
    if (result.ec == std::errc() && result.ptr == pEnd)
        value = number;
    return true;
}
