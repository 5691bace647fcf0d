#pragma once
// The calculator's single memory cell. It changes only with decimal number
// texts (optional '-', digits and one '.', optionally an exponent such as
// "e+10", the form results take from 10^10 on and below 10^-4) whose value,
// and whose sum or difference with the cell, is a finite double; anything else
// is refused with a false return and leaves the value as it was. A negative
// zero is kept as 0.

#include <string>

class TMyMemory
{
public:
    bool Set(const std::string& strInitialValue);
    bool Add(const std::string& strValue);
    bool Subtract(const std::string& strValue);
    void Clear() { value = 0.0; }
    double Recall() const { return value; }

private:
    double value = 0.0;
};
