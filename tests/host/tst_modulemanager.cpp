// Loading modules by path: the protocol's order, the version check, refusals
// that leave the host running, and the clean-up after a careless module.

#include "HostTestSupport.h"

#include <HostMainWindow.h>
#include <ModuleManager.h>

#include <QDir>
#include <QMenu>
#include <QTest>

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

        // Its command answers a keyword prompt through the host.
        runtime.input().enqueue({"probe", "y"});
        QTRY_VERIFY(runtime.processor().isQuiet());
        QVERIFY(g_calls.contains("answer _Yes"));
        QCOMPARE(g_calls.last(), QString("ended _PROBE"));
        QCOMPARE(runtime.commandLine().messages().last(), QString("Probe answered _Yes"));

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
    QTest::newRow("a module already loaded, under another spelling of its path")
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
        QVERIFY(runtime.modules().load(PROBE_GOOD));
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
    // reachable any more.
    QVERIFY(!odedRegCmds()->lookupCmd(u"_PROBE"));
    g_calls.clear();
    runtime.newDrawing();
    runtime.processor().runLine("STARTPAGE");
    emit runtime.mainWindow()->findChild<QMenu*>("ID_MnView")->aboutToShow();
    QCOMPARE(runtime.processor().runLine("PROBE"), int(kTwError));
    QVERIFY(g_calls.isEmpty());
}

QTEST_MAIN(TestModuleManager)
#include "tst_modulemanager.moc"
