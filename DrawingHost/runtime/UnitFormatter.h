#pragma once

#include "RuntimeExport.h"

#include <CTwUserIO.h>

// Angle, length and area texts in a drawing's units. Lengths and areas follow
// the drawing's length format (LUNITS) as the calculator's units library
// writes them, so that the host and the calculator never disagree on a text:
// 126.5 at precision 4 is 1.2650E+02, 126.5000, 10'-6.5000", 10'-6 1/2" or
// 126 1/2". Angular units:
//   0 decimal degrees  "60.0000"
//   1 deg/min/sec      "60d0'0\"" (precision 0: degrees, 1-2: minutes,
//                      3-4: seconds, more: decimals of seconds)
//   2 grads            "66.6667g"
//   3 radians          "1.0472r"
//   4 surveyor's       a direction as a bearing "N 30d0'0\" E"; an angle
//                      (bAngle) in decimal degrees like unit 0
// Settings come from the active drawing (precision 4, decimal degrees without
// one) unless the arguments give them.
class DH_RUNTIME_EXPORT UnitFormatter : public CTwUnitFormatter
{
public:
    CTwString AngleToText(double dRadians, int iUnit = -1, int iPrecision = -1, int iZeros = -1,
                          bool bAngle = true) const override;
    CTwString DistanceToText(double dValue, int iPrecision = -1) const override;
    // An area: in 3 to 5 "2000.0000 square in. (13.8889 square ft.)".
    QString AreaToText(double dValue) const;

    // The same with every setting given: what AngleToText does once it has
    // resolved the drawing's settings.
    static QString formatAngle(double dRadians, int iUnit, int iPrecision, bool bDropZeros,
                               bool bAngle);
};
