// The request's one-pass front end against the language as it reads step by
// step: lower case, bracket count, pass A, pass B, UTF-8, a tokenizer that
// reads numbers with strtod, a recursive-descent parser building the tree,
// printf's formatting. Both run over generated texts, and every result text,
// previous result text and error code must be the same.
#include "TMyFunctions.h"
#include "TMyNumberText.h"
#include "TMyTinyExpr.h"
#include "TMyUtf8.h"

#include <QtTest>

#include <cfenv>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

using MyTools::TMyExprNode;
using MyTools::TMyExprTree;
using MyTools::TMyFunction;
using MyTools::TMyTinyExpr;

namespace
{

// ---- The reference: each step as the language describes it ----

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool IsOperatorLike(char16_t c)
{
    return std::u16string_view(u"*/^+-%,)").find(c) != std::u16string_view::npos;
}

bool LogException(const std::u16string& out)
{
    return out.size() >= 3 && out[out.size() - 3] == u'g';
}

std::u16string PassA(const std::u16string& in)
{
    std::u16string out;
    for (char16_t c : in)
    {
        if (!out.empty())
        {
            const char16_t prev = out.back();
            if ((prev == u')' && !IsOperatorLike(c)) ||
                ((IsDigit(prev) || prev == u'i' || prev == u'e') && c == u'(' &&
                 !LogException(out)))
                out += u'*';
        }
        out += c;
    }
    return out;
}

std::u16string PassB(const std::u16string& in)
{
    std::u16string out;
    for (char16_t c : in)
    {
        if (!out.empty())
        {
            if ((out.back() == u'e' || out.back() == u'i') && (IsDigit(c) || c == u'.'))
                out += u'*';
            if (IsDigit(out.back()) && !IsOperatorLike(c) && c != u'.' && !IsDigit(c) &&
                !LogException(out))
                out += u'*';
        }
        out += c;
    }
    return out;
}

// Tokenizer and parser of the prepared UTF-8 text, building the flat tree.
class ReferenceParser
{
public:
    explicit ReferenceParser(const std::string& text) : text(text) {}

    TMyExprTree Parse()
    {
        Next();
        Sum();
        if (token != End)
            throw 49;
        return std::move(tree);
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

    void Next()
    {
        for (;;)
        {
            if (pos >= text.size())
            {
                token = End;
                return;
            }
            const char c = text[pos];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            {
                ++pos;
                continue;
            }
            if (IsDigit(static_cast<unsigned char>(c)) || c == '.')
            {
                char* end = nullptr;
                number = std::strtod(text.c_str() + pos, &end);
                if (end == text.c_str() + pos)
                    number = 0;
                pos = static_cast<std::size_t>(end - text.c_str());
                token = Number;
                return;
            }
            if (c >= 'a' && c <= 'z')
            {
                const std::size_t start = pos;
                while (pos < text.size() &&
                       ((text[pos] >= 'a' && text[pos] <= 'z') ||
                        IsDigit(static_cast<unsigned char>(text[pos])) || text[pos] == '_'))
                    ++pos;
                function = MyTools::FindFunction(std::string_view(text).substr(start, pos - start));
                token = function ? Function : Error;
                if (function && function->arity == 1)
                    allowed = false;
                if (function && function->arity == 2)
                    allowed = pending = true;
                return;
            }
            ++pos;
            const std::string_view operators = "+-*/^%";
            const TMyFunction* infix[] = {&MyTools::kAdd,      &MyTools::kSubtract,
                                          &MyTools::kMultiply, &MyTools::kDivide,
                                          &MyTools::kPower,    &MyTools::kModulo};
            if (operators.find(c) != std::string_view::npos)
            {
                token = Infix;
                function = infix[operators.find(c)];
            }
            else if (c == '(')
            {
                token = Open;
            }
            else if (c == ')')
            {
                token = Close;
                allowed = allowed || pending;
            }
            else if (c == ',')
            {
                if (!allowed)
                    throw 65;
                allowed = false;
                token = Separator;
            }
            else
            {
                token = Error;
            }
            return;
        }
    }

    int Node(const TMyFunction* fn, double value = 0, int a = -1, int b = -1)
    {
        TMyExprNode node;
        node.kind = fn ? TMyExprNode::Call : TMyExprNode::Constant;
        node.function = fn;
        node.value = value;
        node.child[0] = a;
        node.child[1] = b;
        tree.nodes.push_back(node);
        return static_cast<int>(tree.nodes.size()) - 1;
    }

    bool IsInfix(const TMyFunction& fn) const { return token == Infix && function == &fn; }

    int Sum()
    {
        int left = Product();
        while (IsInfix(MyTools::kAdd) || IsInfix(MyTools::kSubtract))
        {
            const TMyFunction* op = function;
            Next();
            const int right = Product();
            left = Node(op, 0, left, right);
        }
        return left;
    }

    int Product()
    {
        int left = Chain();
        while (IsInfix(MyTools::kMultiply) || IsInfix(MyTools::kDivide) ||
               IsInfix(MyTools::kModulo))
        {
            const TMyFunction* op = function;
            Next();
            const int right = Chain();
            left = Node(op, 0, left, right);
        }
        return left;
    }

    int Chain()
    {
        int left = Signed();
        while (IsInfix(MyTools::kPower))
        {
            Next();
            const int right = Signed();
            left = Node(&MyTools::kPower, 0, left, right);
        }
        return left;
    }

    int Signed()
    {
        bool negative = false;
        while (IsInfix(MyTools::kAdd) || IsInfix(MyTools::kSubtract))
        {
            negative ^= function == &MyTools::kSubtract;
            Next();
        }
        if (++nesting > TMyTinyExpr::kMaxNesting)
            throw 90;
        const int operand = Operand();
        --nesting;
        return negative ? Node(&MyTools::kNegate, 0, operand) : operand;
    }

    int Operand()
    {
        if (token == Number)
        {
            const int node = Node(nullptr, number);
            Next();
            return node;
        }
        if (token == Open)
        {
            Next();
            const int inner = Sum();
            if (token != Close)
                throw 49;
            Next();
            return inner;
        }
        if (token != Function)
            throw 49;
        const TMyFunction* fn = function;
        if (fn->arity == 0)
        {
            const int node = Node(fn);
            Next();
            if (token == Open)
            {
                Next();
                if (token != Close)
                    throw 49;
                Next();
            }
            return node;
        }
        if (fn->arity == 1)
        {
            Next();
            const int argument = Signed();
            return Node(fn, 0, argument);
        }
        ++depth;
        Next();
        if (token != Open)
            throw 49;
        int args[2] = {-1, -1};
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
            throw 49;
        depth = std::max(depth - 1, 0);
        allowed = depth > 0;
        const int node = Node(fn, 0, args[0], args[1]);
        Next();
        return node;
    }

    const std::string& text;
    TMyExprTree tree;
    std::size_t pos = 0;
    Token token = End;
    double number = 0;
    const TMyFunction* function = nullptr;
    bool allowed = false;
    bool pending = false;
    int depth = 0;
    int nesting = 0;
};

std::string Printf(const char* format, int precision, double value)
{
    char buffer[512];
    const int n = std::snprintf(buffer, sizeof buffer, format, precision, value);
    return n >= 0 && n < static_cast<int>(sizeof buffer) ? std::string(buffer, n) : "overflow";
}

// What a request gives, step by step: "error N", or the result text and the
// previous result text joined by " | ". printf formats in round-to-nearest
// only (it rounds by the mode), so elsewhere the engine's own functions do.
QString Reference(const std::u16string& typed, int accuracy)
{
    try
    {
        std::u16string text = typed;
        for (char16_t& c : text)
        {
            if (c >= u'A' && c <= u'Z')
                c = c - u'A' + u'a';
        }
        if (std::count(text.begin(), text.end(), u'(') !=
            std::count(text.begin(), text.end(), u')'))
            throw 51;
        const std::string utf8 = MyTools::Utf16ToUtf8(PassB(PassA(text)));
        TMyExprTree tree = ReferenceParser(utf8).Parse();
        const double value = TMyTinyExpr().Evaluate(tree);
        const bool nearest = std::fegetround() == FE_TONEAREST;
        std::string fixed =
            nearest ? Printf("%.*f", accuracy, value) : MyTools::FormatFixed(value, accuracy);
        const std::string general =
            nearest ? Printf("%.*g", 10, value) : MyTools::FormatGeneral10(value);
        if (accuracy != 0)
        {
            while (!fixed.empty() && fixed.back() == '0')
                fixed.pop_back();
            if (!fixed.empty() && fixed.back() == '.')
                fixed.pop_back();
        }
        return QString::fromStdString(fixed + " | " + general);
    }
    catch (int code)
    {
        return QStringLiteral("error %1").arg(code);
    }
}

// The same through GetResult; a failed request must keep the previous result.
QString Request(const std::u16string& typed, int accuracy)
{
    const std::u16string before = TMyTinyExpr().GetLastResult();
    std::u16string result = u"untouched";
    try
    {
        TMyTinyExpr().GetResult(typed, result, accuracy);
    }
    catch (int code)
    {
        const bool kept = result == u"untouched" && TMyTinyExpr().GetLastResult() == before;
        return QStringLiteral("error %1").arg(code) + (kept ? "" : " (changed the texts)");
    }
    return QString::fromStdU16String(result + u" | " + TMyTinyExpr().GetLastResult());
}

// ---- Generated texts ----

class Generator
{
public:
    explicit Generator(unsigned seed) : random(seed) {}

    // A text from the grammar, with implicit products, upper case, spaces.
    std::u16string Expression(int depth = 0)
    {
        std::u16string s = Term(depth);
        const int terms = Pick(3);
        for (int i = 0; i < terms; ++i)
        {
            s += Choose({u"+", u"-", u"*", u"/", u"%", u"^", u"", u"--", u"*-", u"+", u"*"});
            s += Term(depth);
        }
        return s;
    }

    // The same, then broken at random: characters dropped, doubled or
    // swapped, hostile pieces put in.
    std::u16string Hostile()
    {
        std::u16string s = Expression();
        const int changes = 1 + Pick(3);
        for (int i = 0; i < changes && !s.empty(); ++i)
        {
            const std::size_t at = Pick(static_cast<int>(s.size()));
            switch (Pick(4))
            {
            case 0:
                s.erase(at, 1);
                break;
            case 1:
                s.insert(at, 1, s[at]);
                break;
            case 2:
                std::swap(s[at], s[Pick(static_cast<int>(s.size()))]);
                break;
            default:
                s.insert(at, Choose({u"(",      u")",      u",",          u" ",
                                     u"\t",     u"foo",    u"G",          u"\u00e9",
                                     u"\u0130", u"\xd800", u"\U0001F600", std::u16string(1, u'\0'),
                                     u".",      u"e",      u"i",          u"g",
                                     u"0x",     u"log(",   u"E+",         u"1.e-"}));
                break;
            }
        }
        return s;
    }

private:
    int Pick(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }

    std::u16string Choose(std::initializer_list<std::u16string> options)
    {
        return *(options.begin() + Pick(static_cast<int>(options.size())));
    }

    std::u16string Digits(int n)
    {
        std::u16string s;
        for (int i = 0; i < n; ++i)
            s += static_cast<char16_t>(u'0' + Pick(10));
        return s;
    }

    std::u16string Number()
    {
        switch (Pick(16))
        {
        case 0:
            return Digits(1 + Pick(3)) + u".";
        case 1:
            return u"." + Digits(1 + Pick(4));
        case 2:
            return Digits(16 + Pick(400)); // past the short path, and past the range
        case 3:
            return u"0." + std::u16string(Pick(400), u'0') +
                   Digits(1 + Pick(20)); // subnormal or zero
        case 4:
            return Digits(1 + Pick(3)) + u".e" + Choose({u"+", u"-", u""}) + Digits(1 + Pick(3));
        case 5:
            return Digits(1 + Pick(15)) + u"." + Digits(Pick(15));
        default:
            return Digits(1 + Pick(4)) + (Pick(2) ? u"." + Digits(Pick(4)) : u"");
        }
    }

    std::u16string Name()
    {
        std::u16string name =
            Choose({u"abs", u"acos", u"ans", u"asin", u"atan",  u"cos", u"dtor", u"e",
                    u"exp", u"fmod", u"ln",  u"log",  u"log10", u"nrt", u"pi",   u"pow",
                    u"rnd", u"rtod", u"sin", u"sqrt", u"tan",   u"trc", u"sinh", u"log1"});
        if (Pick(5) == 0)
        {
            for (char16_t& c : name)
                c = Pick(2) ? static_cast<char16_t>(c - u'a' + u'A') : c;
        }
        return name;
    }

    std::u16string Term(int depth)
    {
        if (depth > 4)
            return Number();
        switch (Pick(10))
        {
        case 3:
            return u"(" + Expression(depth + 1) + u")";
        case 4:
        case 5:
        {
            const std::u16string name = Name();
            const bool two = std::u16string_view(u"fmod log nrt pow FMOD LOG NRT POW").find(name) !=
                             std::u16string_view::npos;
            if (two == (Pick(8) != 0)) // now and then with the wrong number of arguments
                return name + u"(" + Expression(depth + 1) + u"," + Expression(depth + 1) + u")";
            return name + u"(" + Expression(depth + 1) + u")";
        }
        case 6:
            return Choose({u"pi", u"e", u"ans", u"ans()", u"PI", u"E", u"Pi"}) +
                   Choose({u"", u"", u"2", u"(2)", u".5"});
        case 7:
            return Choose({u"-", u"+", u"--"}) + Term(depth + 1);
        case 8:
            return Number() + Choose({u"pi", u"e", u"(2)", u"sqrt(4)", u"E", u" 2"});
        case 9:
            // Hexadecimal and exponent forms that reach the number reader
            // only behind "log(", and names without their brackets.
            if (Pick(2))
                return Choose({u"log(0x", u"LOG(0X", u"log(1e", u"log(1e+"}) + Digits(1 + Pick(3)) +
                       Choose({u"", u"p3", u"a", u"ff", u".8"}) + u"," + Number() + u")";
            return Name() + Choose({u"", u"-", u"()", u"2"});
        default:
            return Number();
        }
    }

    std::mt19937 random;
};

} // namespace

class TestFrontEnd : public QObject
{
    Q_OBJECT

private slots:
    void sameAsStepByStep_data();
    void sameAsStepByStep();
};

void TestFrontEnd::sameAsStepByStep_data()
{
    QTest::addColumn<bool>("hostile");
    QTest::addColumn<int>("rounding");
    QTest::addColumn<unsigned>("seed");

    QTest::newRow("texts of the grammar") << false << FE_TONEAREST << 1u;
    QTest::newRow("broken texts") << true << FE_TONEAREST << 2u;
    QTest::newRow("numbers read rounding downward") << false << FE_DOWNWARD << 3u;
    QTest::newRow("numbers read rounding upward") << true << FE_UPWARD << 4u;
}

void TestFrontEnd::sameAsStepByStep()
{
    QFETCH(bool, hostile);
    QFETCH(int, rounding);
    QFETCH(unsigned, seed);

    constexpr int kTexts = 6000;
    Generator generator(seed);
    std::mt19937 random(seed);
    std::u16string first;
    TMyTinyExpr().GetResult(u"1", first, 0); // `ans` has a value
    std::fesetround(rounding);
    int mismatches = 0;
    for (int i = 0; i < kTexts; ++i)
    {
        const std::u16string text = hostile ? generator.Hostile() : generator.Expression();
        const int accuracy = static_cast<int>(random() % 21);
        TMyTinyExpr().SetAngleUnit(static_cast<int>(random() % 4));
        const QString expected = Reference(text, accuracy);
        const QString actual = Request(text, accuracy);
        if (actual != expected && ++mismatches <= 5)
            qWarning() << "text" << QString::fromStdU16String(text) << "accuracy" << accuracy
                       << "gives" << actual << "instead of" << expected;
    }
    std::fesetround(FE_TONEAREST);
    QCOMPARE(mismatches, 0);
}

QTEST_APPLESS_MAIN(TestFrontEnd)
#include "tst_frontend.moc"
