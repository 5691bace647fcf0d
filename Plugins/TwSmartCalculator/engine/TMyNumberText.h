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

// Fixed notation with iDecimals digits after the point (printf "%.*f").
std::string FormatFixed(double dValue, int iDecimals);

// Up to 10 significant digits, exponent form for exponents below -4 or from 10
// on, no trailing zeros (printf "%.10g").
std::string FormatGeneral10(double dValue);

// The same texts written to [pFirst, pLast), without allocating: the end of
// the text, or null when it does not fit.
char* FormatFixed(double dValue, int iDecimals, char* pFirst, char* pLast);
char* FormatGeneral10(double dValue, char* pFirst, char* pLast);

} // namespace MyTools
