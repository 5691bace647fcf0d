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

// Fixed notation with iDecimals digits after the point (printf "%.*f").
std::string FormatFixed(double dValue, int iDecimals);

// Up to 10 significant digits, exponent form for exponents below -4 or from 10
// on, no trailing zeros (printf "%.10g").
std::string FormatGeneral10(double dValue);

} // namespace MyTools
