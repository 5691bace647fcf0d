#pragma once
// Text forms of a converted value, independent of the process's locale.

#include <string>
#include <string_view>

// As the conversion pane shows it: fixed notation with 10 decimals, then
// trailing zeros and a trailing point removed (7.6200000000 -> 7.62,
// 100.0000000000 -> 100). Values below half a unit in the tenth decimal
// show as 0 (or -0 for a negative angle).
std::string ConvertedValueText(double value);

// The shortest text that reads back as the same double (1.4835298641951802).
std::string ExactValueText(double value);

// Reads the value to convert as the pane's field holds it: digits with at
// most one '.', in any locale. Text that is not such a number (empty, a lone
// ".") reads as 0, and so does a number too small for a double. Returns false,
// leaving value 0, for a number too large for one (400 nines).
bool ReadValueText(std::string_view text, double& value);
