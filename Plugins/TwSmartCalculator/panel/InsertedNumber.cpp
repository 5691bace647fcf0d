#include "InsertedNumber.h"

#include <QRegularExpression>
#include <QString>

namespace
{
constexpr int kDegrees = 0;
constexpr int kGrads = 2;
constexpr int kRadians = 3;
constexpr double kPi = 3.141592653589793;
} // namespace

QString InsertedNumberText(double value)
{
    // 'f' formatting is locale-free: the point is '.' for every user.
    QString text = QStringLiteral("%1").arg(value, 0, 'f', 10, QLatin1Char(' '));
    static const QRegularExpression trailingZeros(QStringLiteral("0+$"));
    static const QRegularExpression trailingPoint(QStringLiteral("\\.$"));
    static const QRegularExpression trailingComma(QStringLiteral("\\,$"));
    text.remove(trailingZeros);
    text.remove(trailingPoint);
    text.remove(trailingComma);
    return text;
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
