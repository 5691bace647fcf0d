// Loading modules by path: the protocol's order, the version check, refusals
// that leave the host running, and the clean-up after a careless module; and
// the modules found in the user's and the installed module folders.

#include "HostTestSupport.h"

#include <HostMainWindow.h>
#include <ModuleManager.h>

#include <QDir>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace
{
QStringList g_calls;
}

// Called by the probe modules (the executable exports it).
extern "C" Q_DECL_EXPORT void probeRecord(const char* pszCall)
{
    g_calls << QString::fromUtf8(pszCall);
}

class TestModuleManager : public QObject
{
    Q_OBJECT

private slots:
    void init() { g_calls.clear(); }
    void protocolOrder();
    void refused_data();
    void refused();
    void leftoversAreRemovedAtUnload();
    void folders_data();
    void folders();
    void moduleCommands_data();
    void moduleCommands();
    void unloadCancelsTheModulesWaitingCommand();
};

void TestModuleManager::protocolOrder()
{
    {
        HostRuntime runtime;
        QVERIFY(runtime.modules().load(PROBE_GOOD));
        QCOMPARE(g_calls, QStringList({"odrxGetAPIVersion", "odrxCreateModuleObject", "initApp"}));
        // The module finds its own file through its name.
        const QString name = qstr(runtime.modules().module(PROBE_GOOD)->moduleName());
        QCOMPARE(QFileInfo(name).canonicalFilePath(), QFileInfo(PROBE_GOOD).canonicalFilePath());

        // Loaded before the main UI, the module sees it being built.
        runtime.createMainUi();
        runtime.openSampleDrawing();
        QVERIFY(g_calls.contains("widget TwQuickCalcCommandToggleButton"));
        QVERIFY(g_calls.indexOf("widget TwQuickCalcCommandToggleButton") <
                g_calls.indexOf("mainUiCreated"));
        QVERIFY(g_calls.contains("DocumentCreated"));

        g_calls.clear();
        runtime.shutdown();
        // Drawings close, the UI goes, then the module: uninitApp, then
        // deleteModule (the object is destroyed), then the library closes.
        QVERIFY(g_calls.indexOf("OnStartPageActivated") < g_calls.indexOf("mainUiToBeDestroyed"));
        QVERIFY(g_calls.indexOf("mainUiToBeDestroyed") < g_calls.indexOf("uninitApp"));
        QCOMPARE(g_calls.mid(g_calls.indexOf("uninitApp")),
                 QStringList({"uninitApp", "destroyed"}));
        QVERIFY(runtime.modules().loadedPaths().isEmpty());
    }
    // Loading again after unloading starts from scratch.
    g_calls.clear();
    HostRuntime runtime;
    QVERIFY(runtime.modules().load(PROBE_GOOD));
    QCOMPARE(g_calls, QStringList({"odrxGetAPIVersion", "odrxCreateModuleObject", "initApp"}));
}

void TestModuleManager::refused_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("a missing file") << "/nonexistent/Missing_26.8_17.tx"
                                    << "does not exist" << QStringList{};
    QTest::newRow("a file that is no library")
        << NOT_A_LIBRARY << "invalid ELF header" << QStringList{};
    QTest::newRow("a library without the module entry points")
        << RUNTIME_LIBRARY << "not a module" << QStringList{};
    QTest::newRow("a module of another version")
        << PROBE_WRONG_VERSION << "built for version 26.7" << QStringList{"odrxGetAPIVersion"};
    const QFileInfo good(PROBE_GOOD);
    QTest::newRow("a module loaded by a relative path, under another spelling of its path")
        << good.absolutePath() + "/./" + good.fileName() << "already loaded" << QStringList{};
}

void TestModuleManager::refused()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);
    QFETCH(QStringList, calls);

    HostRuntime runtime;
    const bool twice = reason == "already loaded";
    if (twice)
        QVERIFY(runtime.modules().load(QDir::current().relativeFilePath(PROBE_GOOD)));
    g_calls.clear();
    QVERIFY(!runtime.modules().load(path));
    QVERIFY2(runtime.commandLine().messages().last().contains(reason),
             qPrintable(runtime.commandLine().messages().last()));
    QCOMPARE(g_calls, calls);
    QCOMPARE(runtime.modules().loadedPaths().size(), twice ? 1 : 0);
    // The host goes on: its commands still run.
    QCOMPARE(runtime.processor().runLine("NEW"), int(kTwNormal));
}

void TestModuleManager::leftoversAreRemovedAtUnload()
{
    HostRuntime runtime;
    runtime.createMainUi();
    QVERIFY(runtime.modules().load(PROBE_LEAKY_MODULE));
    QVERIFY(odedRegCmds()->lookupCmd(u"_PROBE"));
    QVERIFY(runtime.modules().unload(PROBE_LEAKY_MODULE));
    QVERIFY(runtime.commandLine().messages().join('\n').contains("left 1 command(s)"));
    QCOMPARE(g_calls.mid(g_calls.indexOf("uninitApp")), QStringList({"uninitApp", "destroyed"}));
    // What it left would now point into a closed library: none of it is
    // reachable any more, Qt's record of a type it used included.
    QVERIFY(!odedRegCmds()->lookupCmd(u"_PROBE"));
    QVERIFY(!QMetaType::fromName("ProbeValue").isValid());
    g_calls.clear();
    runtime.newDrawing();
    runtime.processor().runLine("STARTPAGE");
    emit runtime.mainWindow()->findChild<QMenu*>("ID_MnView")->aboutToShow();
    QCOMPARE(runtime.processor().runLine("PROBE"), int(kTwError));
    QVERIFY(g_calls.isEmpty());
}

void TestModuleManager::folders_data()
{
    // Files as "folder/name=kind"; a folder without files does not exist.
    // "@" stands for the test's root folder.
    QTest::addColumn<QString>("named");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("loaded");
    QTest::addColumn<QStringList>("reported");

    QTest::newRow("the user's modules load before the installed ones, each folder by name")
        << QString()
        << QStringList{"user/Zeta.tx=good", "installed/Beta.tx=good", "installed/Alpha.tx=good"}
        << QStringList{"user/Zeta.tx  (user folder)", "installed/Alpha.tx  (installed)",
                       "installed/Beta.tx  (installed)"}
        << QStringList{"Module Zeta.tx loaded from @/user.",
                       "Module Alpha.tx loaded from @/installed."};
    QTest::newRow("a folder that is missing or a file is reported; nothing loads from it")
        << QString() << QStringList{"user=text"} << QStringList{}
        << QStringList{"Module folder @/user cannot be read",
                       "Module folder @/installed does not exist"};
    // Why a file does not load is refused()'s subject; here, that the rest load.
    QTest::newRow("a file that does not load is reported; the others load, other files are left")
        << QString()
        << QStringList{"installed/Bad.tx=text", "installed/Probe.tx=good",
                       "installed/notes.txt=text", "installed/sub.tx/x=text"}
        << QStringList{"installed/Probe.tx  (installed)"}
        << QStringList{"Cannot load module @/installed/Bad.tx: "};
    QTest::newRow("a module in both folders loads from the user's")
        << QString() << QStringList{"user/Probe.tx=good", "installed/Probe.tx=good"}
        << QStringList{"user/Probe.tx  (user folder)"}
        << QStringList{"Module Probe.tx in @/installed skipped: @/user/Probe.tx is loaded."};
    QTest::newRow("a module named by path comes before its installed copy")
        << "named/Probe.tx" << QStringList{"named/Probe.tx=good", "installed/Probe.tx=good"}
        << QStringList{"named/Probe.tx  (by path)"}
        << QStringList{"Module Probe.tx in @/installed skipped: @/named/Probe.tx is loaded."};
}

void TestModuleManager::folders()
{
    QFETCH(QString, named);
    QFETCH(QStringList, files);
    QFETCH(QStringList, loaded);
    QFETCH(QStringList, reported);

    const QTemporaryDir dir;
    const QDir root(dir.path());
    const QMap<QString, QString> kinds{{"good", PROBE_GOOD}, {"text", NOT_A_LIBRARY}};
    for (const QString& file : files)
    {
        const QStringList parts = file.split('=');
        const QString path = root.filePath(parts[0]);
        QVERIFY(root.mkpath(QFileInfo(path).path()));
        QVERIFY(QFile::copy(kinds.value(parts[1]), path));
    }

    HostRuntime runtime;
    if (!named.isEmpty())
        QVERIFY(runtime.modules().load(root.filePath(named)));
    runtime.modules().loadFolder(root.filePath("user"), ModuleManager::Origin::PerUser);
    runtime.modules().loadFolder(root.filePath("installed"), ModuleManager::Origin::Installed);

    const QStringList messages = runtime.commandLine().messages();
    for (QString text : reported)
    {
        text.replace('@', root.path());
        QVERIFY2(messages.filter(text).size() == 1, qPrintable(text + "\n" + messages.join('\n')));
    }
    // MODULES lists them in the order they loaded, each with its origin.
    const qsizetype before = messages.size();
    QCOMPARE(runtime.processor().runLine("MODULES"), int(kTwNormal));
    QStringList expected;
    for (const QString& entry : loaded)
    {
        const QString path = root.filePath(entry.section("  ", 0, 0));
        expected << "  " + QFileInfo(path).fileName() + "  " + path + "  " + entry.section("  ", 1);
    }
    QCOMPARE(runtime.commandLine().messages().mid(before).filter(QRegularExpression("^  ")),
             expected);
}

void TestModuleManager::moduleCommands_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("refused");
    QTest::addColumn<QString>("shown");

    const QString good = PROBE_GOOD;
    const QString name = QFileInfo(good).fileName();
    QTest::newRow("LOAD takes a path in quotes, spaces around it")
        << QStringList{"_LOAD", " \"" + good + "\" "} << 1 << 0 << "Module " + name + " loaded.";
    // Why a load is refused is refused()'s subject; here, that LOAD counts it.
    QTest::newRow("LOAD of a module already loaded is refused")
        << QStringList{"LOAD", good, "LOAD", good} << 1 << 1 << "it is already loaded.";
    QTest::newRow("LOAD of nothing is refused")
        << QStringList{"LOAD", ""} << 0 << 1 << "No module file given.";
    QTest::newRow("UNLOAD takes the file name")
        << QStringList{"LOAD", good, "UNLOAD", name} << 0 << 0 << "Module " + name + " unloaded.";
    QTest::newRow("UNLOAD takes a path in quotes, spaces around it")
        << QStringList{"LOAD", good, "UNLOAD", " \"" + good + "\" "} << 0 << 0
        << "Module " + name + " unloaded.";
    // However far from home the build is, ~ leads there.
    QTest::newRow("LOAD takes a path from the home folder")
        << QStringList{"LOAD", "~/" + QDir::home().relativeFilePath(good)} << 1 << 0
        << "Module " + name + " loaded.";
    QTest::newRow("UNLOAD of a module not loaded is refused")
        << QStringList{"LOAD", good, "UNLOAD", "Other_26.8_17.tx"} << 1 << 1
        << "Module Other_26.8_17.tx is not loaded.";
    QTest::newRow("UNLOAD with no module loaded is refused at once")
        << QStringList{"UNLOAD"} << 0 << 1 << "No module is loaded.";
    QTest::newRow("MODULES lists each loaded module with its path and origin")
        << QStringList{"LOAD", good, "MODULES"} << 1 << 0
        << "  " + name + "  " + QFileInfo(good).absoluteFilePath() + "  (by path)";
    QTest::newRow("MODULES says when there is none")
        << QStringList{"MODULES"} << 0 << 0 << "No module is loaded.";
}

void TestModuleManager::moduleCommands()
{
    QFETCH(QStringList, lines);
    QFETCH(int, loaded);
    QFETCH(int, refused);
    QFETCH(QString, shown);

    HostRuntime runtime;
    runtime.input().enqueue(lines);
    QTRY_VERIFY(runtime.processor().isQuiet());
    const QStringList& messages = runtime.commandLine().messages();
    QVERIFY2(std::any_of(messages.begin(), messages.end(),
                         [&](const QString& m) { return m.contains(shown); }),
             qPrintable(messages.join('\n')));
    QCOMPARE(runtime.modules().loadedPaths().size(), loaded);
    // A refusal counts against a script, as any refused input does.
    QCOMPARE(runtime.input().rejectedCount(), refused);
}

void TestModuleManager::unloadCancelsTheModulesWaitingCommand()
{
    OdStaticRxObject<RecordingReactor> reactor;
    HostRuntime runtime;
    odedEditor()->addReactor(&reactor);
    runtime.input().setInteractive(true);
    QVERIFY(runtime.modules().load(PROBE_GOOD));
    g_calls.clear();

    // The module's command waits for its keyword when the module is asked to
    // go: its code is still on the stack, so it is cancelled first.
    bool unloadAccepted = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &runtime,
                     [&]
                     {
                         if (!runtime.input().isWaiting())
                             return;
                         poll.stop();
                         unloadAccepted = runtime.modules().unload(PROBE_GOOD);
                     });
    poll.start(5);
    runtime.input().enqueue({"PROBE"});
    QTRY_VERIFY(runtime.processor().isQuiet() && runtime.modules().loadedPaths().isEmpty());
    QVERIFY(unloadAccepted);
    QCOMPARE(reactor.events, QStringList({"willStart:_PROBE", "cancelled:_PROBE"}));
    QCOMPARE(g_calls, QStringList({"uninitApp", "destroyed"}));
    QVERIFY(runtime.commandLine().messages().join('\n').contains("Command _PROBE of module"));
    // The host goes on without it.
    QCOMPARE(runtime.processor().runLine("PROBE"), int(kTwError));
}

QTEST_MAIN(TestModuleManager)
#include "tst_modulemanager.moc"
