#pragma once
// The calculation engine: a tiny expression evaluator, the calculation request
// that turns a typed expression into result text, and the error-message
// catalogue. Pure standard C++; the panel and the command-line tool drive it.
//
// Data flow of one request (GetResult), one file per step:
//   typed text -> TMyPreparedText: lower case, bracket count, implicit '*',
//   spaces out -> TMyParser: bytes -> tokens (a number or a length in feet
//   and inches, TMyLengthLiteral) and recursive descent, each call
//   (TMyFunctions) evaluated as the parser completes it -> a finite value
//   -> TMyResultText: result text + previous result text (what `ans` reads).
// Failures are thrown as plain int error codes; ErrorMessage maps them to text.

#include <string>
#include <string_view>

namespace MyTools
{

enum ErrorCode : int
{
    errFormula = 49,
    errBrackets = 51,
    errDivideByZero = 52,
    errNoPreviousResult = 53,
    errArcSine = 54,
    errLogarithm = 55,
    errRoot = 56,
    errComma = 65,
    errRange = 66,
    errInvalid = 68,
    errArcCosine = 69,
    errTangentDegrees = 70,
    errTangentGrads = 71,
    errTangentRadians = 72,
    // Our own: brackets and function calls nested deeper than kMaxNesting.
    // Refused so that a pasted monster cannot exhaust the host's stack.
    errNesting = 90,
    // Our own: a length in feet and inches that is not written as one
    // (5'', 5'6, a lone "), and an inch fraction with 0 below the line.
    errLength = 91,
    errInchFraction = 92,
};

// The expression without the spaces that mean nothing to it: all of them but
// the one between whole inches and their fraction (6 1/2"). What a history
// row shows, so that the row reads as it calculates.
std::u16string WithoutSpaces(std::u16string_view strExpr);

// The message for an error code, as an untranslated source text of the
// translation context "CalculatorUI". Unknown codes get the generic message.
const char* ErrorMessage(int iCode);

// pi as the language reads it, for every angle the module converts.
inline constexpr double kPi = 3.141592653589793;

class TMyTinyExpr
{
public:
    // Brackets and function calls nested deeper than this raise errNesting.
    static constexpr int kMaxNesting = 1000;

    TMyTinyExpr() = default;
    virtual ~TMyTinyExpr();

    // Angle unit for trigonometry: 0 degrees, 2 grads, anything else radians.
    // Module-wide: shared by every instance.
    void SetAngleUnit(int iUnit);

    // Evaluates strExpr and writes the result with iAccuracy decimals (trailing
    // zeros trimmed, never "-0") to strResult. Throws an ErrorCode, errRange
    // for an infinite value and errInvalid for NaN; then strResult and the
    // previous result text are unchanged. strExpr is read before anything is
    // written.
    void GetResult(std::u16string_view strExpr, std::u16string& strResult, int iAccuracy);
    // The same, also giving the value before it was rounded, for a caller
    // that writes it in another form (feet and inches).
    void GetResult(std::u16string_view strExpr, std::u16string& strResult, int iAccuracy,
                   double& dValue);
    // What GetResult would write to strResult, leaving the previous result
    // text (and so `ans`) as it is: a look ahead while the person types.
    void PreviewResult(std::u16string_view strExpr, std::u16string& strResult, int iAccuracy);
    // The same, with the unrounded value in dValue.
    void PreviewResult(std::u16string_view strExpr, std::u16string& strResult, int iAccuracy,
                       double& dValue);
    // The last successful value with at least as many significant digits as
    // its result text showed, and at least 10 (what `ans` reads).
    std::u16string GetLastResult();

private:
    double EvaluateRequest(std::u16string_view strExpr);
};

} // namespace MyTools
