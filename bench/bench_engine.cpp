// Time per calculation request on a corpus of expressions a user types:
// keypad arithmetic, brackets, implicit products, functions, constants, ans.
#include "TMyTinyExpr.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

std::u16string Widen(const std::string& s) { return std::u16string(s.begin(), s.end()); }

std::vector<std::u16string> Corpus()
{
    // %1 and %2 are replaced by numbers that vary from row to row.
    const char* templates[] = {
        "%1+%2",
        "%1-%2*3",
        "%1*%2",
        "%1/%2",
        "(%1+%2)*2",
        "%1^2",
        "sqrt(%1)",
        "%1%%2",
        "2(%1+%2)",
        "%1pi",
        "2pi*%1",
        "sin(%1)",
        "cos(%1)+sin(%2)",
        "tan(%1.5)",
        "asin(0.5)+%1",
        "atan(%1/%2)",
        "nrt(3,%1)",
        "log(%1,10)",
        "log10(%1)",
        "ln(%1)",
        "exp(%1/100)",
        "rnd(%1.456)",
        "trc(%1.9)",
        "abs(-%1)",
        "fmod(%1,%2)",
        "pow(%1,3)",
        "rtod(%1)",
        "dtor(%1)",
        "ans+%1",
        "ans*%2",
        "(%1+%2)/(%1-%2+0.5)",
        "%1.25*%2.75-%1/4",
        "sqrt(%1^2+%2^2)",
        "pi*%1^2/4",
        "2*pi*%1",
        "%1*(1+%2/100)",
        "((%1+1)*(%2+2))/3",
        "1/(1/%1+1/%2)",
        "%1000/25.4",
        "%1*0.3048+%2*0.0254",
        "e^(%1/100)",
        "10^(%1/10)",
        "sin(%1)^2+cos(%1)^2",
        "nrt(2,%1)*nrt(2,%2)",
        "-(%1-%2)*-3",
        "%1.5+%2.25+0.125+7",
        "(%1)(%2)",
        "3(%1+2)(%2-1)",
        "atan(%2)-atan(%1)",
        "rnd(%1*100)/100",
    };
    std::vector<std::u16string> corpus;
    unsigned seed = 12345;
    for (int round = 0; round < 6; ++round)
    {
        for (const char* t : templates)
        {
            std::string s;
            for (const char* p = t; *p; ++p)
            {
                if (*p == '%' && (p[1] == '1' || p[1] == '2'))
                {
                    seed = seed * 1103515245u + 12345u;
                    s += std::to_string(1 + (seed >> 16) % 997);
                    ++p;
                }
                else if (*p == '%' && p[1] == '%')
                {
                    s += '%';
                    ++p;
                }
                else
                {
                    s += *p;
                }
            }
            corpus.push_back(Widen(s));
        }
    }
    return corpus;
}

void BM_GetResult(benchmark::State& state)
{
    const std::vector<std::u16string> corpus = Corpus();
    MyTools::TMyTinyExpr engine;
    engine.SetAngleUnit(0);
    std::u16string result;

    // Check the corpus once before timing it: every row must evaluate.
    engine.GetResult(u"1", result, 4); // gives `ans` a value
    std::size_t failures = 0;
    for (const auto& expr : corpus)
    {
        try
        {
            engine.GetResult(expr, result, 4);
        }
        catch (int)
        {
            ++failures;
        }
    }
    if (failures != 0)
    {
        state.SkipWithError("corpus rows failed to evaluate");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state)
    {
        engine.GetResult(corpus[i], result, 4);
        benchmark::DoNotOptimize(result.data());
        if (++i == corpus.size())
            i = 0;
    }
    state.counters["corpus"] = static_cast<double>(corpus.size());
}
BENCHMARK(BM_GetResult)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_GetResultByLength(benchmark::State& state)
{
    // One long expression of the given length, to show time grows linearly.
    std::u16string expr = u"1";
    while (expr.size() + 4 < static_cast<std::size_t>(state.range(0)))
        expr += u"+2pi";
    MyTools::TMyTinyExpr engine;
    std::u16string result;
    for (auto _ : state)
    {
        engine.GetResult(expr, result, 4);
        benchmark::DoNotOptimize(result.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_GetResultByLength)->RangeMultiplier(10)->Range(10, 1000000)->Complexity();

} // namespace

BENCHMARK_MAIN();
