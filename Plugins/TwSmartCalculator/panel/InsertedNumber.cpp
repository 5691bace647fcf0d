#include "InsertedNumber.h"

#include <TMyNumberText.h>
#include <TMyTinyExpr.h>

#include <QString>

namespace
{
constexpr int kDegrees = 0;
constexpr int kGrads = 2;
constexpr int kRadians = 3;
using MyTools::kPi;
} // namespace

QString InsertedNumberText(double value)
{
    return QString::fromStdString(MyTools::TenDecimalsText(value));
}

int CalculatorAngleUnit(int iAunits)
{
    return (iAunits == kGrads || iAunits == kRadians) ? iAunits : kDegrees;
}

double AngleInCalculatorUnit(double radians, int iAunits)
{
    switch (CalculatorAngleUnit(iAunits))
    {
    case kGrads:
        return radians * (200.0 / kPi);
    case kRadians:
        return radians;
    default:
        return radians * (180.0 / kPi);
    }
}
