#pragma once
// The command line of smartcalc, read into one value before anything runs,
// so that a usage error leaves standard output untouched.

#include "UnitConverter.h"

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

enum class SmartCalcMode
{
    Evaluate, // expressions from the arguments, or from standard input
    Convert,
    Help,
};

struct SmartCalcOptions
{
    SmartCalcMode mode = SmartCalcMode::Evaluate;
    int precision = 4;
    int angleUnit = 0; // the engine's codes: 0 degrees, 2 grads, 3 radians
    int lunits = 2;    // a drawing's length format, 1 to 5 (LengthText)
    std::vector<std::string> expressions;

    bool exact = false;
    UnitType convertType = UnitType::Length;
    UnitId convertFrom = UnitId::Meter;
    UnitId convertTo = UnitId::Meter;
    std::vector<double> values;
};

// A one-line message for standard error; the process exits with status 2.
class CUsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// args excludes the program name. Throws CUsageError.
SmartCalcOptions ParseArguments(std::span<const std::string_view> args);

const char* HelpText();
