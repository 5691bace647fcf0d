#include "UnitConverter.h"

#include <cmath>

// Every factor below is applied as the multiplication or division it is listed
// as, never through a reciprocal: results must agree with the reference values
// to the last digits, and the inch is deliberately not its own inverse.
namespace
{

constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kDegreesPerCircle = 360.0;
constexpr double kDegreesPerGrad = 0.9;
constexpr double kFeetPerMeter = 3.2808398950131;
constexpr double kAcresPerSquareMeter = 0.00024710538146717;
constexpr double kOneThird = 0.3333333333333333;

// Metres per side of a square acre is 1/s; s is taken at each use.
double AcreSide()
{
    return std::sqrt(kAcresPerSquareMeter);
}

void IntoDegrees(UnitId from, double& value)
{
    switch (from)
    {
    case UnitId::Radian:
        value *= kDegreesPerRadian;
        break;
    case UnitId::Circle:
        value *= kDegreesPerCircle;
        break;
    case UnitId::Grad:
        value *= kDegreesPerGrad;
        break;
    default:
        break; // the degree and anything unknown count as degrees
    }
}

void OutOfDegrees(UnitId to, double& value)
{
    switch (to)
    {
    case UnitId::Radian:
        value /= kDegreesPerRadian;
        break;
    case UnitId::Circle:
        value /= kDegreesPerCircle;
        break;
    case UnitId::Grad:
        value /= kDegreesPerGrad;
        break;
    default:
        break;
    }
}

// Ids outside 0..9 leave the value as it is: it then counts as metres.
void IntoMeters(UnitId from, double& value)
{
    switch (from)
    {
    case UnitId::Millimeter:
        value /= 1000.0;
        break;
    case UnitId::Centimeter:
        value /= 100.0;
        break;
    case UnitId::Meter:
        break;
    case UnitId::Kilometer:
        value *= 1000.0;
        break;
    case UnitId::Inch:
        value *= 0.0254;
        break;
    case UnitId::Foot:
        value /= kFeetPerMeter;
        break;
    case UnitId::Yard:
        value *= 0.9144;
        break;
    case UnitId::Mile:
        value *= 1609.344;
        break;
    case UnitId::Acre:
        value /= AcreSide();
        break;
    case UnitId::Hectare:
        value *= 100.0;
        break;
    default:
        break;
    }
}

void OutOfMeters(UnitId to, double& value)
{
    switch (to)
    {
    case UnitId::Millimeter:
        value *= 1000.0;
        break;
    case UnitId::Centimeter:
        value *= 100.0;
        break;
    case UnitId::Meter:
        break;
    case UnitId::Kilometer:
        value /= 1000.0;
        break;
    case UnitId::Inch:
        value *= 39.37007874;
        break;
    case UnitId::Foot:
        value *= kFeetPerMeter;
        break;
    case UnitId::Yard:
        value /= 0.9144;
        break;
    case UnitId::Mile:
        value /= 1609.344;
        break;
    case UnitId::Acre:
        value *= AcreSide();
        break;
    case UnitId::Hectare:
        value /= 100.0;
        break;
    default:
        break;
    }
}

} // namespace

double UnitConverter::Convert()
{
    if (type == UnitType::Angular)
    {
        IntoDegrees(from, value);
        OutOfDegrees(to, value);
        return value;
    }

    // Lengths, areas and volumes have no sign; any other type is a length.
    if (value < 0.0)
        value = std::fabs(value);
    if (type == UnitType::Area)
        value = std::sqrt(value);
    else if (type == UnitType::Volume)
        value = std::pow(value, kOneThird); // not cbrt: the reference results use pow

    IntoMeters(from, value);
    OutOfMeters(to, value);

    if (type == UnitType::Area)
        value = std::pow(value, 2.0);
    else if (type == UnitType::Volume)
        value = std::pow(value, 3.0);
    return value;
}
