#include "ExpressionRunner.h"

#include "LengthText.h"
#include "TMyTinyExpr.h"
#include "TMyUtf8.h"
#include "TextCodec.h"

#include <exception>
#include <iostream>

namespace
{

std::string ErrorLine(int iCode)
{
    return "error " + std::to_string(iCode) + ": " + MyTools::ErrorMessage(iCode);
}

} // namespace

ExpressionRunner::ExpressionRunner(int iAccuracy, int iAngleUnit, int iLunits)
    : m_accuracy(iAccuracy), m_lunits(iLunits)
{
    // The angle unit is module-wide engine state; one setting serves every line.
    MyTools::TMyTinyExpr().SetAngleUnit(iAngleUnit);
}

std::string ExpressionRunner::Run(std::string_view strLine)
{
    // The engine reads the spaces: inside a length they count (5'-6 1/2").
    std::u16string strExpr = Utf8ToUtf16(strLine);
    if (strExpr.find_first_not_of(u' ') == std::u16string::npos)
        return {};

    try
    {
        MyTools::TMyTinyExpr expr;
        std::u16string strResult;
        double value = 0;
        expr.GetResult(strExpr, strResult, m_accuracy, value);
        if (m_lunits != 2)
            return LengthText(value, m_lunits, m_accuracy);
        return MyTools::Utf16ToUtf8(strResult);
    }
    catch (int iCode)
    {
        m_anyFailed = true;
        return ErrorLine(iCode);
    }
    catch (const std::exception& e)
    {
        // Not an engine code (memory exhaustion, say): still one line per
        // expression on standard output, the detail on standard error.
        m_anyFailed = true;
        std::cerr << "smartcalc: " << e.what() << '\n';
        return ErrorLine(0);
    }
}
