#pragma once
// The calculation engine: a tiny expression evaluator, the calculation request
// that turns a typed expression into result text, and the error-message
// catalogue. Pure standard C++; the panel and the command-line tool drive it.
//
// Data flow of one request (GetResult):
//   typed text -> one pass: lower case, bracket count, implicit '*' (both
//   passes), bytes -> tokens and recursive descent, each call evaluated as
//   the parser completes it -> formatted result text + previous result text.
// The steps also exist one by one, as the language describes them: the three
// text passes, then Compile (a flat tree), Fold (one left-to-right pass over
// it) and Evaluate. A request gives the same results as running them in turn;
// it only spares the copies of the text, the tree, and saving the
// floating-point environment more than once.
// Failures are thrown as plain int error codes; ErrorMessage maps them to text.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace MyTools
{

enum ErrorCode : int
{
    errFormula = 49,
    errBrackets = 51,
    errDivideByZero = 52,
    errNoPreviousResult = 53,
    errArcSine = 54,
    errLogarithm = 55,
    errRoot = 56,
    errComma = 65,
    errRange = 66,
    errInvalid = 68,
    errArcCosine = 69,
    errTangentDegrees = 70,
    errTangentGrads = 71,
    errTangentRadians = 72,
    // Our own: brackets and function calls nested deeper than kMaxNesting.
    // Refused so that a pasted monster cannot exhaust the host's stack.
    errNesting = 90,
};

// The message for an error code, as an untranslated source text of the
// translation context "CalculatorUI". Unknown codes get the generic message.
const char* ErrorMessage(int iCode);

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

// Expression tree kept flat: nodes are stored in creation order, so every
// node's children come before it and a left subtree wholly precedes the right
// one. Folding is then a single forward pass in depth-first, left-to-right
// order, without recursion however deep the expression.
struct TMyExprNode
{
    enum Kind : std::uint8_t
    {
        Constant,
        Call
    };
    Kind kind = Constant;
    bool pure = true;
    double value = 0.0;
    const TMyFunction* function = nullptr;
    std::int32_t child[2] = {-1, -1};
};

struct TMyExprTree
{
    std::vector<TMyExprNode> nodes; // the root is the last node
};

class TMyTinyExpr
{
public:
    // Brackets and function calls nested deeper than this raise errNesting.
    static constexpr int kMaxNesting = 1000;

    TMyTinyExpr() = default;
    virtual ~TMyTinyExpr();

    // Angle unit for trigonometry: 0 degrees, 2 grads, anything else radians.
    // Module-wide: shared by every instance.
    void SetAngleUnit(int iUnit);

    int CheckBrackets(const std::u16string& strExpr);
    void InsertBracketMultiplication(std::u16string& strExpr, int iReserve);
    void InsertConstantMultiplication(std::u16string& strExpr);

    TMyExprTree Compile(std::string_view strUtf8);
    void Fold(TMyExprTree& tree);
    double Evaluate(TMyExprTree& tree);

    // Evaluates strExpr and writes the result with iAccuracy decimals (trailing
    // zeros trimmed) to strResult. Throws an ErrorCode; then strResult and the
    // previous result text are unchanged. strExpr is read before anything is
    // written.
    void GetResult(std::u16string_view strExpr, std::u16string& strResult, int iAccuracy);
    // What GetResult would write to strResult, leaving the previous result
    // text (and so `ans`) as it is: a look ahead while the person types.
    void PreviewResult(std::u16string_view strExpr, std::u16string& strResult, int iAccuracy);
    // The last successful value with up to 10 significant digits (what `ans` reads).
    std::u16string GetLastResult();

private:
    double EvaluateRequest(std::u16string_view strExpr);
};

} // namespace MyTools
