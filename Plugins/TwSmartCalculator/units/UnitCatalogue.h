#pragma once
// The fixed catalogue that the conversion pane lists: the unit types in order
// and, per type, the units in the order the pane offers them. A list position
// is all the pane knows of a selection; these tables turn it into an id.
//
// The texts are untranslated source texts of the translation context
// "CalculatorUI"; callers translate them for display.

#include "UnitConverter.h"

#include <span>

struct UnitTypeEntry
{
    UnitType type;
    const char* text;
};

struct UnitEntry
{
    UnitId id;
    const char* text;
};

// Length, Area, Volume, Angular: position in this list == UnitType value.
std::span<const UnitTypeEntry> UnitTypes();

// The units of one type in the pane's order; empty for a type outside 0..3.
std::span<const UnitEntry> UnitsOf(UnitType type);

// The id a list position stands for, with the pane's fall-backs for a position
// that no entry has: Degree for Angular; otherwise positions 0..9 follow the
// area list (the longest) and anything else is Centimeter.
UnitId UnitIdAt(UnitType type, int iPosition);
