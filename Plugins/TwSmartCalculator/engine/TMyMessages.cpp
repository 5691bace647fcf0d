#include "TMyTinyExpr.h"

// lupdate reads these markers; the engine itself needs no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace MyTools
{

const char* ErrorMessage(int iCode)
{
    switch (iCode)
    {
    case errFormula:
        return QT_TRANSLATE_NOOP("CalculatorUI", "Error calculating the formula.");
    case errBrackets:
        return QT_TRANSLATE_NOOP("CalculatorUI", "Wrong number of brackets.");
    case errDivideByZero:
        return QT_TRANSLATE_NOOP("CalculatorUI", "Cannot divide by 0.");
    case errNoPreviousResult:
        return QT_TRANSLATE_NOOP("CalculatorUI", "There is no previous result.");
    case errArcSine:
        return QT_TRANSLATE_NOOP("CalculatorUI",
                                 "The arc sine is only defined for values between -1 and 1.");
    case errLogarithm:
        return QT_TRANSLATE_NOOP("CalculatorUI",
                                 "Logarithms are only defined for positive numbers.");
    case errRoot:
        return QT_TRANSLATE_NOOP("CalculatorUI",
                                 "It is not possible to extract a root from a negative number.");
    case errComma:
        return QT_TRANSLATE_NOOP(
            "CalculatorUI",
            "Commas are only accepted as separators for functions with multiple parameters.");
    case errRange:
        return QT_TRANSLATE_NOOP("CalculatorUI",
                                 "The result is greater/smaller than the largest/smallest "
                                 "possible number that can be represented.");
    case errInvalid:
        return QT_TRANSLATE_NOOP("CalculatorUI", "The expression is invalid.");
    case errArcCosine:
        return QT_TRANSLATE_NOOP("CalculatorUI",
                                 "The arc cosine is only defined for values between -1 and 1.");
    case errTangentDegrees:
        return QT_TRANSLATE_NOOP("CalculatorUI", "Tangent is not defined for 90 or 270 degrees.");
    case errTangentGrads:
        return QT_TRANSLATE_NOOP("CalculatorUI", "Tangent is not defined for 100 or 300 gradians.");
    case errTangentRadians:
        return QT_TRANSLATE_NOOP("CalculatorUI", "Tangent is not defined for (1/2)pi or (3/2)pi.");
    case errNesting:
        return QT_TRANSLATE_NOOP("CalculatorUI",
                                 "The expression is nested too deeply to be calculated.");
    case errLength:
        return QT_TRANSLATE_NOOP("CalculatorUI", "Feet (') and inches (\") follow a number, as in "
                                                 "5', 6\", 5'-6 1/2\" or 3/4\".");
    case errInchFraction:
        return QT_TRANSLATE_NOOP("CalculatorUI",
                                 "The denominator of an inch fraction cannot be 0.");
    default:
        return QT_TRANSLATE_NOOP("CalculatorUI", "Unknown error in formula.");
    }
}

} // namespace MyTools
