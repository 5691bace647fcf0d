#pragma once
// A typed expression as the parser reads it: lower case, its brackets
// counted, and the '*' written out that the user left implicit.
//
// The implicit-multiplication rules, by the character before and after:
//   ')' before anything but an operator, ',' or ')'           (2)(3), (3)2
//   a digit, 'e' or 'i' before '('                             2(3), pi(4)
//   'e' or 'i' (the last letters of e and pi) before a digit or '.'   pi2, e3
//   a digit before anything but an operator, ',', ')', a digit or '.'
//                                                              2pi, 2sqrt(9)
//   ' or " (the end of a length) before a letter or '('       5'pi, 5'(2)
// No '*' goes between the name log10 and its bracket; everywhere else the
// rules hold as for any operand, so 2e3 is 2*e*3 and log(2pi,10) has 2*pi.
// Spaces go, as if removed before (2 3 is 23, s i n(30) is sin(30)), but for
// one that stands between whole inches and their fraction (6 1/2").

#include <string>
#include <string_view>

namespace MyTools
{

// Writes the prepared text to out (as bytes, followed by a NUL; out grows as
// needed) and returns its length. ASCII characters keep their code; any other
// code unit becomes one byte the tokenizer refuses. Throws errBrackets when
// the numbers of '(' and ')' differ.
std::size_t PrepareText(std::u16string_view strExpr, std::string& out);

// The buffer a request prepares its text in, kept from one request to the
// next (requests never overlap: the engine runs on the host's user-interface
// thread only). A request with a very long text gives its memory back.
class RequestText
{
public:
    RequestText();
    ~RequestText();
    RequestText(const RequestText&) = delete;
    RequestText& operator=(const RequestText&) = delete;

    std::string& Buffer() { return buffer; }

private:
    std::string& buffer;
};

} // namespace MyTools
