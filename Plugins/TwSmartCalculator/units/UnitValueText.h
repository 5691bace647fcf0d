#pragma once
// Text forms of a value to convert and of a converted value, independent of
// the process's locale. The conversion pane hands the text of its value field
// and its three selections to ConvertValueText on every change and shows what
// comes back: a converted value, or why there is none.

#include "UnitConverter.h"

#include <string>
#include <string_view>

// As the conversion pane shows it: fixed notation with 10 decimals, then
// trailing zeros and a trailing point removed (7.6200000000 -> 7.62,
// 100.0000000000 -> 100). Values below half a unit in the tenth decimal
// show as 0 (or -0 for a negative value).
std::string ConvertedValueText(double value);

// The shortest text that reads back as the same double (1.4835298641951802).
std::string ExactValueText(double value);

enum class ConversionStatus
{
    Converted,  // text holds the converted value
    Empty,      // nothing typed
    Incomplete, // the start of a number ("-", "1e", "2,"): typing goes on
    NotANumber, // no more typing makes it a number ("--5", "e5", "1.2.3")
    TooLarge,   // the value or its conversion lies beyond the double range
};

struct Conversion
{
    ConversionStatus status = ConversionStatus::Empty;
    std::string text; // empty unless Converted
};

// A value as a person types it: an optional sign, digits with at most one
// '.' or ',' as the decimal point, and an optional exponent (e or E, an
// optional sign, digits): -5, 2,5, 1e5, 1.5E-3. Nothing else, spaces
// included, is taken; the text is read as it stands, never corrected.
// A number below the smallest double reads as 0. A length from feet or
// inches also takes feet and inches as the calculator reads them, in the
// From unit: 5'-6 1/2" is 5.5416666667 feet, or 66.5 inches.
//
// The sign survives every conversion: all of them are proportional, so -5 m
// is -500 cm, as -5 degrees is -0.0872664626 radians.
Conversion ConvertValueText(UnitType type, UnitId from, UnitId to, std::u16string_view text);
