#pragma once
// Locale-independent number text: reading as C's strtod does in the classic
// locale, and writing as printf's %.Nf and %.10g do. The host process may run
// under any user locale, so nothing here consults the global one.

#include <cstddef>
#include <string>

namespace MyTools
{

// Reads a number at pText as strtod does ("C" locale). Returns the number of
// characters consumed (0: no number there). Sets bRange when strtod reports a
// range error. pText must be NUL-terminated.
std::size_t ReadNumber(const char* pText, double& dValue, bool& bRange);

// Reads numbers as ReadNumber does, at less cost, from texts whose end is
// known (pEnd, where a NUL must follow): std::from_chars gives strtod's value
// wherever both read decimal text to the nearest double, and strtod is left
// the rest. The rounding mode is read when the reader is made; it must not
// change while the reader is in use.
class NumberReader
{
public:
    NumberReader();
    // For a caller that knows whether both units round to nearest.
    explicit NumberReader(bool bRoundsToNearest);
    std::size_t Read(const char* pText, const char* pEnd, double& dValue, bool& bRange) const;

private:
    bool toNearest;
};

// Fixed notation with iDecimals digits after the point (printf "%.*f"; a
// negative count means 6, as there).
std::string FormatFixed(double dValue, int iDecimals);

// The same written to [pFirst, pLast) without allocating: the end of the
// text, or null when it does not fit.
char* FormatFixed(double dValue, int iDecimals, char* pFirst, char* pLast);

// Up to iDigits significant digits, exponent form for exponents below -4 or
// from iDigits on, no trailing zeros (printf "%.*g"); null when it does not fit.
char* FormatGeneral(double dValue, int iDigits, char* pFirst, char* pLast);

// The end of a fixed-notation text without the zeros that end its decimals,
// and without its point if nothing follows it. A text without a point (a
// whole number, "inf") ends where it ends.
const char* TrimmedEnd(const char* pFirst, const char* pLast);

// Ten decimals, trimmed (12.5, 100, 0.3333333333): how a number from outside
// the keyboard enters the input line, and how a converted value is shown.
std::string TenDecimalsText(double dValue);

} // namespace MyTools
