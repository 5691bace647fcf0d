#pragma once
// Unit conversion: the fixed catalogue of unit types and units, and the
// converter that turns one number from one unit into another of the same kind.
// Pure standard C++; the panel's conversion pane and the command-line tool
// read the catalogue (UnitCatalogue.h) and build a fresh UnitConverter per
// conversion.
//
// Data flow of one conversion (Convert):
//   Length/Area/Volume: |value| -> side of the square/cube -> metres
//                       -> target unit -> squared/cubed again
//   Angular:            value -> degrees -> target unit (the sign survives)

#include <cstdint>

// Position of a type in the pane's type list. Values outside 0..3 are
// representable on purpose: the converter treats them as Length.
enum class UnitType : std::int32_t
{
    Length = 0,
    Area = 1,
    Volume = 2,
    Angular = 3,
};

// One id stands for the metre, the square metre and the cubic metre alike;
// ids 8 and 9 are area units that stand for the side of a square as lengths.
enum class UnitId : std::int32_t
{
    Millimeter = 0,
    Centimeter = 1,
    Meter = 2,
    Kilometer = 3,
    Inch = 4,
    Foot = 5,
    Yard = 6,
    Mile = 7,
    Acre = 8,
    Hectare = 9,
    Degree = 10,
    Radian = 11,
    Circle = 12,
    Grad = 13,
};

// A value object: the fields are stored unchecked, and Convert works on
// value in place, so a second call converts the converted value again.
struct UnitConverter
{
    UnitType type;
    UnitId from;
    UnitId to;
    double value;

    UnitConverter(UnitType type, UnitId from, UnitId to, double value)
        : type(type), from(from), to(to), value(value)
    {
    }

    // The value expressed in the unit `to`; also left in `value`.
    double Convert();
};
