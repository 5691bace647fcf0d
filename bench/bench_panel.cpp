// What a user of the panel waits for, with the panel in the drawing host's
// runtime (offscreen, the sample drawing active): the panel being made, the
// time from Return to the result shown and its history row painted while the
// history grows to 10,000 rows, Return after a pasted megabyte (and the
// calculation after it, with the long row still in view), and a key typed
// into a long line until its live result shows.
//
// A "calculation" here is timed from the Return key event until the events it
// posts have run (the table's delayed layout, the repaint), because that is
// when the user sees the result; the synchronous part alone would hide the
// view's deferred work.
#include <CTwPanelHost.h>
#include <CalculatorUI.h>
#include <HostRuntime.h>
#include <TMyTinyExpr.h>

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <numeric>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// This thread's processor time: on a shared machine it counts the panel's
// work without the time other processes held the processor.
double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Runs what the last event posted: the view's zero-timer layout, then the
// repaint that layout asks for.
void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

template <class T> T* Child(QWidget* pPanel, const char* pszName)
{
    return pPanel->findChild<T*>(QLatin1String(pszName));
}

// A panel as the host shows it: groups and icons built, shown and active.
class ShownPanel
{
public:
    ShownPanel() : panel(std::make_unique<CalculatorUI>(std::make_unique<CTwPanelHost>()))
    {
        panel->buildGroupsAndIcons();
        panel->resize(320, 720);
        panel->show();
        QApplication::setActiveWindow(panel.get());
        (void)QTest::qWaitForWindowExposed(panel.get());
        line()->setFocus();
        Settle();
    }
    ~ShownPanel()
    {
        panel.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QLineEdit* line() const { return Child<QLineEdit>(panel.get(), "lineEdit_calc"); }
    QTableWidget* history() const { return Child<QTableWidget>(panel.get(), "twHistory"); }

    // Escape, then the text pasted with Ctrl+V, as a user replaces the line.
    void paste(const QString& text)
    {
        QTest::keyClick(line(), Qt::Key_Escape);
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(line(), Qt::Key_V, Qt::ControlModifier);
        Settle();
    }
    // Seconds from Return to the result shown with its history row.
    double pressReturn()
    {
        const Clock::time_point start = Clock::now();
        QTest::keyClick(line(), Qt::Key_Return);
        Settle();
        return SecondsSince(start);
    }
    // The row a calculation added: its expression and its "= result".
    bool lastRowIs(const QString& expr, const QString& result) const
    {
        QTableWidget* pTable = history();
        const int iRow = pTable->rowCount() - 1;
        return iRow >= 0 && pTable->item(iRow, 0) && pTable->item(iRow, 0)->text() == expr &&
               pTable->item(iRow, 1)->text() == QStringLiteral("= ") + result &&
               line()->text() == result;
    }

    std::unique_ptr<CalculatorUI> panel;
};

void BM_PanelConstruction(benchmark::State& state)
{
    {
        // Check once: the groups were built and the icons found.
        CalculatorUI panel(std::make_unique<CTwPanelHost>());
        panel.buildGroupsAndIcons();
        auto* pArea = Child<QAbstractButton>(&panel, "button_getArea");
        if (!Child<QWidget>(&panel, "gb_UnitConv") || !pArea || pArea->icon().isNull())
        {
            state.SkipWithError("groups or icons missing");
            return;
        }
    }
    for (auto _ : state)
    {
        const Clock::time_point start = Clock::now();
        auto panel = std::make_unique<CalculatorUI>(std::make_unique<CTwPanelHost>());
        panel->buildGroupsAndIcons();
        state.SetIterationTime(SecondsSince(start));
        panel.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_PanelConstruction)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A key typed at the end of a long line, until the line and its live result
// are shown, with the preview on (second argument 1) and off: the difference
// is what the preview adds to typing. Lines above the panel's preview limit
// show none; "evaluation_ms" is what one preview of the line would cost, for
// choosing that limit.
void BM_PreviewAfterKeystroke(benchmark::State& state)
{
    const int length = int(state.range(0));
    const bool bPreviewOn = state.range(1) != 0;
    const int ones = (length + 1) / 2;
    QString expr = QStringLiteral("1") + QStringLiteral("+1").repeated(ones - 1);
    ShownPanel shown;
    shown.panel->setPreviewEnabled(bPreviewOn);
    shown.paste(expr);
    auto* pPreview = Child<QLabel>(shown.panel.get(), "label_preview");
    // Check once: after typing "1", the last term is 11.
    QTest::keyClick(shown.line(), Qt::Key_1);
    Settle();
    const QString expected = QStringLiteral("= %1").arg(ones + 10);
    const bool bShown = pPreview && pPreview->text() == expected;
    if (!pPreview || (!bShown && !pPreview->text().isEmpty()) || (bShown && !bPreviewOn))
    {
        state.SkipWithError("the preview is wrong");
        return;
    }
    QTest::keyClick(shown.line(), Qt::Key_Backspace);
    Settle();

    MyTools::TMyTinyExpr evaluator;
    const std::u16string text = expr.toStdU16String();
    std::u16string result;
    const Clock::time_point evalStart = Clock::now();
    evaluator.PreviewResult(text, result, 4);
    state.counters["evaluation_ms"] = SecondsSince(evalStart) * 1e3;

    for (auto _ : state)
    {
        const Clock::time_point start = Clock::now();
        QTest::keyClick(shown.line(), Qt::Key_1);
        Settle();
        state.SetIterationTime(SecondsSince(start));
        QTest::keyClick(shown.line(), Qt::Key_Backspace);
        Settle();
    }
    state.counters["chars"] = length;
    state.counters["preview_shown"] = bShown ? 1 : 0;
}
BENCHMARK(BM_PreviewAfterKeystroke)
    ->ArgsProduct({{1000, 10000, 100000, 200000}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(8)
    ->ReportAggregatesOnly(true);

// Expressions of 11 to 15 characters that differ from row to row; the result
// is computed here too, to check what the panel shows.
struct Calculation
{
    QString expr;
    QString result;
};

Calculation CalculationNo(int i)
{
    const int a = 1 + i % 997;
    const int b = 1 + (i * 7) % 89;
    // (a+b)*4/8 has at most one decimal: no rounding to reproduce.
    return {QStringLiteral("(%1+%2)*4/8").arg(a).arg(b), QString::number((a + b) / 2.0)};
}

struct Summary
{
    double mean;
    double median;
};

Summary Summarize(std::vector<double> seconds)
{
    const double sum = std::accumulate(seconds.begin(), seconds.end(), 0.0);
    auto middle = seconds.begin() + std::ptrdiff_t(seconds.size() / 2);
    std::nth_element(seconds.begin(), middle, seconds.end());
    return {sum / double(seconds.size()), *middle};
}

void BM_ReturnAsHistoryGrows(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const int window = 1000;
    for (auto _ : state)
    {
        ShownPanel shown;
        std::vector<double> seconds;
        std::vector<double> cpuSeconds;
        seconds.reserve(std::size_t(rows));
        cpuSeconds.reserve(std::size_t(rows));
        for (int i = 0; i < rows; ++i)
        {
            const Calculation calc = CalculationNo(i);
            shown.paste(calc.expr);
            const double cpuStart = ThreadCpuSeconds();
            seconds.push_back(shown.pressReturn());
            cpuSeconds.push_back(ThreadCpuSeconds() - cpuStart);
            // Check the first and the last calculation, outside the window
            // that matters only once.
            if ((i == 0 || i == rows - 1) && !shown.lastRowIs(calc.expr, calc.result))
            {
                state.SkipWithError("the panel did not show the expected result");
                return;
            }
        }
        if (shown.history()->rowCount() != rows)
        {
            state.SkipWithError("history rows missing");
            return;
        }
        const double total = std::accumulate(seconds.begin(), seconds.end(), 0.0);
        state.SetIterationTime(total);
        const Summary first = Summarize({seconds.begin(), seconds.begin() + window});
        const Summary last = Summarize({seconds.end() - window, seconds.end()});
        state.counters["first1k_mean_ms"] = first.mean * 1e3;
        state.counters["first1k_median_ms"] = first.median * 1e3;
        state.counters["last1k_mean_ms"] = last.mean * 1e3;
        state.counters["last1k_median_ms"] = last.median * 1e3;
        // Flat when near 1: a calculation costs the same at any history length.
        state.counters["last_to_first_median"] = last.median / first.median;
        const Summary firstCpu = Summarize({cpuSeconds.begin(), cpuSeconds.begin() + window});
        const Summary lastCpu = Summarize({cpuSeconds.end() - window, cpuSeconds.end()});
        state.counters["first1k_cpu_median_ms"] = firstCpu.median * 1e3;
        state.counters["last1k_cpu_median_ms"] = lastCpu.median * 1e3;
        state.counters["last_to_first_cpu_median"] = lastCpu.median / firstCpu.median;
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_ReturnAsHistoryGrows)
    ->Arg(10000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

void BM_ReturnAfterMegabytePaste(benchmark::State& state)
{
    // "1+1+...+1", 2^20 - 1 characters: 2^19 ones.
    const int ones = 1 << 19;
    QString expr = QStringLiteral("1");
    expr.reserve(2 * ones);
    for (int i = 1; i < ones; ++i)
        expr += QStringLiteral("+1");
    const QString result = QString::number(ones);

    ShownPanel shown;
    double pasteSeconds = 0;
    double nextSeconds = 0;
    for (auto _ : state)
    {
        const Clock::time_point start = Clock::now();
        shown.paste(expr);
        pasteSeconds += SecondsSince(start);
        if (shown.line()->text().size() != expr.size())
        {
            state.SkipWithError("the paste was cut");
            return;
        }
        state.SetIterationTime(shown.pressReturn());
        if (!shown.lastRowIs(expr, result))
        {
            state.SkipWithError("the panel did not show the expected result");
            return;
        }
        // The long row stays in view for the next calculations.
        shown.paste(QStringLiteral("1+1"));
        nextSeconds += shown.pressReturn();
        // Each run starts from an empty history.
        shown.panel->button_ch_pressed();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["chars"] = double(expr.size());
    state.counters["paste_ms"] =
        benchmark::Counter(pasteSeconds * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["next_calculation_ms"] =
        benchmark::Counter(nextSeconds * 1e3, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ReturnAfterMegabytePaste)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Headless, and the same platform for every run, so figures compare.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    HostRuntime runtime;
    runtime.openSampleDrawing();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
