#pragma once
// The calculator's single memory cell. It changes only with plain decimal
// number texts (optional '-', digits and one '.'); anything else is refused
// with a false return and leaves the value as it was.

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
