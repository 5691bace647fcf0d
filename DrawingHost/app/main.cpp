// drawinghost: the drawing host application.
//   drawinghost [--load MODULE]... [--script FILE] [--exit] [--screenshot PNG]
//               [--log FILE]
// Modules load before the main window is built, so that they see it being
// created. With --exit or --screenshot the host quits once the script has
// run: status 0 when every module loaded and every line was accepted, else 1.
// --log appends every command-line message to FILE from the start on; a log
// that cannot be opened is reported and the host runs without it.

#include "CommandLine.h"
#include "CommandProcessor.h"
#include "HostMainWindow.h"
#include "HostRuntime.h"
#include "ModuleManager.h"
#include "ScriptRunner.h"
#include "SessionLog.h"
#include "UserInput.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

namespace
{
struct Options
{
    QStringList modules;
    QString script;
    QString screenshot;
    QString log;
    bool exitAfter = false;
};

Options parseOptions(const QApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "A drawing host for calculator modules."));
    parser.addHelpOption();
    const QCommandLineOption load(QStringLiteral("load"),
                                  QCoreApplication::translate("main", "Load a module."),
                                  QStringLiteral("MODULE"));
    const QCommandLineOption script(
        QStringLiteral("script"),
        QCoreApplication::translate("main", "Run a file of command-line input."),
        QStringLiteral("FILE"));
    const QCommandLineOption exitAfter(
        QStringLiteral("exit"),
        QCoreApplication::translate("main", "Quit once the script has run."));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QCoreApplication::translate("main",
                                    "Save the main window as PNG after the script, then quit."),
        QStringLiteral("PNG"));
    const QCommandLineOption log(
        QStringLiteral("log"),
        QCoreApplication::translate("main", "Append every command-line message to a file."),
        QStringLiteral("FILE"));
    parser.addOptions({load, script, exitAfter, screenshot, log});
    parser.process(app);

    Options options;
    options.modules = parser.values(load);
    options.script = parser.value(script);
    options.screenshot = parser.value(screenshot);
    options.log = parser.value(log);
    options.exitAfter = parser.isSet(exitAfter) || parser.isSet(screenshot);
    return options;
}

bool saveScreenshot(HostMainWindow& window, const QString& strPath)
{
    if (window.grab().save(strPath, "PNG"))
        return true;
    std::fprintf(stderr, "drawinghost: cannot write %s\n", qPrintable(strPath));
    return false;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("drawinghost"));
    const Options options = parseOptions(app);

    HostRuntime runtime;
    SessionLog log(runtime.commandLine());
    QString logError;
    if (!options.log.isEmpty() && !log.open(options.log, logError))
    {
        const QString text = QCoreApplication::translate("main", "Cannot open the log file %1: %2")
                                 .arg(options.log, logError);
        std::fprintf(stderr, "drawinghost: %s\n", qPrintable(text));
        runtime.commandLine().message(text);
    }
    // Start-up messages (module refusals above all) matter to a scripted run.
    runtime.commandLine().setEcho(!options.script.isEmpty() || options.exitAfter);
    bool modulesLoaded = true;
    for (const QString& path : options.modules)
        modulesLoaded = runtime.modules().load(path) && modulesLoaded;
    runtime.commandLine().setEcho(false);

    HostMainWindow* pWindow = runtime.createMainUi();
    runtime.openSampleDrawing();
    runtime.input().setInteractive(!options.exitAfter);
    pWindow->show();

    ScriptRunner runner(runtime);
    auto finish = [&](bool bSucceeded)
    {
        if (!options.screenshot.isEmpty())
            bSucceeded = saveScreenshot(*pWindow, options.screenshot) && bSucceeded;
        if (options.exitAfter)
            QCoreApplication::exit(bSucceeded && modulesLoaded ? 0 : 1);
    };
    QObject::connect(&runner, &ScriptRunner::finished, &app, finish);

    if (!options.script.isEmpty())
    {
        if (!runner.load(options.script))
        {
            std::fprintf(stderr, "%s\n", qPrintable(runtime.commandLine().messages().last()));
            if (options.exitAfter)
                return 1;
        }
        else
        {
            // Once the window is up and what start-up queued has run.
            QTimer::singleShot(0, &runner, &ScriptRunner::start);
        }
    }
    else if (options.exitAfter)
    {
        QTimer::singleShot(0, &app, [&] { finish(true); });
    }

    const int status = app.exec();
    runtime.shutdown();
    return status;
}
