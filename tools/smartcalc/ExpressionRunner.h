#pragma once
// One calculation per input line, as the panel's calculation request does it:
// spaces out, the engine at the chosen accuracy, a failure turned into text.

#include <string>
#include <string_view>

class ExpressionRunner
{
public:
    ExpressionRunner(int iAccuracy, int iAngleUnit);

    // The output line (without line end) for one expression in UTF-8: the
    // result, "error CODE: MESSAGE", or nothing for a blank expression.
    std::string Run(std::string_view strLine);

    bool AnyFailed() const { return m_anyFailed; }

private:
    int m_accuracy;
    bool m_anyFailed = false;
};
