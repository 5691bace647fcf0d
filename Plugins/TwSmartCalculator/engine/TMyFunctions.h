#pragma once
// The function table of the evaluator and the module-wide state its functions
// read (angle unit, previous result text).

#include "TMyTinyExpr.h"

#include <string>
#include <string_view>

namespace MyTools
{

// One row of the function table.
struct TMyFunction
{
    const char* name;
    int arity; // 0, 1 or 2
    union
    {
        double (*f0)();
        double (*f1)(double);
        double (*f2)(double, double);
    };
};

// Module-wide engine state, shared by every TMyTinyExpr.
int& AngleUnit();
std::u16string& PreviousResultText();

// Looks an identifier up in the function table; null when it is not there.
const TMyFunction* FindFunction(std::string_view name);

// The infix operators and the negation, as table-style functions.
extern const TMyFunction kAdd;
extern const TMyFunction kSubtract;
extern const TMyFunction kMultiply;
extern const TMyFunction kDivide;
extern const TMyFunction kModulo;
extern const TMyFunction kPower;
extern const TMyFunction kNegate;

} // namespace MyTools
