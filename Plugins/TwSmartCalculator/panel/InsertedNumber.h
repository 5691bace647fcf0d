#pragma once
// Numbers that enter the input line from outside the keyboard: the memory
// register's value and measured distances, areas, perimeters and angles.

class QString;

// Fixed notation with ten decimals, then trailing zeros and a trailing point
// removed: 12.5 gives "12.5", 100 gives "100", 1/3 gives "0.3333333333".
QString InsertedNumberText(double value);

// The evaluator's angle unit for a drawing's angular unit code: grads (2) and
// radians (3) as they are; decimal degrees, degrees/minutes/seconds and
// surveyor's units (0, 1, 4) all compute in degrees (0).
int CalculatorAngleUnit(int iAunits);

// An angle given in radians, in the unit the calculator computes with for a
// drawing of that angular unit code, so that the number works in the drawing's
// trigonometry.
double AngleInCalculatorUnit(double radians, int iAunits);
