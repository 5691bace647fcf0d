#pragma once
// A length or an area as text in a drawing's length format (LUNITS), as CAD
// programs write them. With precision 4, 126.5 is
//   1 scientific     1.2650E+02
//   2 decimal        126.5000
//   3 engineering    10'-6.5000"
//   4 architectural  10'-6 1/2"
//   5 fractional     126 1/2"
// In 3 to 5 the drawing unit is the inch. The precision (LUPREC) is the count
// of decimals, in 4 and 5 the denominator as a power of two (0 whole inches,
// 4 sixteenths, at most 8: 256ths); fractions are reduced. Whatever rounds to
// zero has no sign, 0" is zero in 4 and 5, feet appear from one foot on
// (6 1/2", 10'-0", -10'-6 1/2"), and engineering always writes its inches.
// Every finite value is written exactly as rounded, however large (1e12 at
// 4/8 is 83333333333'-4"); infinity and NaN as "inf", "-inf" and "nan". A
// format outside 1 to 5 is decimal. The calculator reads the texts of 3 to 5
// back as the same length.

#include <string>

std::string LengthText(double dValue, int iLunits, int iPrecision);

// An area in square drawing units: in 1 and 2 the number as a length would
// be; in 3 to 5 square inches and square feet with as many decimals as the
// precision, "2000.0000 square in. (13.8889 square ft.)".
std::string AreaText(double dValue, int iLunits, int iPrecision);
