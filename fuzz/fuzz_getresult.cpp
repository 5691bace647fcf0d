// Arbitrary 16-bit text, accuracy 0..20 and angle unit through GetResult: it
// must either produce a result or throw an int code that has a message.
#include "TMyTinyExpr.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int accuracy = data[0] % 21;
    const int angleUnit = data[1] % 5;
    data += 2;
    size -= 2;

    std::u16string expr(size / 2, u'\0');
    std::memcpy(expr.data(), data, expr.size() * 2);

    MyTools::TMyTinyExpr engine;
    engine.SetAngleUnit(angleUnit);
    std::u16string result;
    try
    {
        engine.GetResult(expr, result, accuracy);
        if (result.empty())
            std::abort(); // a success always has text
    }
    catch (int code)
    {
        if (MyTools::ErrorMessage(code) == nullptr)
            std::abort();
    }
    return 0;
}
