#include "TMyTinyExpr.h"

#include "TMyFloatingPoint.h"
#include "TMyFunctions.h"
#include "TMyParser.h"
#include "TMyPreparedText.h"
#include "TMyResultText.h"

#include <cmath>

namespace MyTools
{

TMyTinyExpr::~TMyTinyExpr() = default;

void TMyTinyExpr::SetAngleUnit(int iUnit)
{
    AngleUnit() = iUnit;
}

void TMyTinyExpr::GetResult(std::u16string_view strExpr, std::u16string& strResult, int iAccuracy)
{
    WriteResult(EvaluateRequest(strExpr), iAccuracy, strResult, &PreviousResultText());
}

void TMyTinyExpr::GetResult(std::u16string_view strExpr, std::u16string& strResult, int iAccuracy,
                            double& dValue)
{
    const double value = EvaluateRequest(strExpr);
    WriteResult(value, iAccuracy, strResult, &PreviousResultText());
    dValue = value;
}

void TMyTinyExpr::PreviewResult(std::u16string_view strExpr, std::u16string& strResult,
                                int iAccuracy)
{
    WriteResult(EvaluateRequest(strExpr), iAccuracy, strResult, nullptr);
}

void TMyTinyExpr::PreviewResult(std::u16string_view strExpr, std::u16string& strResult,
                                int iAccuracy, double& dValue)
{
    const double value = EvaluateRequest(strExpr);
    WriteResult(value, iAccuracy, strResult, nullptr);
    dValue = value;
}

double TMyTinyExpr::EvaluateRequest(std::u16string_view strExpr)
{
    RequestText text;
    const std::size_t length = PrepareText(strExpr, text.Buffer());
    double value = 0;
    {
        // One guest for the whole request: reading the numbers, too, runs
        // with the traps masked and leaves the host's flags as they were.
        FloatingPointGuest guest;
        value = EvaluatePreparedText(std::string_view(text.Buffer().data(), length),
                                     NumberReader(guest.RoundsToNearest()));
    }
    // A result is a number the user can go on with: "inf" or "nan" would
    // reach the line, the history, `ans` and the memory.
    if (std::isinf(value))
        throw static_cast<int>(errRange);
    if (std::isnan(value))
        throw static_cast<int>(errInvalid);
    return value;
}

std::u16string TMyTinyExpr::GetLastResult()
{
    return PreviousResultText();
}

} // namespace MyTools
