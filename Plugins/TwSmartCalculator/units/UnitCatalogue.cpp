#include "UnitCatalogue.h"

// lupdate finds the texts through this macro; the library itself needs no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

#include <array>

namespace
{

// The texts are the keys of the translations: a change here needs the same
// change in the catalogues.
constexpr std::array kTypes{
    UnitTypeEntry{UnitType::Length, QT_TRANSLATE_NOOP("CalculatorUI", "Length")},
    UnitTypeEntry{UnitType::Area, QT_TRANSLATE_NOOP("CalculatorUI", "Area")},
    UnitTypeEntry{UnitType::Volume, QT_TRANSLATE_NOOP("CalculatorUI", "Volume")},
    UnitTypeEntry{UnitType::Angular, QT_TRANSLATE_NOOP("CalculatorUI", "Angular")},
};

// Metric small units, imperial units, then metre and kilometre, then the mile:
// position and id differ.
constexpr std::array kLengths{
    UnitEntry{UnitId::Millimeter, QT_TRANSLATE_NOOP("CalculatorUI", "Millimeters")},
    UnitEntry{UnitId::Centimeter, QT_TRANSLATE_NOOP("CalculatorUI", "Centimeters")},
    UnitEntry{UnitId::Inch, QT_TRANSLATE_NOOP("CalculatorUI", "Inches")},
    UnitEntry{UnitId::Foot, QT_TRANSLATE_NOOP("CalculatorUI", "Feet")},
    UnitEntry{UnitId::Yard, QT_TRANSLATE_NOOP("CalculatorUI", "Yards")},
    UnitEntry{UnitId::Meter, QT_TRANSLATE_NOOP("CalculatorUI", "Meters")},
    UnitEntry{UnitId::Kilometer, QT_TRANSLATE_NOOP("CalculatorUI", "Kilometers")},
    UnitEntry{UnitId::Mile, QT_TRANSLATE_NOOP("CalculatorUI", "Miles")},
};

constexpr std::array kAreas{
    UnitEntry{UnitId::Millimeter, QT_TRANSLATE_NOOP("CalculatorUI", "Square Millimeters")},
    UnitEntry{UnitId::Centimeter, QT_TRANSLATE_NOOP("CalculatorUI", "Square Centimeters")},
    UnitEntry{UnitId::Inch, QT_TRANSLATE_NOOP("CalculatorUI", "Square Inches")},
    UnitEntry{UnitId::Foot, QT_TRANSLATE_NOOP("CalculatorUI", "Square Feet")},
    UnitEntry{UnitId::Yard, QT_TRANSLATE_NOOP("CalculatorUI", "Square Yards")},
    UnitEntry{UnitId::Meter, QT_TRANSLATE_NOOP("CalculatorUI", "Square Meters")},
    UnitEntry{UnitId::Kilometer, QT_TRANSLATE_NOOP("CalculatorUI", "Square Kilometers")},
    UnitEntry{UnitId::Mile, QT_TRANSLATE_NOOP("CalculatorUI", "Square Miles")},
    UnitEntry{UnitId::Acre, QT_TRANSLATE_NOOP("CalculatorUI", "Acres")},
    UnitEntry{UnitId::Hectare, QT_TRANSLATE_NOOP("CalculatorUI", "Hectare")},
};

constexpr std::array kVolumes{
    UnitEntry{UnitId::Millimeter, QT_TRANSLATE_NOOP("CalculatorUI", "Cubic Millimeters")},
    UnitEntry{UnitId::Centimeter, QT_TRANSLATE_NOOP("CalculatorUI", "Cubic Centimeters")},
    UnitEntry{UnitId::Inch, QT_TRANSLATE_NOOP("CalculatorUI", "Cubic Inches")},
    UnitEntry{UnitId::Foot, QT_TRANSLATE_NOOP("CalculatorUI", "Cubic Feet")},
    UnitEntry{UnitId::Yard, QT_TRANSLATE_NOOP("CalculatorUI", "Cubic Yards")},
    UnitEntry{UnitId::Meter, QT_TRANSLATE_NOOP("CalculatorUI", "Cubic Meters")},
    UnitEntry{UnitId::Kilometer, QT_TRANSLATE_NOOP("CalculatorUI", "Cubic Kilometers")},
    UnitEntry{UnitId::Mile, QT_TRANSLATE_NOOP("CalculatorUI", "Cubic Miles")},
};

constexpr std::array kAngles{
    UnitEntry{UnitId::Degree, QT_TRANSLATE_NOOP("CalculatorUI", "Degrees")},
    UnitEntry{UnitId::Grad, QT_TRANSLATE_NOOP("CalculatorUI", "Grads")},
    UnitEntry{UnitId::Radian, QT_TRANSLATE_NOOP("CalculatorUI", "Radians")},
    UnitEntry{UnitId::Circle, QT_TRANSLATE_NOOP("CalculatorUI", "Circles")},
};

} // namespace

std::span<const UnitTypeEntry> UnitTypes()
{
    return kTypes;
}

std::span<const UnitEntry> UnitsOf(UnitType type)
{
    switch (type)
    {
    case UnitType::Length:
        return kLengths;
    case UnitType::Area:
        return kAreas;
    case UnitType::Volume:
        return kVolumes;
    case UnitType::Angular:
        return kAngles;
    }
    return {};
}

UnitId UnitIdAt(UnitType type, int iPosition)
{
    if (type == UnitType::Angular)
    {
        if (iPosition >= 0 && iPosition < static_cast<int>(kAngles.size()))
            return kAngles[static_cast<std::size_t>(iPosition)].id;
        return UnitId::Degree;
    }
    if (iPosition >= 0 && iPosition < static_cast<int>(kAreas.size()))
        return kAreas[static_cast<std::size_t>(iPosition)].id;
    return UnitId::Centimeter;
}
