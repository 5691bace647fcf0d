#include "TMyTinyExpr.h"

#include "TMyFloatingPoint.h"
#include "TMyFunctions.h"
#include "TMyNumberText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace MyTools
{

namespace
{

constexpr bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

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

// What the implicit-multiplication rules tell apart about a character.
enum CharClass : std::uint8_t
{
    kStart,    // no character yet
    kDigit,    // 0-9
    kConstant, // 'e' and 'i', the last letters of e and pi
    kClose,    // )
    kOpen,     // (
    kOperator, // * / ^ + - % , (the operator-like characters other than ')')
    kPoint,    // .
    kOther,    // anything else
    kClassCount
};

struct CharInfo
{
    char lower; // as the compiler reads it: lower case, non-ASCII as 0x80
    CharClass cls;
};

constexpr std::array<CharInfo, 128> MakeCharInfo()
{
    std::array<CharInfo, 128> info{};
    for (char16_t c = 0; c < 128; ++c)
    {
        const char16_t lower = (c >= u'A' && c <= u'Z') ? c - u'A' + u'a' : c;
        CharClass cls = kOther;
        if (IsDigit(lower))
            cls = kDigit;
        else if (lower == u'e' || lower == u'i')
            cls = kConstant;
        else if (lower == u')')
            cls = kClose;
        else if (lower == u'(')
            cls = kOpen;
        else if (IsOperatorLike(lower))
            cls = kOperator;
        else if (lower == u'.')
            cls = kPoint;
        info[c] = {static_cast<char>(lower), cls};
    }
    return info;
}

constexpr std::array<CharInfo, 128> kCharInfo = MakeCharInfo();

// Which star the two passes write between a previous character and the next.
enum StarRule : std::uint8_t
{
    kNoStar,
    kStarA,          // pass A writes one
    kStarAUnlessLog, // pass A writes one unless its output has 'g' three back
    kStarAOrB,       // as kStarAUnlessLog, and where A writes none, as kStarBUnlessLog
    kStarB,          // pass B writes one
    kStarBUnlessLog, // pass B writes one unless its output has 'g' three back
};

// The rules of both passes by class. Pass A: after ')' before anything but an
// operator or ')'; after a digit, 'e' or 'i' before '(' (the 'g' exception
// keeps "log10(" whole). Pass B, where pass A wrote none: after 'e' or 'i'
// before a digit or '.'; after a digit before anything but an operator, ')',
// a digit or '.' (with the same exception).
constexpr std::array<std::array<StarRule, kClassCount>, kClassCount> MakeStarRules()
{
    std::array<std::array<StarRule, kClassCount>, kClassCount> rules{};
    for (int next = kDigit; next < kClassCount; ++next)
    {
        if (next != kOperator && next != kClose)
            rules[kClose][next] = kStarA;
    }
    rules[kConstant][kOpen] = kStarAUnlessLog;
    rules[kDigit][kOpen] = kStarAOrB;
    rules[kConstant][kDigit] = kStarB;
    rules[kConstant][kPoint] = kStarB;
    rules[kDigit][kConstant] = kStarBUnlessLog;
    rules[kDigit][kOther] = kStarBUnlessLog;
    return rules;
}

constexpr auto kStarRules = MakeStarRules();

// What a request's text becomes in one pass: lower case, its brackets
// counted, and the stars of both implicit-multiplication passes written out
// (pass A's output is fed to pass B character by character), in out as the
// compiler reads it followed by a NUL. ASCII characters are written as they
// are; any other code unit as one byte the tokenizer refuses, since the
// first non-ASCII character is a token error wherever it stands and nothing
// after it is read. Returns the text's length; raises errBrackets when the
// numbers of '(' and ')' differ.
std::size_t PrepareText(std::u16string_view in, std::string& out)
{
    // At most one star goes before each character: after pass A's star, pass
    // B sees '*' as the previous character and adds none.
    if (out.size() < 2 * in.size() + 1)
        out.resize(2 * in.size() + 1);
    char* const first = out.data();
    char* w = first;
    // Pass A's last three output characters, a1 the last. Pass B's previous
    // character is always a1 too; three places back it reads its own output.
    char a1 = 0;
    char a2 = 0;
    char a3 = 0;
    CharClass previous = kStart;
    std::size_t open = 0;
    std::size_t close = 0;
    for (const char16_t c : in)
    {
        const CharInfo info = c < 128 ? kCharInfo[c] : CharInfo{static_cast<char>(0x80), kOther};
        open += info.cls == kOpen;
        close += info.cls == kClose;
        const StarRule rule = kStarRules[previous][info.cls];
        if (rule != kNoStar)
        {
            const bool logA = a3 == 'g';
            const bool logB = w - first >= 3 && w[-3] == 'g';
            const bool starA =
                rule == kStarA || ((rule == kStarAUnlessLog || rule == kStarAOrB) && !logA);
            const bool starB =
                !starA &&
                (rule == kStarB || ((rule == kStarBUnlessLog || rule == kStarAOrB) && !logB));
            if (starA)
            {
                a3 = a2;
                a2 = a1;
                a1 = '*';
            }
            if (starA || starB)
                *w++ = '*';
        }
        *w++ = info.lower;
        a3 = a2;
        a2 = a1;
        a1 = info.lower;
        previous = info.cls;
    }
    if (open != close)
        throw static_cast<int>(errBrackets);
    *w = '\0';
    return static_cast<std::size_t>(w - first);
}

// The text buffer of a request, kept from one request to the next (requests
// never overlap: the engine runs on the host's user-interface thread only).
// A request with a very long text gives its memory back.
class RequestText
{
public:
    RequestText() : buffer(Shared()) {}
    ~RequestText()
    {
        constexpr std::size_t kKeptBytes = 64 * 1024;
        if (buffer.capacity() > kKeptBytes)
            std::string().swap(buffer);
    }
    RequestText(const RequestText&) = delete;
    RequestText& operator=(const RequestText&) = delete;

    std::string& Buffer() { return buffer; }

private:
    static std::string& Shared()
    {
        static std::string shared;
        return shared;
    }

    std::string& buffer;
};

// What the parser makes of numbers and calls: the flat tree of Compile.
class TreeBuilder
{
public:
    using Value = std::int32_t;
    static constexpr Value kNone = -1;

    explicit TreeBuilder(TMyExprTree& tree) : tree(tree) {}

    Value Constant(double value)
    {
        // Written in place: a node built aside and copied in is read back
        // before its stores have landed, which stalls.
        TMyExprNode& node = tree.nodes.emplace_back();
        node.value = value;
        return static_cast<Value>(tree.nodes.size() - 1);
    }

    Value Call(const TMyFunction* fn, Value a = kNone, Value b = kNone)
    {
        TMyExprNode& node = tree.nodes.emplace_back();
        node.kind = TMyExprNode::Call;
        node.function = fn;
        node.child[0] = a;
        node.child[1] = b;
        return static_cast<Value>(tree.nodes.size() - 1);
    }

private:
    TMyExprTree& tree;
};

// Or, for a request, the values themselves: each call is evaluated as the
// parser completes it, which is the order in which folding the tree would
// run them (children first, left to right), so no tree is needed. A code a
// function raises waits until the parse is done (Finish), since a text that
// does not parse fails with its own code whatever it would compute; nothing
// is evaluated after it. The caller provides the floating-point guest.
class Evaluator
{
public:
    using Value = double;
    static constexpr Value kNone = 0;

    Value Constant(double value) { return value; }

    Value Call(const TMyFunction* fn, Value a = kNone, Value b = kNone)
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

    void Finish() const
    {
        if (failed)
            throw error;
    }

private:
    bool failed = false;
    int error = 0;
};

// Tokenizer and recursive-descent parser for one compilation. The comma
// state (allowed, pending, depth) is shared between the two on purpose: it
// is what decides whether a ',' is a separator or an error.
template <class Builder> class Compiler
{
public:
    using Value = typename Builder::Value;

    // text must be followed by a NUL.
    Compiler(std::string_view text, Builder& builder, NumberReader numbers)
        : text(text), builder(builder), numbers(numbers)
    {
    }

    Value CompileRoot()
    {
        Next();
        const Value root = Sum();
        if (token != End)
            throw static_cast<int>(errFormula);
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
        bool range = false;
        const std::size_t used =
            numbers.Read(text.data() + pos, text.data() + text.size(), number, range);
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

    Value Sum()
    {
        Value left = Product();
        while (IsInfix(kAdd) || IsInfix(kSubtract))
        {
            const TMyFunction* op = function;
            Next();
            const Value right = Product();
            left = builder.Call(op, left, right);
        }
        return left;
    }

    Value Product()
    {
        Value left = Chain();
        while (IsInfix(kMultiply) || IsInfix(kDivide) || IsInfix(kModulo))
        {
            const TMyFunction* op = function;
            Next();
            const Value right = Chain();
            left = builder.Call(op, left, right);
        }
        return left;
    }

    Value Chain()
    {
        Value left = Signed();
        while (IsInfix(kPower))
        {
            Next();
            const Value right = Signed();
            left = builder.Call(&kPower, left, right);
        }
        return left;
    }

    Value Signed()
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
        const Value operand = Operand();
        --nesting;
        return negative ? builder.Call(&kNegate, operand) : operand;
    }

    Value Operand()
    {
        switch (token)
        {
        case Number:
        {
            const Value node = builder.Constant(number);
            Next();
            return node;
        }
        case Open:
        {
            Next();
            const Value inner = Sum();
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

    Value FunctionCall()
    {
        const TMyFunction* fn = function;
        if (fn->arity == 0)
        {
            const Value node = builder.Call(fn);
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
            const Value argument = Signed();
            return builder.Call(fn, argument);
        }

        ++depth;
        Next();
        if (token != Open)
            throw static_cast<int>(errFormula);
        Value args[2] = {Builder::kNone, Builder::kNone};
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
        const Value node = builder.Call(fn, args[0], args[1]);
        Next();
        return node;
    }

    std::string_view text;
    Builder& builder;
    std::size_t pos = 0;
    const NumberReader numbers;

    Token token = End;
    double number = 0;
    const TMyFunction* function = nullptr;

    bool allowed = false;
    bool pending = false;
    int depth = 0;
    int nesting = 0;
};

// Writes the result text of a value and, unless pPrevious is null, its
// previous-result text; on failure neither is changed.
void WriteResult(double value, int iAccuracy, std::u16string& strResult, std::u16string* pPrevious)
{
    std::array<char, 512> fixedBuffer;
    const char* fixed = fixedBuffer.data();
    const char* fixedEnd =
        FormatFixed(value, iAccuracy, fixedBuffer.data(), fixedBuffer.data() + fixedBuffer.size());
    std::string longFixed; // huge values at a high accuracy
    if (!fixedEnd)
    {
        longFixed = FormatFixed(value, iAccuracy);
        fixed = longFixed.data();
        fixedEnd = fixed + longFixed.size();
    }
    if (iAccuracy != 0)
    {
        while (fixedEnd != fixed && fixedEnd[-1] == '0')
            --fixedEnd;
        if (fixedEnd != fixed && fixedEnd[-1] == '.')
            --fixedEnd;
    }
    if (!pPrevious)
    {
        strResult.assign(fixed, fixedEnd);
        return;
    }
    std::array<char, 32> generalBuffer; // %.10g needs at most 17
    const char* generalEnd =
        FormatGeneral10(value, generalBuffer.data(), generalBuffer.data() + generalBuffer.size());
    const char* general = generalEnd ? generalBuffer.data() : nullptr;
    std::string longGeneral;
    if (!generalEnd)
    {
        longGeneral = FormatGeneral10(value);
        general = longGeneral.data();
        generalEnd = general + longGeneral.size();
    }

    // Whatever allocates comes first, so that a failure changes nothing.
    std::u16string& previous = *pPrevious;
    const auto generalLength = static_cast<std::size_t>(generalEnd - general);
    previous.reserve(generalLength);
    strResult.resize(static_cast<std::size_t>(fixedEnd - fixed));
    std::copy(fixed, fixedEnd, strResult.begin());
    previous.resize(generalLength);
    std::copy(general, generalEnd, previous.begin());
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
    // The tokenizer needs a NUL after the text.
    const std::string text(strUtf8);
    TMyExprTree tree;
    tree.nodes.reserve(text.size() / 2 + 4);
    TreeBuilder builder(tree);
    Compiler<TreeBuilder>(text, builder, NumberReader()).CompileRoot();
    return tree;
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

void TMyTinyExpr::GetResult(std::u16string_view strExpr, std::u16string& strResult, int iAccuracy)
{
    WriteResult(EvaluateRequest(strExpr), iAccuracy, strResult, &PreviousResultText());
}

void TMyTinyExpr::PreviewResult(std::u16string_view strExpr, std::u16string& strResult,
                                int iAccuracy)
{
    WriteResult(EvaluateRequest(strExpr), iAccuracy, strResult, nullptr);
}

double TMyTinyExpr::EvaluateRequest(std::u16string_view strExpr)
{
    RequestText text;
    const std::size_t length = PrepareText(strExpr, text.Buffer());
    double value = 0;
    {
        // One guest for the whole request: reading the numbers, too, runs
        // with the traps masked and leaves the host's flags as they were.
        FloatingPointGuest guest;
        Evaluator evaluator;
        value = Compiler<Evaluator>(std::string_view(text.Buffer().data(), length), evaluator,
                                    NumberReader(guest.RoundsToNearest()))
                    .CompileRoot();
        evaluator.Finish();
    }
    return value;
}

std::u16string TMyTinyExpr::GetLastResult()
{
    return PreviousResultText();
}

} // namespace MyTools
