#include "TMyParser.h"

#include "TMyFunctions.h"
#include "TMyLengthLiteral.h"

#include <algorithm>

namespace MyTools
{

namespace
{

// The comma state (allowed, pending, depth) is shared between tokenizer and
// parser on purpose: it is what decides whether a ',' is a separator or an
// error.
class Parser
{
public:
    Parser(std::string_view text, const NumberReader& numbers) : text(text), numbers(numbers) {}

    double Root()
    {
        Next();
        const double root = Sum();
        if (token != End)
            throw static_cast<int>(errFormula);
        if (failed)
            throw error;
        return root;
    }

private:
    enum Token
    {
        End,
        Error,
        Separator,
        Open,
        Close,
        Number,
        Infix,
        Function
    };

    // Reads the next token into token/number/function.
    void Next()
    {
        while (pos < text.size())
        {
            const char c = text[pos];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            {
                ++pos;
                continue;
            }
            if ((c >= '0' && c <= '9') || c == '.')
            {
                ReadNumberToken();
                return;
            }
            if (c >= 'a' && c <= 'z')
            {
                ReadIdentifier();
                return;
            }
            ++pos;
            switch (c)
            {
            case '+':
                return SetInfix(&kAdd);
            case '-':
                return SetInfix(&kSubtract);
            case '*':
                return SetInfix(&kMultiply);
            case '/':
                return SetInfix(&kDivide);
            case '^':
                return SetInfix(&kPower);
            case '%':
                return SetInfix(&kModulo);
            case '(':
                token = Open;
                return;
            case ')':
                token = Close;
                if (pending)
                    allowed = true;
                return;
            case '\'':
            case '"':
                // A mark that no number carries: '5, (5)', 5'-".
                throw static_cast<int>(errLength);
            case ',':
                if (!allowed)
                    throw static_cast<int>(errComma);
                allowed = false;
                token = Separator;
                return;
            default:
                token = Error;
                return;
            }
        }
        token = End;
    }

    void SetInfix(const TMyFunction* fn)
    {
        token = Infix;
        function = fn;
    }

    void ReadNumberToken()
    {
        const char* first = text.data() + pos;
        const char* end = text.data() + text.size();
        bool range = false;
        std::size_t used = numbers.Read(first, end, number, range);
        if (used != 0 && MayStartLength(first[used]))
            used = static_cast<std::size_t>(
                ReadLengthAfter(first, first + used, end, numbers, number) - first);
        if (used == 0)
            number = 0; // a lone '.': the same token comes again and the parse fails
        pos += used;
        token = Number;
    }

    void ReadIdentifier()
    {
        const std::size_t start = pos;
        while (pos < text.size())
        {
            const char c = text[pos];
            if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')
                ++pos;
            else
                break;
        }
        function = FindFunction(text.substr(start, pos - start));
        if (!function)
        {
            token = Error;
            return;
        }
        token = Function;
        if (function->arity == 1)
        {
            allowed = false;
        }
        else if (function->arity == 2)
        {
            allowed = true;
            pending = true;
        }
    }

    bool IsInfix(const TMyFunction& fn) const { return token == Infix && function == &fn; }

    double Sum()
    {
        double left = Product();
        while (IsInfix(kAdd) || IsInfix(kSubtract))
        {
            const TMyFunction* op = function;
            Next();
            const double right = Product();
            left = Call(op, left, right);
        }
        return left;
    }

    double Product()
    {
        double left = Chain();
        while (IsInfix(kMultiply) || IsInfix(kDivide) || IsInfix(kModulo))
        {
            const TMyFunction* op = function;
            Next();
            const double right = Chain();
            left = Call(op, left, right);
        }
        return left;
    }

    double Chain()
    {
        double left = Signed();
        while (IsInfix(kPower))
        {
            Next();
            const double right = Signed();
            left = Call(&kPower, left, right);
        }
        return left;
    }

    double Signed()
    {
        bool negative = false;
        while (IsInfix(kAdd) || IsInfix(kSubtract))
        {
            if (function == &kSubtract)
                negative = !negative;
            Next();
        }
        // Every recursion passes through here; bound it so that a pasted
        // monster cannot exhaust the host's stack.
        if (++nesting > TMyTinyExpr::kMaxNesting)
            throw static_cast<int>(errNesting);
        const double operand = Operand();
        --nesting;
        return negative ? Call(&kNegate, operand) : operand;
    }

    double Operand()
    {
        switch (token)
        {
        case Number:
        {
            const double value = number;
            Next();
            return value;
        }
        case Open:
        {
            Next();
            const double inner = Sum();
            if (token != Close)
                throw static_cast<int>(errFormula);
            Next();
            return inner;
        }
        case Function:
            return FunctionCall();
        default:
            throw static_cast<int>(errFormula);
        }
    }

    double FunctionCall()
    {
        const TMyFunction* fn = function;
        if (fn->arity == 0)
        {
            const double value = Call(fn);
            Next();
            if (token == Open)
            {
                Next();
                if (token != Close)
                    throw static_cast<int>(errFormula);
                Next();
            }
            return value;
        }
        if (fn->arity == 1)
        {
            Next();
            const double argument = Signed();
            return Call(fn, argument);
        }

        ++depth;
        Next();
        if (token != Open)
            throw static_cast<int>(errFormula);
        double args[2] = {0.0, 0.0};
        int separators = 0;
        for (int i = 0; i < 2; ++i)
        {
            Next();
            args[i] = Sum();
            if (token != Separator)
                break;
            ++separators;
            pending = false;
        }
        if (token != Close || separators != 1)
            throw static_cast<int>(errFormula);
        depth = std::max(depth - 1, 0);
        allowed = depth > 0;
        const double value = Call(fn, args[0], args[1]);
        Next();
        return value;
    }

    // A code a function raises waits until the parse is done: a text that does
    // not parse fails with its own code whatever it would compute. Nothing is
    // evaluated after the first code.
    double Call(const TMyFunction* fn, double a = 0, double b = 0)
    {
        if (failed)
            return 0;
        try
        {
            switch (fn->arity)
            {
            case 0:
                return fn->f0();
            case 1:
                return fn->f1(a);
            default:
                return fn->f2(a, b);
            }
        }
        catch (int code)
        {
            failed = true;
            error = code;
            return 0;
        }
    }

    std::string_view text;
    std::size_t pos = 0;
    const NumberReader numbers;
    bool failed = false;
    int error = 0;

    Token token = End;
    double number = 0;
    const TMyFunction* function = nullptr;

    bool allowed = false;
    bool pending = false;
    int depth = 0;
    int nesting = 0;
};

} // namespace

double EvaluatePreparedText(std::string_view text, const NumberReader& numbers)
{
    return Parser(text, numbers).Root();
}

} // namespace MyTools
