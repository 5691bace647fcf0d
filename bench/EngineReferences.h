#pragma once
// Two other ways to do what one calculation request does, measured beside the
// engine on the same corpus: each reads a 16-bit expression, evaluates it
// (trigonometry in radians), and writes the result with a given number of
// decimals (trailing zeros trimmed) and the previous result text that `ans`
// reads back. Both write their texts with std::to_chars, so
// the figures differ by parsing and evaluating only.
//
// - LeanCalculator is the lean limit: one recursive-descent pass that
//   evaluates as it parses, numbers read with std::from_chars. It knows the
//   corpus's language (numbers, + - * / ^, signs, brackets, pi, e, ans and
//   the functions the corpus calls) and refuses what it cannot read.
// - MuparserCalculator hands each expression to muparser afresh (SetExpr,
//   then Eval), with pi, e, ans and pow defined as our language has them.

#include <muParser.h>

#include <string>
#include <string_view>

namespace EngineReferences
{

class LeanCalculator
{
public:
    // False when the text does not parse or a function refuses its argument;
    // then the result and the previous result are unchanged.
    bool Calculate(std::u16string_view strExpr, std::u16string& strResult, int iAccuracy);

private:
    double Sum();
    double Product();
    double Power();
    double Signed();
    double Operand();
    double Number();
    double Call();
    double Argument();
    void Fail() { m_failed = true; }
    bool Accept(char16_t c);

    const char16_t* m_pos = nullptr;
    const char16_t* m_end = nullptr;
    bool m_failed = false;
    std::u16string m_previous;
};

class MuparserCalculator
{
public:
    MuparserCalculator();
    bool Calculate(std::u16string_view strExpr, std::u16string& strResult, int iAccuracy);

private:
    mu::Parser m_parser;
    std::string m_text;
    double m_ans = 0;
    std::u16string m_previous;
};

} // namespace EngineReferences
