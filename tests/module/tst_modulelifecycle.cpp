// The module in the host: loading and unloading, the panel commands and the
// dock, host notifications in any order, menu entries, and an unload that
// leaves nothing behind.

#include "ModuleTestSupport.h"

#include <CTwCommand.h>

#include <QApplication>
#include <QFileInfo>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace
{

// A command of the calculator's name from an older plug-in: it must step
// aside while the module is loaded and come back afterwards.
class OlderCalculator : public OdStaticRxObject<CTwCommand>
{
public:
    const OdString groupName() const override { return OdString(u"OLDCALC"); }
    const OdString globalName() const override { return OdString(u"_SMARTCALCULATOR"); }

protected:
    int RunCommand(OdEdCommandContext*) override { return kTwNormal; }
};

QString unloadedMessage()
{
    return QStringLiteral("Module %1 unloaded.").arg(QFileInfo(MODULE_PATH).fileName());
}

bool hasMenuEntry(HostMenu* pMenu)
{
    for (CTwMenuItem* pItem : pMenu->GetItems())
    {
        if (pItem->GetId().equalNoCase(CTwString("Id_SmartCalculator")))
            return true;
    }
    return false;
}

} // namespace

class TestModuleLifecycle : public QObject, public ModuleHost
{
    Q_OBJECT

private slots:
    void cleanup() { stop(); }

    void loadAndUnloadTwice();

    void panelCommands_data();
    void panelCommands();

    void bringsForwardAPanelBehindATab();
    void notificationsBeforeThePanel();
    void loadedAfterStartUp();
    void toolsFollowTheDrawings_data();
    void toolsFollowTheDrawings();
    void menuEntries();
    void mainUiBuiltAgain();
    void unloadLeavesNothingBehind();
};

void TestModuleLifecycle::loadAndUnloadTwice()
{
    for (int round = 0; round < 2; ++round)
    {
        OlderCalculator older;
        runtime = std::make_unique<HostRuntime>();
        odedRegCmds()->addCommand(&older);
        QVERIFY(runtime->modules().load(MODULE_PATH));
        OdEdCommand* pFound = odedRegCmds()->lookupCmd(u"_SMARTCALCULATOR").get();
        QVERIFY(pFound && pFound != &older);
        QVERIFY(odedRegCmds()->lookupCmd(u"_SCGETANGLE"));

        // Loaded before the main UI: the panel is built with it, docked,
        // hidden, its groups all open until a command lays them out.
        runtime->createMainUi();
        runtime->mainWindow()->show();
        QVERIFY(dock() && !dock()->isVisible());
        QCOMPARE(openGroups(), QString("1111"));

        const qsizetype before = messageCount();
        QVERIFY(runtime->modules().unload(MODULE_PATH));
        const QStringList unloading = messagesFrom(before);
        QVERIFY(!dock());
        QCOMPARE(odedRegCmds()->lookupCmd(u"_SMARTCALCULATOR").get(), &older);
        QVERIFY(!odedRegCmds()->lookupCmd(u"_HIDESMARTCALCULATOR"));
        odedRegCmds()->removeCmd(&older);
        runtime.reset();
        // Nothing left for the host to clean up after the module.
        QCOMPARE(unloading, QStringList{unloadedMessage()});
    }
}

void TestModuleLifecycle::panelCommands_data()
{
    QTest::addColumn<bool>("moduleFirst");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("groups");

    QTest::newRow("SMARTCALCULATOR shows the hidden panel")
        << true << QStringList{"SMARTCALCULATOR"} << true << "1110";
    QTest::newRow("run again once shown, it hides it")
        << true << QStringList{"SMARTCALCULATOR", "SMARTCALCULATOR"} << false << "1110";
    QTest::newRow("HIDESMARTCALCULATOR hides it")
        << true << QStringList{"SMARTCALCULATOR", "HIDESMARTCALCULATOR"} << false << "1110";
    QTest::newRow("UNITCONVERSION keeps it shown and opens the unit group")
        << true << QStringList{"SMARTCALCULATOR", "UNITCONVERSION"} << true << "1001";
    QTest::newRow("UNITCONVERSION shows the hidden panel with the unit group")
        << true << QStringList{"UNITCONVERSION"} << true << "1001";
    QTest::newRow("SMARTCALCULATOR after UNITCONVERSION restores the layout, then toggles")
        << true << QStringList{"UNITCONVERSION", "_SMARTCALCULATOR"} << false << "1110";
    QTest::newRow("loaded after start-up, HIDESMARTCALCULATOR lays out the hidden panel")
        << false << QStringList{"HIDESMARTCALCULATOR"} << false << "1110";
    QTest::newRow("loaded after start-up, UNITCONVERSION shows the unit layout")
        << false << QStringList{"_UNITCONVERSION"} << true << "1001";
    QTest::newRow("loaded after start-up, SMARTCALCULATOR shows the calculator layout")
        << false << QStringList{"SMARTCALCULATOR"} << true << "1110";
}

void TestModuleLifecycle::panelCommands()
{
    QFETCH(bool, moduleFirst);
    QFETCH(QStringList, commands);
    QFETCH(bool, visible);
    start(moduleFirst ? ModuleFirst : UiFirst);
    // Loaded before or after the host's UI, the panel is there, hidden.
    QVERIFY(dock() && !dock()->isVisible());
    // Low enough that the unit group starts below the panel's fold.
    runtime->mainWindow()->resize(1200, 560);

    run(commands);
    QVERIFY(dock());
    QTRY_COMPARE(dock()->isVisible(), visible);
    QTEST(openGroups(), "groups");
    QCOMPARE(runtime->mainWindow()->toggleButton()->isChecked(), visible);
    if (openGroups() == "1001")
    {
        // Opened for unit conversion: the whole group, with its Convert
        // button and result, in view once the host waits for input again.
        QEventLoop idle;
        QTimer::singleShot(100, &idle, &QEventLoop::quit);
        idle.exec();
        auto* pArea = panelChild<QWidget>("scrollArea");
        auto* pGroup = panelChild<QWidget>("gb_UnitConv");
        auto* pViewport = pArea->findChild<QWidget*>("qt_scrollarea_viewport");
        QVERIFY(pViewport->rect().contains(
            QRect(pGroup->mapTo(pViewport, QPoint(0, 0)), pGroup->size())));
    }
}

void TestModuleLifecycle::notificationsBeforeThePanel()
{
    runtime = std::make_unique<HostRuntime>();
    QVERIFY(runtime->modules().load(MODULE_PATH));
    // Events of every kind, and the panel commands, before the host's UI
    // exists: no dock can be made yet.
    run({"NEW", "CLOSE", "STARTPAGE", "GETDISTANCE", "0,0", "3,4", "GETAREA", "^C",
         "HIDESMARTCALCULATOR", "SMARTCALCULATOR", "UNITCONVERSION"});

    // The UI comes up: the panel is docked and built; the start page is
    // current.
    runtime->createMainUi();
    runtime->mainWindow()->show();
    QVERIFY(dock() && !dock()->isVisible());
    QCOMPARE(openGroups(), QString("1111"));
    QCOMPARE(hostTools(), QString("00"));
    run({"SMARTCALCULATOR"});
    QTRY_VERIFY(dock()->isVisible());
}

void TestModuleLifecycle::loadedAfterStartUp()
{
    start(UiFirst);
    for (int round = 0; round < 2; ++round)
    {
        // As one loaded at start-up: hidden, every icon and group built (all
        // open until a command lays them out), the toolbar button bound to
        // the dock.
        QVERIFY(dock() && !dock()->isVisible());
        QCOMPARE(openGroups(), QString("1111"));
        for (const char* pszButton :
             {"button_ch", "button_copyClip", "button_copyCommand", "button_help",
              "button_getDistance", "button_getAngle", "button_getArea", "button_getCircumference",
              "button_convert"})
            QVERIFY2(!panelChild<QAbstractButton>(pszButton)->icon().isNull(), pszButton);
        QToolButton* pToggle = runtime->mainWindow()->toggleButton();
        // The click shows the dock at once, and the button the dock.
        pToggle->click();
        QVERIFY(dock()->isVisible() && pToggle->isChecked());
        run({"UNITCONVERSION"});
        QCOMPARE(openGroups(), QString("1001"));
        run({"HIDESMARTCALCULATOR"});
        QTRY_VERIFY(!pToggle->isChecked());

        // A second LOAD of the same module is refused and changes nothing.
        run({"LOAD", MODULE_PATH});
        QVERIFY(lastMessage().contains("already loaded"));
        QCOMPARE(runtime->mainWindow()->findChildren<QDockWidget*>("Smart Calculator").size(), 1);

        run({"UNLOAD", QFileInfo(MODULE_PATH).fileName(), "LOAD", MODULE_PATH});
    }
}

void TestModuleLifecycle::bringsForwardAPanelBehindATab()
{
    start();
    run({"SMARTCALCULATOR"});
    QTRY_VERIFY(dock()->isVisible());
    // Another panel shares the dock area, its tab in front.
    auto* pOther = new QDockWidget(QStringLiteral("Other"), runtime->mainWindow());
    runtime->mainWindow()->addDockWidget(Qt::RightDockWidgetArea, pOther);
    runtime->mainWindow()->tabifyDockWidget(dock(), pOther);
    // The tab bar comes with the next layout of the main window.
    auto dockTabs = [this]() -> QTabBar*
    {
        for (QTabBar* pBar : runtime->mainWindow()->findChildren<QTabBar*>())
        {
            if (pBar->count() == 2 && pBar->tabText(1) == QLatin1String("Other"))
                return pBar;
        }
        return nullptr;
    };
    QTRY_VERIFY(dockTabs());
    QTabBar* pTabs = dockTabs();
    QTest::mouseClick(pTabs, Qt::LeftButton, {}, pTabs->tabRect(1).center());
    QTRY_COMPARE(pTabs->tabText(pTabs->currentIndex()), QString("Other"));

    run({"SMARTCALCULATOR"});
    QTRY_COMPARE(pTabs->tabText(pTabs->currentIndex()), QString("Smart Calculator"));
    QVERIFY(dock()->isVisible());
}

void TestModuleLifecycle::toolsFollowTheDrawings_data()
{
    QTest::addColumn<QStringList>("steps"); // command lines, "close tab N", "select tab N"
    QTest::addColumn<QString>("tools");     // measurement tools, command-line button

    // The host starts with one drawing open.
    QTest::newRow("one drawing open: enabled") << QStringList{} << "11";
    QTest::newRow("closing the active one of two drawings keeps them")
        << QStringList{"NEW", "CLOSE"} << "11";
    QTest::newRow("closing a background drawing's tab keeps them")
        << QStringList{"NEW", "close tab 0"} << "11";
    QTest::newRow("closing the last drawing disables them") << QStringList{"CLOSE"} << "00";
    QTest::newRow("a new drawing enables them again") << QStringList{"CLOSE", "NEW"} << "11";
    QTest::newRow("the start page disables them while a drawing stays open")
        << QStringList{"STARTPAGE"} << "00";
    QTest::newRow("activating the drawing's tab enables them again")
        << QStringList{"STARTPAGE", "select tab 0"} << "11";
}

void TestModuleLifecycle::toolsFollowTheDrawings()
{
    QFETCH(QStringList, steps);
    start();
    QTabWidget* pTabs = runtime->mainWindow()->tabs();
    // Tab N among the drawings' tabs, as the user sees them.
    auto drawingTab = [&](const QString& step)
    {
        const HostDocument* pDoc = runtime->documents().documents().at(step.back().digitValue());
        for (int i = 0; i < pTabs->count(); ++i)
        {
            if (pTabs->tabText(i) == QString(pDoc->GetTitle()))
                return i;
        }
        return -1;
    };
    for (const QString& step : steps)
    {
        if (step.startsWith(QLatin1String("close tab ")))
        {
            const int tab = drawingTab(step);
            QVERIFY(tab >= 0 && tab != pTabs->currentIndex());
            QTabBar* pBar = pTabs->tabBar();
            QWidget* pClose = pBar->tabButton(tab, QTabBar::RightSide);
            if (!pClose)
                pClose = pBar->tabButton(tab, QTabBar::LeftSide);
            QVERIFY(pClose);
            QTest::mouseClick(pClose, Qt::LeftButton);
        }
        else if (step.startsWith(QLatin1String("select tab ")))
        {
            QTabBar* pBar = pTabs->tabBar();
            QTest::mouseClick(pBar, Qt::LeftButton, {}, pBar->tabRect(drawingTab(step)).center());
        }
        else
            run({step});
    }
    QTEST(hostTools(), "tools");
}

void TestModuleLifecycle::menuEntries()
{
    start();
    HostMenu* pDrawing = runtime->mainWindow()->drawingMenu();
    auto entryOf = [](HostMenu* pMenu) -> CTwMenuItem*
    {
        for (CTwMenuItem* pItem : pMenu->GetItems())
        {
            if (pItem->GetId() == CTwString("Id_SmartCalculator"))
                return pItem;
        }
        return nullptr;
    };

    // The drawing's menu: once, before "Smart select", with both icons.
    runtime->ui().populate(pDrawing);
    runtime->ui().populate(pDrawing);
    const CTwMenuItems& items = pDrawing->GetItems();
    QCOMPARE(std::count_if(items.begin(), items.end(),
                           [&](CTwMenuItem* p) { return p == entryOf(pDrawing); }),
             1);
    const qsizetype at = items.indexOf(entryOf(pDrawing));
    QCOMPARE(items.at(at + 1)->GetId(), CTwString("PMI_SMARTSELECT"));
    QVERIFY(!entryOf(pDrawing)->GetIconPath(true).isEmpty());
    QVERIFY(!entryOf(pDrawing)->GetIconPath(false).isEmpty());
    QCOMPARE(entryOf(pDrawing)->GetText(), CTwString("Smart Calculator"));
    QCOMPARE(entryOf(pDrawing)->GetAction()->GetCommand(), CTwString("_SMARTCALCULATOR"));

    // Shown, the panel's entry carries the check mark.
    run({"SMARTCALCULATOR"});
    QTRY_VERIFY(dock()->isVisible());
    runtime->ui().populate(pDrawing);
    QCOMPARE(entryOf(pDrawing)->GetText(), CTwString("!.Smart Calculator"));

    // Without "Smart select" the entry goes to the end.
    HostMenu* pOther = runtime->ui().createMenu("PM_Other", UIManager::kContextMenu, nullptr);
    runtime->ui().populate(pOther);
    QCOMPARE(pOther->GetItems().last(), entryOf(pOther));

    // The classic View menu: only without drawings, in Classic, no icons.
    HostMenu* pView = runtime->ui().findMenu("ID_MnView");
    runtime->ui().populate(pView);
    QVERIFY2(!entryOf(pView), "a drawing is open");
    run({"CLOSE", "WORKSPACE", "Drafting"});
    runtime->ui().populate(pView);
    QVERIFY2(!entryOf(pView), "the Drafting workspace");
    run({"WORKSPACE", "Classic"});
    runtime->ui().populate(pView);
    QVERIFY(entryOf(pView));
    QVERIFY(entryOf(pView)->GetIconPath(false).isEmpty());
}

void TestModuleLifecycle::mainUiBuiltAgain()
{
    start();
    run({"SMARTCALCULATOR"});
    QTest::keyClicks(line(), "7*6");
    QTest::keyClick(line(), Qt::Key_Return);
    QCOMPARE(line()->text(), QString("42"));

    runtime->destroyMainUi();
    runtime->createMainUi();
    runtime->mainWindow()->show();
    // A new panel with new groups, all open until a command lays them out.
    QVERIFY(dock());
    QVERIFY(line()->text().isEmpty());
    QCOMPARE(openGroups(), QString("1111"));
    run({"SMARTCALCULATOR"});
    QCOMPARE(openGroups(), QString("1110"));
}

void TestModuleLifecycle::unloadLeavesNothingBehind()
{
    start(UiFirst);
    QVERIFY(runtime->modules().unload(MODULE_PATH));
    HostMenu* pDrawing = runtime->mainWindow()->drawingMenu();
    HostMenu* pView = runtime->ui().findMenu("ID_MnView");
    const int editorReactors = runtime->editor().reactorCount();
    const int uiReactors = runtime->ui().reactorCount();
    const qsizetype widgets = QApplication::allWidgets().size();
    const qsizetype drawingItems = pDrawing->GetItems().size();

    for (int round = 0; round < 20; ++round)
    {
        QVERIFY(runtime->modules().load(MODULE_PATH));
        run({"SMARTCALCULATOR"});
        QTest::keyClicks(line(), "2+3");
        QTest::keyClick(line(), Qt::Key_Return);
        QCOMPARE(line()->text(), QString("5"));
        click("button_getDistance");
        run({"0,0", "6,8"});
        QCOMPARE(line()->text(), QString("10"));
        runtime->ui().populate(pDrawing);
        panelChild<QLineEdit>("lineEdit_unitConInput")->setText("2");
        click("button_convert");
        click("button_ms");
        click("button_mr");
        QCOMPARE(metaTypesInModule(), QStringList());
        if (round == 1)
            dock()->setFloating(true);
        const qsizetype before = messageCount();
        if (round == 2)
        {
            // Gone while the host measures for it: the host's command goes on
            // and is cancelled later, with nobody left to tell.
            runtime->input().setInteractive(true);
            QTimer whileWaiting;
            connect(&whileWaiting, &QTimer::timeout, this,
                    [&]
                    {
                        if (!runtime->input().isWaiting())
                            return;
                        whileWaiting.stop();
                        runtime->modules().unload(MODULE_PATH);
                        runtime->input().cancel();
                    });
            whileWaiting.start(10);
            click("button_getArea");
            QTRY_VERIFY(runtime->processor().isQuiet() && !whileWaiting.isActive());
            runtime->input().setInteractive(false);
        }
        else
            QVERIFY(runtime->modules().unload(MODULE_PATH));

        // Nothing left for the host to clean up after the module. (In round
        // 2 the host's cancelled command adds its own lines.)
        const QStringList unloading = messagesFrom(before);
        if (round != 2)
            QCOMPARE(unloading, QStringList{unloadedMessage()});
        QVERIFY(unloading.contains(unloadedMessage()));
        QVERIFY2(std::none_of(unloading.begin(), unloading.end(),
                              [](const QString& m) { return m.contains("behind"); }),
                 qPrintable(unloading.join('\n')));
        QVERIFY(!dock());
        QCOMPARE(runtime->editor().reactorCount(), editorReactors);
        QCOMPARE(runtime->ui().reactorCount(), uiReactors);
        QCOMPARE(pDrawing->GetItems().size(), drawingItems);
        QVERIFY(!hasMenuEntry(pDrawing));
        QVERIFY(!odedRegCmds()->lookupCmd(u"_SMARTCALCULATOR"));
        QTRY_COMPARE(QApplication::allWidgets().size(), widgets);
    }
    // The host goes on notifying: nothing may reach the closed library.
    run({"NEW", "GETDISTANCE", "0,0", "1,1", "CLOSE", "STARTPAGE", "CLOSE"});
    runtime->ui().populate(pDrawing);
    runtime->ui().populate(pView);
    runtime->destroyMainUi();
}

QTEST_MAIN(TestModuleLifecycle)
#include "tst_modulelifecycle.moc"
