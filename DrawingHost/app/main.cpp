// drawinghost: the drawing host application.
//   drawinghost [--load MODULE]... [--no-modules] [--script FILE] [--exit]
//               [--screenshot PNG] [--log FILE]
// Modules load before the main window is built, so that they see it being
// created: those named with --load, then (unless --no-modules) those in the
// user's module folder and in the installed one beside the executable. With
// --exit or --screenshot the host quits once the script has run: status 0
// when every module named with --load loaded and every line was accepted,
// else 1.
// --log appends every command-line message to FILE from the start on; a log
// that cannot be opened is reported and the host runs without it.

#include "CommandLine.h"
#include "CommandProcessor.h"
#include "HostMainWindow.h"
#include "HostRuntime.h"
#include "HostTranslations.h"
#include "ModuleManager.h"
#include "ScriptRunner.h"
#include "SessionLog.h"
#include "UserInput.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
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
    bool folderModules = true;
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
    const QCommandLineOption noModules(
        QStringLiteral("no-modules"),
        QCoreApplication::translate(
            "main", "Load no module from the installed or the user's module folder."));
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
    parser.addOptions({load, noModules, script, exitAfter, screenshot, log});
    parser.process(app);

    Options options;
    options.modules = parser.values(load);
    options.script = parser.value(script);
    options.screenshot = parser.value(screenshot);
    options.log = parser.value(log);
    options.exitAfter = parser.isSet(exitAfter) || parser.isSet(screenshot);
    options.folderModules = !parser.isSet(noModules);
    return options;
}

// Relative to the executable, so that an unpacked or relocated installation
// finds its own modules.
QString installedModuleFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(DRAWINGHOST_MODULE_DIR));
}

bool saveScreenshot(HostMainWindow& window, const QString& strPath)
{
    if (window.grab().save(strPath, "PNG"))
        return true;
    std::fprintf(stderr, "drawinghost: %s\n",
                 qPrintable(QCoreApplication::translate("main", "Cannot write %1").arg(strPath)));
    return false;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("drawinghost"));
    installHostTranslations();
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
    // Found, not asked for: one that does not load leaves the exit status alone.
    if (options.folderModules)
    {
        const QString userFolder = ModuleManager::userFolder();
        if (!userFolder.isEmpty())
            runtime.modules().loadFolder(userFolder, ModuleManager::Origin::PerUser);
        runtime.modules().loadFolder(installedModuleFolder(), ModuleManager::Origin::Installed);
    }
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
