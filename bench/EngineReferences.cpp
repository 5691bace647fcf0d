#include "EngineReferences.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace EngineReferences
{

namespace
{

constexpr double kPi = 3.141592653589793;
constexpr double kE = 2.718281828459045;

// The two texts of a request, as the engine writes them: fixed notation with
// iAccuracy decimals, trailing zeros and point trimmed unless iAccuracy is 0;
// the previous result in "%.*g" with the significant digits the result shows,
// at least 10 and at most 17.
bool WriteTexts(double value, int iAccuracy, std::u16string& strResult, std::u16string& previous)
{
    std::array<char, 512> fixed;
    auto [fixedEnd, fixedError] = std::to_chars(fixed.data(), fixed.data() + fixed.size(), value,
                                                std::chars_format::fixed, iAccuracy);
    if (fixedError != std::errc{})
        return false;
    if (iAccuracy != 0)
    {
        while (fixedEnd != fixed.data() && fixedEnd[-1] == '0')
            --fixedEnd;
        if (fixedEnd != fixed.data() && fixedEnd[-1] == '.')
            --fixedEnd;
    }
    const char* significant =
        std::find_if(fixed.data(), fixedEnd, [](char c) { return c >= '1' && c <= '9'; });
    const auto digits = std::count_if(significant, static_cast<const char*>(fixedEnd),
                                      [](char c) { return c >= '0' && c <= '9'; });
    std::array<char, 32> general;
    auto [generalEnd, generalError] =
        std::to_chars(general.data(), general.data() + general.size(), value,
                      std::chars_format::general, std::clamp<int>(digits, 10, 17));
    if (generalError != std::errc{})
        return false;
    // Into the strings' own storage: assigning a range of another character
    // type would build a temporary string first.
    strResult.resize(static_cast<std::size_t>(fixedEnd - fixed.data()));
    std::copy(fixed.data(), fixedEnd, strResult.begin());
    previous.resize(static_cast<std::size_t>(generalEnd - general.data()));
    std::copy(general.data(), generalEnd, previous.begin());
    return true;
}

// `ans` reads the previous result text back as a number.
bool ReadPrevious(const std::u16string& previous, double& value)
{
    std::array<char, 32> narrow;
    if (previous.empty() || previous.size() > narrow.size())
        return false;
    for (std::size_t i = 0; i < previous.size(); ++i)
        narrow[i] = static_cast<char>(previous[i]);
    const char* end = narrow.data() + previous.size();
    auto [used, error] = std::from_chars(narrow.data(), end, value);
    return error == std::errc{} && used == end;
}

double Pow(double x, double y)
{
    return std::pow(x, y);
}

// The one-parameter functions of the corpus, with the arguments they refuse.
struct Unary
{
    std::u16string_view name;
    double (*f)(double);
    double low;  // the argument must be at least this
    double high; // and at most this
    bool open;   // the low end itself is refused
};
constexpr double kInf = HUGE_VAL;
constexpr Unary kUnary[] = {
    {u"sqrt", [](double x) { return std::sqrt(x); }, 0, kInf, false},
    {u"sin", [](double x) { return std::sin(x); }, -kInf, kInf, false},
    {u"cos", [](double x) { return std::cos(x); }, -kInf, kInf, false},
    {u"tan", [](double x) { return std::tan(x); }, -kInf, kInf, false},
    {u"asin", [](double x) { return std::asin(x); }, -1, 1, false},
    {u"acos", [](double x) { return std::acos(x); }, -1, 1, false},
    {u"atan", [](double x) { return std::atan(x); }, -kInf, kInf, false},
    {u"ln", [](double x) { return std::log(x); }, 0, kInf, true},
    {u"log10", [](double x) { return std::log10(x); }, 0, kInf, true},
    {u"exp", [](double x) { return std::exp(x); }, -kInf, kInf, false},
    {u"abs", [](double x) { return std::fabs(x); }, -kInf, kInf, false},
};

} // namespace

bool LeanCalculator::Calculate(std::u16string_view strExpr, std::u16string& strResult,
                               int iAccuracy)
{
    m_pos = strExpr.data();
    m_end = m_pos + strExpr.size();
    m_failed = false;
    const double value = Sum();
    if (m_failed || m_pos != m_end)
        return false;
    return WriteTexts(value, iAccuracy, strResult, m_previous);
}

bool LeanCalculator::Accept(char16_t c)
{
    if (m_pos != m_end && *m_pos == c)
    {
        ++m_pos;
        return true;
    }
    return false;
}

double LeanCalculator::Sum()
{
    double left = Product();
    while (m_pos != m_end && !m_failed)
    {
        if (Accept(u'+'))
            left += Product();
        else if (Accept(u'-'))
            left -= Product();
        else
            break;
    }
    return left;
}

double LeanCalculator::Product()
{
    double left = Power();
    while (m_pos != m_end && !m_failed)
    {
        if (Accept(u'*'))
        {
            left *= Power();
        }
        else if (Accept(u'/'))
        {
            const double right = Power();
            if (right == 0)
                Fail();
            left /= right;
        }
        else
        {
            break;
        }
    }
    return left;
}

// Left-associative, with signs binding tighter, as in the engine's language.
double LeanCalculator::Power()
{
    double left = Signed();
    while (!m_failed && Accept(u'^'))
    {
        left = std::pow(left, Signed());
        if (!std::isfinite(left))
            Fail();
    }
    return left;
}

double LeanCalculator::Signed()
{
    bool negative = false;
    for (;;)
    {
        if (Accept(u'-'))
            negative = !negative;
        else if (!Accept(u'+'))
            break;
    }
    const double value = Operand();
    return negative ? -value : value;
}

double LeanCalculator::Operand()
{
    if (m_pos == m_end)
    {
        Fail();
        return 0;
    }
    const char16_t c = *m_pos;
    if ((c >= u'0' && c <= u'9') || c == u'.')
        return Number();
    if (c >= u'a' && c <= u'z')
        return Call();
    if (Accept(u'('))
    {
        const double inner = Sum();
        if (!Accept(u')'))
            Fail();
        return inner;
    }
    Fail();
    return 0;
}

double LeanCalculator::Number()
{
    std::array<char, 64> narrow;
    std::size_t n = 0;
    while (m_pos != m_end && ((*m_pos >= u'0' && *m_pos <= u'9') || *m_pos == u'.'))
    {
        if (n == narrow.size())
        {
            Fail();
            return 0;
        }
        narrow[n++] = static_cast<char>(*m_pos++);
    }
    double value = 0;
    auto [used, error] = std::from_chars(narrow.data(), narrow.data() + n, value);
    if (error != std::errc{} || used != narrow.data() + n)
        Fail();
    return value;
}

double LeanCalculator::Argument()
{
    if (!Accept(u'('))
    {
        Fail();
        return 0;
    }
    const double value = Sum();
    if (!Accept(u')'))
        Fail();
    return value;
}

double LeanCalculator::Call()
{
    const char16_t* start = m_pos;
    while (m_pos != m_end && *m_pos >= u'a' && *m_pos <= u'z')
        ++m_pos;
    while (m_pos != m_end && *m_pos >= u'0' && *m_pos <= u'9')
        ++m_pos;
    const std::u16string_view name(start, static_cast<std::size_t>(m_pos - start));

    if (name == u"pi")
        return kPi;
    if (name == u"e")
        return kE;
    if (name == u"ans")
    {
        double value = 0;
        if (!ReadPrevious(m_previous, value))
            Fail();
        return value;
    }
    if (name == u"pow")
    {
        if (!Accept(u'('))
        {
            Fail();
            return 0;
        }
        const double x = Sum();
        if (!Accept(u','))
        {
            Fail();
            return 0;
        }
        const double y = Sum();
        if (!Accept(u')'))
            Fail();
        const double value = std::pow(x, y);
        if (!std::isfinite(value))
            Fail();
        return value;
    }

    for (const Unary& fn : kUnary)
    {
        if (fn.name != name)
            continue;
        const double x = Argument();
        if (!(x >= fn.low && x <= fn.high) || (fn.open && x == fn.low))
        {
            Fail();
            return 0;
        }
        return fn.f(x);
    }
    Fail();
    return 0;
}

MuparserCalculator::MuparserCalculator()
{
    m_parser.DefineConst("pi", kPi);
    m_parser.DefineConst("e", kE);
    m_parser.DefineVar("ans", &m_ans);
    m_parser.DefineFun("pow", Pow);
}

bool MuparserCalculator::Calculate(std::u16string_view strExpr, std::u16string& strResult,
                                   int iAccuracy)
{
    m_text.resize(strExpr.size());
    for (std::size_t i = 0; i < strExpr.size(); ++i)
        m_text[i] = static_cast<char>(strExpr[i]);
    double value = 0;
    try
    {
        m_parser.SetExpr(m_text);
        value = m_parser.Eval();
    }
    catch (const mu::Parser::exception_type&)
    {
        return false;
    }
    if (!WriteTexts(value, iAccuracy, strResult, m_previous))
        return false;
    // As in the engine, `ans` is the value of the previous result text.
    return ReadPrevious(m_previous, m_ans);
}

} // namespace EngineReferences
