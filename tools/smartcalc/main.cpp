// smartcalc: the calculator's engine and unit converter on the command line.
// Other tools drive it, so its output lines and exit codes are a contract:
// see HelpText() in SmartCalcOptions.cpp.

#include "ExpressionRunner.h"
#include "SmartCalcOptions.h"
#include "UnitValueText.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define SMARTCALC_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define SMARTCALC_ISATTY(fd) isatty(fd)
#endif

namespace
{

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int RunConversions(const SmartCalcOptions& options)
{
    for (double value : options.values)
    {
        UnitConverter converter(options.convertType, options.convertFrom, options.convertTo, value);
        const double converted = converter.Convert();
        std::cout << (options.exact ? ExactValueText(converted) : ConvertedValueText(converted))
                  << '\n';
    }
    return kExitOk;
}

int RunArguments(const SmartCalcOptions& options)
{
    ExpressionRunner runner(options.precision, options.angleUnit, options.lunits);
    for (const std::string& expression : options.expressions)
        std::cout << runner.Run(expression) << '\n';
    return runner.AnyFailed() ? kExitFailed : kExitOk;
}

// Every answer is flushed at once: a driving program may wait for it before
// writing the next line.
int RunStandardInput(const SmartCalcOptions& options)
{
    const bool interactive = SMARTCALC_ISATTY(0) != 0;
    ExpressionRunner runner(options.precision, options.angleUnit, options.lunits);
    if (interactive)
        std::cerr << "smartcalc: one expression per line, `ans` is the last result, Ctrl-D quits\n";

    std::string line;
    while (true)
    {
        if (interactive)
            std::cerr << "> " << std::flush;
        if (!std::getline(std::cin, line))
            break;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::cout << runner.Run(line) << std::endl;
    }
    if (interactive)
        std::cerr << '\n';
    return runner.AnyFailed() ? kExitFailed : kExitOk;
}

} // namespace

int main(int argc, char** argv)
{
    SmartCalcOptions options;
    try
    {
        const std::vector<std::string_view> args(argv + 1, argv + argc);
        options = ParseArguments(args);
    }
    catch (const CUsageError& e)
    {
        std::cerr << "smartcalc: " << e.what() << " (try --help)\n";
        return kExitUsage;
    }

    try
    {
        switch (options.mode)
        {
        case SmartCalcMode::Help:
            std::cout << HelpText();
            return kExitOk;
        case SmartCalcMode::Convert:
            return RunConversions(options);
        case SmartCalcMode::Evaluate:
            if (options.expressions.empty())
                return RunStandardInput(options);
            return RunArguments(options);
        }
    }
    catch (const std::exception& e)
    {
        std::cerr << "smartcalc: " << e.what() << '\n';
    }
    return kExitFailed;
}
