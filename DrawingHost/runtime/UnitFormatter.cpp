#include "UnitFormatter.h"

#include <CTwDocument.h>
#include <LengthText.h>

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace
{
constexpr int kMaxPrecision = 16;

QString fixed(double dValue, int iPrecision, bool bDropZeros)
{
    QString text = QString::number(dValue, 'f', iPrecision);
    if (bDropZeros && text.contains(QLatin1Char('.')))
    {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    // -0.0000 says nothing a reader needs.
    if (text.startsWith(QLatin1Char('-')) &&
        std::all_of(text.begin() + 1, text.end(), [](QChar c) { return c == u'0' || c == u'.'; }))
        text.remove(0, 1);
    return text;
}

// Degrees as d/m/s. Rounds once, at the smallest unit shown, so that 59.9999
// seconds never print as 60.
QString degreesMinutesSeconds(double dDegrees, int iPrecision)
{
    const bool negative = dDegrees < 0;
    const double value = std::fabs(dDegrees);
    QString text;
    if (iPrecision <= 0)
    {
        text = QStringLiteral("%1d").arg(std::llround(value));
    }
    else if (iPrecision <= 2)
    {
        const long long minutes = std::llround(value * 60.0);
        text = QStringLiteral("%1d%2'").arg(minutes / 60).arg(minutes % 60);
    }
    else
    {
        const int decimals = std::max(0, iPrecision - 4);
        const double scale = std::pow(10.0, decimals);
        const double units = std::round(value * 3600.0 * scale); // seconds * scale
        const long long wholeSeconds = static_cast<long long>(units / scale);
        const double fraction = units - double(wholeSeconds) * scale;
        const long long degrees = wholeSeconds / 3600;
        const long long minutes = (wholeSeconds / 60) % 60;
        const long long seconds = wholeSeconds % 60;
        QString secondsText = QString::number(seconds);
        if (decimals > 0)
            secondsText +=
                QLatin1Char('.') + QStringLiteral("%1").arg(static_cast<long long>(fraction),
                                                            decimals, 10, QLatin1Char('0'));
        text = QStringLiteral("%1d%2'%3\"").arg(degrees).arg(minutes).arg(secondsText);
    }
    return negative && text != QLatin1String("0d") ? QLatin1Char('-') + text : text;
}

// A direction (counterclockwise from east) as a bearing from north or south
// towards east or west.
QString bearing(double dRadians, int iPrecision)
{
    double degrees = std::fmod(qRadiansToDegrees(dRadians), 360.0);
    if (degrees < 0)
        degrees += 360.0;
    // Compass angle clockwise from north.
    double compass = std::fmod(450.0 - degrees, 360.0);
    const bool north = compass <= 90.0 || compass >= 270.0;
    double fromAxis =
        north ? (compass <= 90.0 ? compass : 360.0 - compass) : std::fabs(180.0 - compass);
    const bool east = compass > 0.0 && compass < 180.0;
    const bool west = compass > 180.0 && compass < 360.0;
    if (fromAxis == 0.0)
        return north ? QStringLiteral("N") : QStringLiteral("S");
    if (fromAxis == 90.0)
        return east ? QStringLiteral("E") : QStringLiteral("W");
    return QStringLiteral("%1 %2 %3")
        .arg(north ? QLatin1Char('N') : QLatin1Char('S'))
        .arg(degreesMinutesSeconds(fromAxis, iPrecision))
        .arg(east ? QLatin1Char('E') : (west ? QLatin1Char('W') : QLatin1Char('E')));
}

const OdDbDatabase* activeDatabase()
{
    CTwDocument* pDoc = ACTIVE_DOCUMENT();
    if (!pDoc)
        return nullptr;
    return pDoc->GetDatabase().get();
}
} // namespace

QString UnitFormatter::formatAngle(double dRadians, int iUnit, int iPrecision, bool bDropZeros,
                                   bool bAngle)
{
    if (!std::isfinite(dRadians))
        return QString::number(dRadians);
    iPrecision = std::clamp(iPrecision, 0, kMaxPrecision);
    switch (iUnit)
    {
    case 1:
        return degreesMinutesSeconds(qRadiansToDegrees(dRadians), iPrecision);
    case 2:
        return fixed(dRadians * 200.0 / M_PI, iPrecision, bDropZeros) + QLatin1Char('g');
    case 3:
        return fixed(dRadians, iPrecision, bDropZeros) + QLatin1Char('r');
    case 4:
        if (!bAngle)
            return bearing(dRadians, iPrecision);
        [[fallthrough]];
    default:
        return fixed(qRadiansToDegrees(dRadians), iPrecision, bDropZeros);
    }
}

CTwString UnitFormatter::AngleToText(double dRadians, int iUnit, int iPrecision, int iZeros,
                                     bool bAngle) const
{
    const OdDbDatabase* pDb = activeDatabase();
    if (iUnit < 0)
        iUnit = pDb ? pDb->getAUNITS() : 0;
    if (iPrecision < 0)
        iPrecision = pDb ? pDb->getLUPREC() : 4;
    return formatAngle(dRadians, iUnit, iPrecision, iZeros > 0, bAngle);
}

CTwString UnitFormatter::DistanceToText(double dValue, int iPrecision) const
{
    const OdDbDatabase* pDb = activeDatabase();
    if (iPrecision < 0)
        iPrecision = pDb ? pDb->getLUPREC() : 4;
    return QString::fromStdString(LengthText(dValue, pDb ? pDb->getLUNITS() : 2, iPrecision));
}

QString UnitFormatter::AreaToText(double dValue) const
{
    const OdDbDatabase* pDb = activeDatabase();
    return QString::fromStdString(
        AreaText(dValue, pDb ? pDb->getLUNITS() : 2, pDb ? pDb->getLUPREC() : 4));
}
