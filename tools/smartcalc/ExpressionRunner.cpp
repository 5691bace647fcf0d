#include "ExpressionRunner.h"

#include "TMyTinyExpr.h"
#include "TMyUtf8.h"
#include "TextCodec.h"

#include <algorithm>
#include <exception>
#include <iostream>

namespace
{

std::string ErrorLine(int iCode)
{
    return "error " + std::to_string(iCode) + ": " + MyTools::ErrorMessage(iCode);
}

} // namespace

ExpressionRunner::ExpressionRunner(int iAccuracy, int iAngleUnit) : m_accuracy(iAccuracy)
{
    // The angle unit is module-wide engine state; one setting serves every line.
    MyTools::TMyTinyExpr().SetAngleUnit(iAngleUnit);
}

std::string ExpressionRunner::Run(std::string_view strLine)
{
    std::u16string strExpr = Utf8ToUtf16(strLine);
    strExpr.erase(std::remove(strExpr.begin(), strExpr.end(), u' '), strExpr.end());
    if (strExpr.empty())
        return {};

    try
    {
        MyTools::TMyTinyExpr expr;
        std::u16string strResult;
        expr.GetResult(std::move(strExpr), strResult, m_accuracy);
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
