// Arbitrary text through the memory register: refusals must leave the value
// unchanged, and accepted texts must be plain decimal numbers.
#include "TMyMemory.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{

bool LooksDecimal(const std::string& s)
{
    std::size_t i = (!s.empty() && s[0] == '-') ? 1 : 0;
    bool digit = false;
    int points = 0;
    for (; i < s.size(); ++i)
    {
        if (s[i] >= '0' && s[i] <= '9')
            digit = true;
        else if (s[i] == '.' && ++points == 1)
            continue;
        else
            return false;
    }
    return digit;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    TMyMemory memory;
    memory.Set("1.5");

    const bool set = memory.Set(text);
    if (set != LooksDecimal(text) && set)
        std::abort();
    if (!set && memory.Recall() != 1.5)
        std::abort();

    const double before = memory.Recall();
    if (!memory.Add(text) && memory.Recall() != before)
        std::abort();
    const double middle = memory.Recall();
    if (!memory.Subtract(text) && !(memory.Recall() == middle || std::isnan(middle)))
        std::abort();
    memory.Clear();
    if (memory.Recall() != 0.0)
        std::abort();
    return 0;
}
