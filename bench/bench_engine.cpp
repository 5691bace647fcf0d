// Time per calculation request on a corpus of expressions a user types, for
// the engine and, in the same run, for two references (EngineReferences.h): a
// lean evaluator, the limit of what a request can cost, and muparser. The
// corpus keeps to what all three read (explicit products, radians), and
// before timing the three must agree on every result text.
//
// The machines are shared and noisy, so only figures of one run are
// compared: by default each benchmark is repeated 9 times in random
// interleaving, and the medians and their ratios are printed at the end.
#include "EngineReferences.h"
#include "TMyTinyExpr.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace
{

constexpr int kAccuracy = 4;
constexpr int kRadians = 3;

// Rows of the corpus: %1 and %2 are replaced by numbers from 1 to 997 that
// vary from row to row.
const char* const kTemplates[] = {
    "%1+%2",
    "%1-%2*3",
    "%1*%2",
    "%1/%2",
    "(%1+%2)*2",
    "%1^2",
    "sqrt(%1)",
    "%1.25*%2.75-%1/4",
    "2*(%1+%2)",
    "%1*pi",
    "2*pi*%1",
    "sin(%1)",
    "cos(%1)+sin(%2)",
    "tan(%1.5)",
    "asin(0.5)+%1",
    "atan(%1/%2)",
    "acos(0.%1)",
    "log10(%1)",
    "ln(%1)",
    "exp(%1/100)",
    "abs(-%1)",
    "pow(%1,3)",
    "ans+%1",
    "ans*%2",
    "(%1+%2)/(%1-%2+0.5)",
    "sqrt(%1^2+%2^2)",
    "pi*%1^2/4",
    "%1*(1+%2/100)",
    "((%1+1)*(%2+2))/3",
    "1/(1/%1+1/%2)",
    "%1000/25.4",
    "%1*0.3048+%2*0.0254",
    "e^(%1/100)",
    "10^(%1/10)",
    "sin(%1)^2+cos(%1)^2",
    "-(%1-%2)*-3",
    "%1.5+%2.25+0.125+7",
    "(%1)*(%2)",
    "3*(%1+2)*(%2-1)",
    "atan(%2)-atan(%1)",
    "sqrt(%1)*sqrt(%2)",
    "%1/%2/%2",
    "exp(-%1/%2)",
    "(%1-%2)^2",
    "%1.5^2",
    "log10(%1*%2)",
    "ln(%1/%2)",
    "%1*(%2-%1)/(%2+%1)",
    "sqrt(2)*%1",
    "-%1+%2",
};

std::vector<std::u16string> MakeCorpus()
{
    std::vector<std::u16string> corpus;
    unsigned seed = 12345;
    for (int round = 0; round < 40; ++round)
    {
        for (const char* t : kTemplates)
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
                else
                {
                    s += *p;
                }
            }
            corpus.emplace_back(s.begin(), s.end());
        }
    }
    return corpus;
}

const std::vector<std::u16string>& Corpus()
{
    static const std::vector<std::u16string> corpus = MakeCorpus();
    return corpus;
}

std::string Narrow(const std::u16string& s)
{
    return std::string(s.begin(), s.end());
}

// Runs the corpus through all three in step, each with its own `ans`, and
// reports every row where a text differs or a request fails. Figures of
// calculators that do not compute the same thing would compare nothing.
bool ThreeAgree()
{
    MyTools::TMyTinyExpr engine;
    engine.SetAngleUnit(kRadians);
    EngineReferences::LeanCalculator lean;
    EngineReferences::MuparserCalculator muparser;
    std::u16string engineResult;
    std::u16string leanResult;
    std::u16string muparserResult;
    bool agree = true;
    for (const std::u16string& expr : Corpus())
    {
        bool engineOk = true;
        try
        {
            engine.GetResult(expr, engineResult, kAccuracy);
        }
        catch (int)
        {
            engineOk = false;
        }
        const bool leanOk = lean.Calculate(expr, leanResult, kAccuracy);
        const bool muparserOk = muparser.Calculate(expr, muparserResult, kAccuracy);
        if (!engineOk || !leanOk || !muparserOk || engineResult != leanResult ||
            engineResult != muparserResult)
        {
            std::printf("corpus row %s: engine %s, lean %s, muparser %s\n", Narrow(expr).c_str(),
                        engineOk ? Narrow(engineResult).c_str() : "failed",
                        leanOk ? Narrow(leanResult).c_str() : "failed",
                        muparserOk ? Narrow(muparserResult).c_str() : "failed");
            agree = false;
        }
    }
    return agree;
}

void BM_Engine(benchmark::State& state)
{
    const std::vector<std::u16string>& corpus = Corpus();
    MyTools::TMyTinyExpr engine;
    engine.SetAngleUnit(kRadians);
    std::u16string result;
    std::size_t i = 0;
    for (auto _ : state)
    {
        engine.GetResult(corpus[i], result, kAccuracy);
        benchmark::DoNotOptimize(result.data());
        if (++i == corpus.size())
            i = 0;
    }
}
BENCHMARK(BM_Engine);

void BM_Lean(benchmark::State& state)
{
    const std::vector<std::u16string>& corpus = Corpus();
    EngineReferences::LeanCalculator lean;
    std::u16string result;
    std::size_t i = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(lean.Calculate(corpus[i], result, kAccuracy));
        benchmark::DoNotOptimize(result.data());
        if (++i == corpus.size())
            i = 0;
    }
}
BENCHMARK(BM_Lean);

void BM_Muparser(benchmark::State& state)
{
    const std::vector<std::u16string>& corpus = Corpus();
    EngineReferences::MuparserCalculator muparser;
    std::u16string result;
    std::size_t i = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(muparser.Calculate(corpus[i], result, kAccuracy));
        benchmark::DoNotOptimize(result.data());
        if (++i == corpus.size())
            i = 0;
    }
}
BENCHMARK(BM_Muparser);

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
        engine.GetResult(expr, result, kAccuracy);
        benchmark::DoNotOptimize(result.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_GetResultByLength)
    ->RangeMultiplier(10)
    ->Range(10, 1000000)
    ->Complexity()
    ->Repetitions(1);

// The console report, plus the median CPU time per request of each of the
// three, kept for the summary.
class MedianReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& reports) override
    {
        for (const Run& run : reports)
        {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            {
                medians[run.run_name.function_name] = run.GetAdjustedCPUTime();
                repetitions = run.repetitions;
            }
        }
        ConsoleReporter::ReportRuns(reports);
    }

    std::map<std::string, double> medians;
    long repetitions = 0;
};

bool HasFlag(int argc, char** argv, const char* flag)
{
    const std::string prefix = std::string("--") + flag;
    for (int i = 1; i < argc; ++i)
    {
        if (std::string(argv[i]).rfind(prefix, 0) == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=9";
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    if (!HasFlag(argc, argv, "benchmark_repetitions"))
        args.push_back(repetitions.data());
    if (!HasFlag(argc, argv, "benchmark_enable_random_interleaving"))
        args.push_back(interleaving.data());
    if (!HasFlag(argc, argv, "benchmark_report_aggregates_only"))
        args.push_back(aggregates.data());
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 2;

    if (!ThreeAgree())
    {
        std::printf("The engine and its references disagree: no figures.\n");
        return 1;
    }
    std::printf("Corpus: %zu expressions; engine, lean and muparser agree on every result.\n",
                Corpus().size());

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto& m = reporter.medians;
    if (m.count("BM_Engine") && m.count("BM_Lean") && m.count("BM_Muparser"))
    {
        const double engine = m.at("BM_Engine");
        const double lean = m.at("BM_Lean");
        const double muparser = m.at("BM_Muparser");
        std::printf("\nMedian CPU time per request over %ld randomly interleaved repetitions:\n"
                    "  engine    %8.1f ns\n"
                    "  lean      %8.1f ns\n"
                    "  muparser  %8.1f ns\n"
                    "  engine/lean      %6.3f  (goal at most 1.5)\n"
                    "  engine/muparser  %6.3f  (goal at most 0.05)\n",
                    reporter.repetitions, engine, lean, muparser, engine / lean, engine / muparser);
    }
    return 0;
}
