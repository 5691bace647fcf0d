// Arbitrary 16-bit text, accuracy 0..20 and angle unit through GetResult, or,
// when the second byte's top bit is set, text over the small alphabet of
// lengths in feet and inches and their neighbours (random 16-bit text seldom
// forms 5'-6 1/2"): it must either produce a finite result, the same as the live result shows, with
// a previous result text the memory accepts, or throw an int code that has a
// message and leave both texts as they were.
#include "TMyMemory.h"
#include "TMyTinyExpr.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int accuracy = data[0] % 21;
    const int angleUnit = data[1] % 5;
    const bool lengths = (data[1] & 0x80) != 0;
    data += 2;
    size -= 2;

    std::u16string expr;
    if (lengths)
    {
        static constexpr std::u16string_view kAlphabet = u"0123456789.'\"  -/+*^(),%pisqrtanelog";
        for (std::size_t i = 0; i < size; ++i)
            expr.push_back(kAlphabet[data[i] % kAlphabet.size()]);
    }
    else
    {
        expr.resize(size / 2);
        std::memcpy(expr.data(), data, expr.size() * 2);
    }

    MyTools::TMyTinyExpr engine;
    engine.SetAngleUnit(angleUnit);
    const std::u16string before = engine.GetLastResult();
    std::u16string preview = u"untouched";
    std::u16string result = u"untouched";
    try
    {
        engine.PreviewResult(expr, preview, accuracy);
    }
    catch (int)
    {
    }
    try
    {
        engine.GetResult(expr, result, accuracy);
    }
    catch (int code)
    {
        if (MyTools::ErrorMessage(code) == nullptr || result != u"untouched" ||
            engine.GetLastResult() != before || preview != u"untouched")
            std::abort();
        return 0;
    }
    const std::u16string previous = engine.GetLastResult();
    if (result != preview || result == u"-0" ||
        result.find_first_not_of(u"-.0123456789") != std::u16string::npos)
        std::abort();
    if (!TMyMemory().Set(std::string(previous.begin(), previous.end())))
        std::abort();
    return 0;
}
