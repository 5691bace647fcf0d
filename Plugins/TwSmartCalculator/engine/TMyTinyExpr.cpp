#include "TMyTinyExpr.h"

#include "TMyFunctions.h"
#include "TMyNumberText.h"
#include "TMyUtf8.h"

#include <algorithm>
#include <cfenv>
#include <cstring>

namespace MyTools
{

namespace
{

constexpr bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Characters after which no '*' is written: the operators and what closes or
// separates an argument.
constexpr bool IsOperatorLike(char16_t c)
{
    switch (c)
    {
    case u'*':
    case u'/':
    case u'^':
    case u'+':
    case u'-':
    case u'%':
    case u',':
    case u')':
        return true;
    default:
        return false;
    }
}

// Keeps "log10(" from becoming "log10*(": a '*' is not written before the
// character at index i when the character three places before it is 'g'.
bool IsLogTenException(std::u16string_view before)
{
    const std::size_t i = before.size();
    return i >= 3 && before[i - 3] == u'g';
}

// Walks the text once, writing '*' before every character c for which
// needsStar(text before c, c) holds; "text before c" includes the stars
// already written, as the rules ask. Many insertions stay linear in time, and
// a text that needs none (the usual case) is not copied.
template <typename Rule> void InsertStars(std::u16string& text, std::size_t reserve, Rule needsStar)
{
    std::size_t i = 1;
    while (i < text.size() && !needsStar(std::u16string_view(text.data(), i), text[i]))
        ++i;
    if (i >= text.size())
        return;
    std::u16string out;
    out.reserve(text.size() + reserve);
    out.append(text, 0, i);
    for (; i < text.size(); ++i)
    {
        if (needsStar(out, text[i]))
            out.push_back(u'*');
        out.push_back(text[i]);
    }
    text.swap(out);
}

// Masks every floating-point trap and clears the flags for the duration of a
// fold, then gives the host back exactly the environment it had: the engine
// is a guest in the host's process.
class FloatingPointGuest
{
public:
    FloatingPointGuest() { std::feholdexcept(&saved); }
    ~FloatingPointGuest() { std::fesetenv(&saved); }
    FloatingPointGuest(const FloatingPointGuest&) = delete;
    FloatingPointGuest& operator=(const FloatingPointGuest&) = delete;

private:
    std::fenv_t saved;
};

// Tokenizer and recursive-descent parser for one compilation. The comma
// state (allowed, pending, depth) is shared between the two on purpose: it
// is what decides whether a ',' is a separator or an error.
class Compiler
{
public:
    explicit Compiler(std::string_view text, TMyExprTree& tree) : text(text), tree(tree) {}

    void CompileRoot()
    {
        Next();
        Sum();
        if (token != End)
            throw static_cast<int>(errFormula);
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
        // text is a view of a NUL-terminated std::string, so strtod stops in time.
        bool range = false;
        const std::size_t used = ReadNumber(text.data() + pos, number, range);
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

    std::int32_t Constant(double value)
    {
        TMyExprNode node;
        node.kind = TMyExprNode::Constant;
        node.value = value;
        tree.nodes.push_back(node);
        return static_cast<std::int32_t>(tree.nodes.size() - 1);
    }

    std::int32_t Call(const TMyFunction* fn, std::int32_t a = -1, std::int32_t b = -1)
    {
        TMyExprNode node;
        node.kind = TMyExprNode::Call;
        node.function = fn;
        node.child[0] = a;
        node.child[1] = b;
        tree.nodes.push_back(node);
        return static_cast<std::int32_t>(tree.nodes.size() - 1);
    }

    bool IsInfix(const TMyFunction& fn) const { return token == Infix && function == &fn; }

    std::int32_t Sum()
    {
        std::int32_t left = Product();
        while (IsInfix(kAdd) || IsInfix(kSubtract))
        {
            const TMyFunction* op = function;
            Next();
            const std::int32_t right = Product();
            left = Call(op, left, right);
        }
        return left;
    }

    std::int32_t Product()
    {
        std::int32_t left = Chain();
        while (IsInfix(kMultiply) || IsInfix(kDivide) || IsInfix(kModulo))
        {
            const TMyFunction* op = function;
            Next();
            const std::int32_t right = Chain();
            left = Call(op, left, right);
        }
        return left;
    }

    std::int32_t Chain()
    {
        std::int32_t left = Signed();
        while (IsInfix(kPower))
        {
            Next();
            const std::int32_t right = Signed();
            left = Call(&kPower, left, right);
        }
        return left;
    }

    std::int32_t Signed()
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
        const std::int32_t operand = Operand();
        --nesting;
        return negative ? Call(&kNegate, operand) : operand;
    }

    std::int32_t Operand()
    {
        switch (token)
        {
        case Number: {
            const std::int32_t node = Constant(number);
            Next();
            return node;
        }
        case Open: {
            Next();
            const std::int32_t inner = Sum();
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

    std::int32_t FunctionCall()
    {
        const TMyFunction* fn = function;
        if (fn->arity == 0)
        {
            const std::int32_t node = Call(fn);
            Next();
            if (token == Open)
            {
                Next();
                if (token != Close)
                    throw static_cast<int>(errFormula);
                Next();
            }
            return node;
        }
        if (fn->arity == 1)
        {
            Next();
            const std::int32_t argument = Signed();
            return Call(fn, argument);
        }

        ++depth;
        Next();
        if (token != Open)
            throw static_cast<int>(errFormula);
        std::int32_t args[2] = {-1, -1};
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
        const std::int32_t node = Call(fn, args[0], args[1]);
        Next();
        return node;
    }

    std::string_view text;
    TMyExprTree& tree;
    std::size_t pos = 0;

    Token token = End;
    double number = 0;
    const TMyFunction* function = nullptr;

    bool allowed = false;
    bool pending = false;
    int depth = 0;
    int nesting = 0;
};

TMyExprTree CompileTerminated(const std::string& text)
{
    TMyExprTree tree;
    tree.nodes.reserve(text.size() / 2 + 4);
    Compiler(text, tree).CompileRoot();
    return tree;
}

} // namespace

TMyTinyExpr::~TMyTinyExpr() = default;

void TMyTinyExpr::SetAngleUnit(int iUnit)
{
    AngleUnit() = iUnit;
}

int TMyTinyExpr::CheckBrackets(const std::u16string& strExpr)
{
    const auto open = std::count(strExpr.begin(), strExpr.end(), u'(');
    const auto close = std::count(strExpr.begin(), strExpr.end(), u')');
    if (open != close)
        throw static_cast<int>(errBrackets);
    return static_cast<int>(std::min<long long>(open + close, 0x7fffffff));
}

void TMyTinyExpr::InsertBracketMultiplication(std::u16string& strExpr, int iReserve)
{
    const auto needsStar = [](std::u16string_view before, char16_t c)
    {
        const char16_t prev = before.back();
        return (prev == u')' && !IsOperatorLike(c)) ||
               ((IsDigit(prev) || prev == u'i' || prev == u'e') && c == u'(' &&
                !IsLogTenException(before));
    };
    InsertStars(strExpr, static_cast<std::size_t>(std::max(iReserve, 0)), needsStar);
}

void TMyTinyExpr::InsertConstantMultiplication(std::u16string& strExpr)
{
    const auto needsStar = [](std::u16string_view before, char16_t c)
    {
        const char16_t prev = before.back();
        if ((prev == u'e' || prev == u'i') && (IsDigit(c) || c == u'.'))
            return true;
        return IsDigit(prev) && !IsOperatorLike(c) && c != u'.' && !IsDigit(c) &&
               !IsLogTenException(before);
    };
    InsertStars(strExpr, strExpr.size() / 2, needsStar);
}

TMyExprTree TMyTinyExpr::Compile(std::string_view strUtf8)
{
    // The tokenizer hands the text to strtod, which needs a terminating NUL.
    return CompileTerminated(std::string(strUtf8));
}

void TMyTinyExpr::Fold(TMyExprTree& tree)
{
    FloatingPointGuest guest;
    // Creation order is a valid evaluation order (children first, left to
    // right), so one forward pass folds the whole tree.
    for (TMyExprNode& node : tree.nodes)
    {
        if (node.kind != TMyExprNode::Call || !node.pure)
            continue;
        const TMyFunction* fn = node.function;
        const auto arg = [&](int i) { return tree.nodes[node.child[i]].value; };
        switch (fn->arity)
        {
        case 0:
            node.value = fn->f0();
            break;
        case 1:
            node.value = fn->f1(arg(0));
            break;
        default:
            node.value = fn->f2(arg(0), arg(1));
            break;
        }
        node.kind = TMyExprNode::Constant;
        node.function = nullptr;
        node.child[0] = node.child[1] = -1;
    }
}

double TMyTinyExpr::Evaluate(TMyExprTree& tree)
{
    if (tree.nodes.empty())
        throw static_cast<int>(errFormula);
    if (tree.nodes.back().kind != TMyExprNode::Constant)
        Fold(tree);
    return tree.nodes.back().value;
}

void TMyTinyExpr::GetResult(std::u16string strExpr, std::u16string& strResult, int iAccuracy)
{
    // Function names are ASCII, so only A-Z needs lowering; other characters
    // are refused by the tokenizer whatever their case.
    for (char16_t& c : strExpr)
    {
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    }
    const int brackets = CheckBrackets(strExpr);
    InsertBracketMultiplication(strExpr, brackets);
    InsertConstantMultiplication(strExpr);

    TMyExprTree tree = CompileTerminated(Utf16ToUtf8(strExpr));
    Fold(tree);
    const double value = Evaluate(tree);

    std::string fixed = FormatFixed(value, iAccuracy);
    if (iAccuracy != 0)
    {
        while (!fixed.empty() && fixed.back() == '0')
            fixed.pop_back();
        if (!fixed.empty() && fixed.back() == '.')
            fixed.pop_back();
    }
    const std::string general = FormatGeneral10(value);
    std::u16string previous(general.begin(), general.end());
    strResult.assign(fixed.begin(), fixed.end());
    PreviousResultText().swap(previous);
}

std::u16string TMyTinyExpr::GetLastResult()
{
    return PreviousResultText();
}

} // namespace MyTools
