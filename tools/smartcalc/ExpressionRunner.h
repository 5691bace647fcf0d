#pragma once
// One calculation per input line, as the panel's calculation request does it:
// the engine at the chosen accuracy, the result in the chosen length format,
// a failure turned into text.

#include <string>
#include <string_view>

class ExpressionRunner
{
public:
    // iLunits: the length format of LengthText; 2 writes the calculator's
    // own result text (trailing zeros trimmed).
    ExpressionRunner(int iAccuracy, int iAngleUnit, int iLunits = 2);

    // The output line (without line end) for one expression in UTF-8: the
    // result, "error CODE: MESSAGE", or nothing for a blank expression.
    std::string Run(std::string_view strLine);

    bool AnyFailed() const { return m_anyFailed; }

private:
    int m_accuracy;
    int m_lunits;
    bool m_anyFailed = false;
};
