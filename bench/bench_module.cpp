// Module start-up: from dlopen to the calculator shown in the host (load,
// initApp, the main UI built with the panel and its groups, SMARTCALCULATOR,
// the dock visible), against the same host start without the module.
#include <CommandProcessor.h>
#include <HostMainWindow.h>
#include <HostRuntime.h>
#include <ModuleManager.h>
#include <UserInput.h>

#include <QApplication>
#include <QDockWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace
{

QDockWidget* calculatorDock(HostRuntime& runtime)
{
    return runtime.mainWindow()->findChild<QDockWidget*>(QStringLiteral("Smart Calculator"));
}

// Host starts; with the module, each until the calculator is on screen. The
// host going down again is not timed.
void StartHost(benchmark::State& state, bool bWithModule)
{
    for (auto _ : state)
    {
        auto runtime = std::make_unique<HostRuntime>();
        if (bWithModule && !runtime->modules().load(QStringLiteral(MODULE_PATH)))
            std::abort();
        runtime->createMainUi()->show();
        if (bWithModule)
        {
            runtime->processor().runLine(QStringLiteral("SMARTCALCULATOR"));
            QDockWidget* pDock = calculatorDock(*runtime);
            if (!pDock || !pDock->isVisible())
                std::abort();
        }
        state.PauseTiming();
        runtime.reset();
        state.ResumeTiming();
    }
}

void BM_HostStart(benchmark::State& state)
{
    StartHost(state, false);
}
BENCHMARK(BM_HostStart)->Unit(benchmark::kMillisecond);

void BM_HostStartWithCalculator(benchmark::State& state)
{
    StartHost(state, true);
}
BENCHMARK(BM_HostStartWithCalculator)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
