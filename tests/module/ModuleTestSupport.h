#pragma once

// The drawing host's runtime with the calculator module loaded from its
// built file, as the host loads it. The panel is reached only through the
// host's dock and object names: the tests know the module as the host does.
//
// Tests take steps as a person and the host deliver them (play): each once
// the host has settled, that is once nothing runs or a prompt waits with
// nothing queued to answer it, from whatever event loop turns then. So a
// click lands inside a waiting prompt's nested loop, as a real one does.
// Table rows are such steps written in a small language (playSteps).

#include "../support/HostDriving.h"

#include <CTwCollapsibleGroupBox.h>
#include <CTwCommand.h>
#include <CommandLine.h>
#include <Documents.h>
#include <HostEditor.h>
#include <HostMainWindow.h>
#include <ModuleManager.h>
#include <SystemServices.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

// A command of the calculator's name from an older plug-in.
struct OlderCalculator : OdStaticRxObject<CTwCommand>
{
    const OdString globalName() const override { return OdString(u"_SMARTCALCULATOR"); }
    int RunCommand(OdEdCommandContext*) override { return kTwNormal; }
};

class ModuleHost
{
public:
    // The module loaded before the host's UI, as --load does, or after it,
    // as LOAD does (no main-UI notification for the module); then the
    // sample drawing and another context menu.
    void start(bool bModuleFirst = true)
    {
        runtime = std::make_unique<HostRuntime>();
        playSteps(bModuleFirst ? "load; ui+" : "ui+; load");
        runtime->openSampleDrawing();
        // A context menu without "Smart select".
        runtime->ui().createMenu("PM_Other", UIManager::kContextMenu, nullptr);
    }
    void createUi()
    {
        // Small, since painting is most of a step's time; the panel scrolls.
        runtime->createMainUi()->resize(640, 420);
        runtime->mainWindow()->show();
    }

    QDockWidget* dock() const
    {
        HostMainWindow* pWindow = runtime->mainWindow();
        return pWindow ? pWindow->findChild<QDockWidget*>("Smart Calculator") : nullptr;
    }
    template <class T = QWidget> T* panelChild(const QString& strName) const
    {
        return dock() ? dock()->findChild<T*>(strName) : nullptr;
    }
    QLineEdit* line() const { return panelChild<QLineEdit>("lineEdit_calc"); }
    bool loaded() const { return runtime->modules().module(MODULE_PATH); }
    CTwMenuItem* entry(const QString& strMenu) const
    {
        HostMenu* pMenu = runtime->ui().findMenu(strMenu);
        for (CTwMenuItem* pItem : pMenu ? pMenu->GetItems() : CTwMenuItems())
        {
            if (pItem->GetId().equalNoCase(CTwString("Id_SmartCalculator")))
                return pItem;
        }
        return nullptr;
    }
    // A guarded call into a module failed, or the host removed what one left
    // registered at its unload: the command line's first such line.
    QString hostComplaint() const
    {
        const QRegularExpression complaint("^Error in |left .* behind");
        return runtime->commandLine().messages().filter(complaint).value(0);
    }
    // What of the unloaded module is still there; empty for nothing.
    QString leftovers() const
    {
        QStringList left{hostComplaint(), dock() ? "the dock" : ""};
        for (QWidget* pWidget : QApplication::allWidgets())
            left << (pWidget->objectName() == "lineEdit_calc" ? "the panel" : "");
        for (const char* menu : {"ID_PmDrawing", "ID_MnView", "PM_Other"})
            left << (entry(menu) ? QString("an entry in ") + menu : "");
        left.removeAll("");
        return left.join(", ");
    }

    // Takes steps from next() until it returns false, each once the host
    // has settled; returns once the host is quiet again, whatever still
    // waited cancelled. A host that never settles ends the process with
    // the steps that led there.
    void play(const std::function<bool()>& next)
    {
        UserInput& input = runtime->input();
        input.setInteractive(true);
        bool more = true;
        int calm = 0; // ticks the host has been settled for
        QElapsedTimer sinceStep;
        sinceStep.start();
        QEventLoop loop;
        QTimer tick;
        auto onTick = [&]
        {
            const bool settled =
                runtime->processor().isQuiet() || (input.isWaiting() && !input.hasPending());
            calm = settled ? calm + 1 : 0;
            if (sinceStep.elapsed() > 30000)
                qFatal("The host never came to rest after:\n%s", qPrintable(trail.join('\n')));
            // One more turn of the loop for what the last step posted.
            if (calm < 2 || (!more && !runtime->processor().isQuiet()))
                return;
            if (!more)
                return loop.quit();
            calm = 0;
            sinceStep.restart();
            tick.stop(); // a step that turns the event loop is not overtaken
            more = next();
            tick.start();
            // At the end whatever still waits is cancelled.
            input.setInteractive(more);
            if (!more)
                runtime->services().SendMacro(CTwString(u"^C^C"), 0);
        };
        QObject::connect(&tick, &QTimer::timeout, onTick);
        tick.start(0);
        loop.exec();
    }

    // Plays steps separated by "; " and returns what the "?" steps read,
    // separated by "; ". Steps:
    //   "load", "unload"      the module by path
    //   "ui-", "ui+"          the host's main UI torn down, built again
    //   "click:NAME"          a click on the panel's button
    //   "type:TEXT", "key:NAME", "calc:TEXT"  typed into the input line
    //                         (calc: and Return)
    //   "toggle", "menu"      the toolbar's calculator button; the drawing
    //                         menu's entry for the panel
    //   "populate:MENU"       a host menu about to show
    //   "activate:N", "close:N", "closeall"  drawings, by their index
    //                         (modulo their number)
    //   "behind"              another panel tabbed in front of the panel
    //   "float"               the panel's dock floating
    //   "older"               an older plug-in's command of the calculator's
    //                         name registered
    //   anything else         a line entered on the command line ("" is
    //                         Enter, "^C" Escape)
    //   "?line", "?preview", "?enabled" (the panel), "?focus" (object name)
    //   "?shown"   the dock "shown" or "hidden", and when the toolbar button
    //              disagrees ", the button not"
    //   "?front"   the panel "in front" of those tabbed with it, or "behind"
    //   "?groups"  functions, scientific, measurement tools, unit
    //              conversion: 1 open, 0 collapsed
    //   "?tools"   the measurement tools, the command-line button: 1 enabled
    //   "?entry:MENU"  the panel's (first) entry in a host menu (one of
    //              those leftovers looks at): its text, the item after it
    //              (or "last"), its icons
    //   "?msg"     the command line's last line since the steps began
    //   "?loaded", "?left" (leftovers), "?older" ("back" when the older
    //              command is the one registered, else "aside")
    QString playSteps(const QString& strSteps)
    {
        const QStringList steps = strSteps.split("; ");
        const qsizetype firstMessage = runtime->commandLine().messages().size();
        QStringList log;
        qsizetype at = 0;
        play(
            [&]
            {
                if (at == steps.size())
                    return false;
                trail << steps.at(at);
                if (!steps.at(at).startsWith('?'))
                    act(steps.at(at++));
                else
                    log << read(steps.at(at++).mid(1),
                                runtime->commandLine().messages().mid(firstMessage));
                return true;
            });
        return log.join("; ");
    }
    // "type:TEXT" or "key:NAME" (as QKeySequence names it) into a line.
    static void type(QLineEdit* pLine, const QString& step)
    {
        pLine->setFocus();
        if (step.startsWith("key:"))
            QTest::keyClick(pLine, Qt::Key(QKeySequence(step.mid(4))[0].key()));
        else
            QTest::keyClicks(pLine, step.section(':', 1));
    }
    void act(const QString& step)
    {
        const QString arg = step.section(':', 1);
        HostMainWindow* pWindow = runtime->mainWindow();
        DocumentManager& docs = runtime->documents();
        if (step == "load" || step == "unload")
            step == "load" ? runtime->modules().load(MODULE_PATH)
                           : runtime->modules().unload(MODULE_PATH);
        else if (step == "ui-" || step == "ui+")
            step == "ui-" ? runtime->destroyMainUi() : createUi();
        else if (step.startsWith("click:"))
            QTest::mouseClick(panelChild<QAbstractButton>(arg), Qt::LeftButton);
        else if (step.startsWith("type:") || step.startsWith("key:"))
            type(line(), step);
        else if (step.startsWith("calc:"))
            type(line(), "type:" + arg), type(line(), "key:Return");
        else if (step == "toggle")
            QTest::mouseClick(pWindow->toggleButton(), Qt::LeftButton);
        else if (step == "menu")
            chooseMenuItem(pWindow->drawingMenu(), "Id_SmartCalculator");
        else if (step.startsWith("populate:"))
            runtime->ui().populate(runtime->ui().findMenu(arg));
        else if (step.startsWith("activate:") || step.startsWith("close:"))
        {
            HostDocument* pDoc = docs.documents().at(arg.toInt() % docs.documents().size());
            step.startsWith("close:") ? docs.closeDocument(pDoc) : docs.activateDocument(pDoc);
        }
        else if (step == "closeall")
            docs.closeAll();
        else if (step == "behind")
        {
            auto* pOther = new QDockWidget("Other", pWindow);
            pWindow->addDockWidget(Qt::RightDockWidgetArea, pOther);
            pWindow->tabifyDockWidget(dock(), pOther);
            QApplication::processEvents(); // lays the tabs out
            pOther->raise();
        }
        else if (step == "float")
            dock()->setFloating(true);
        else if (step == "older")
            odedRegCmds()->addCommand(&older);
        else
            runtime->input().submit(step);
    }
    QString read(const QString& what, const QStringList& said) const
    {
        QWidget* pFocus = QApplication::focusWidget();
        QMap<QString, QString> values{
            {"focus", pFocus ? pFocus->objectName() : ""},
            {"msg", said.value(said.size() - 1)},
            {"loaded", loaded() ? "loaded" : "unloaded"},
            {"older",
             odedRegCmds()->lookupCmd(u"_SMARTCALCULATOR").get() == &older ? "back" : "aside"},
            {"left", leftovers()}};
        for (const char* menu : {"ID_PmDrawing", "ID_MnView", "PM_Other"})
        {
            CTwMenuItem* pEntry = entry(menu);
            const CTwMenuItems items =
                pEntry ? runtime->ui().findMenu(menu)->GetItems() : CTwMenuItems();
            CTwMenuItem* pNext = items.value(items.indexOf(pEntry) + 1);
            values[QString("entry:") + menu] =
                !pEntry ? "none"
                        : QString(pEntry->GetText()) +
                              (pNext ? " before " + QString(pNext->GetId()) : " last") +
                              (pEntry->GetIconPath(true).isEmpty() ? "" : ", icons");
        }
        if (QDockWidget* pDock = dock())
        {
            const bool shown = pDock->isVisible();
            const bool checked = runtime->mainWindow()->toggleButton()->isChecked();
            values.insert(QMap<QString, QString>{
                {"line", line()->text()},
                {"preview", panelChild<QLabel>("label_preview")->text()},
                {"enabled", QString::number(pDock->widget()->isEnabled())},
                {"shown", QString(shown ? "shown" : "hidden") +
                              (checked == shown ? "" : ", the button not")},
                {"front", pDock->visibleRegion().isEmpty() ? "behind" : "in front"},
                {"tools", QString::number(panelChild("w_MeasurementTools")->isEnabled()) +
                              QString::number(panelChild("button_copyCommand")->isEnabled())},
                {"groups", ""}});
            for (const char* name :
                 {"gb_calcFunc", "gb_Scientific", "gb_MeasurementTools", "gb_UnitConv"})
            {
                auto* pGroup = panelChild<CTwCollapsibleGroupBox>(name);
                values["groups"] += !pGroup ? '-' : pGroup->isCollapsed() ? '0' : '1';
            }
        }
        if (!values.contains(what) && dock())
            qFatal("nothing to read as %s", qPrintable(what));
        return values.value(what, "no dock");
    }

    // A family of rows: steps played, what they read.
    static void columns()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("log");
    }
    static void row(const char* pszName, const QString& strSteps, const char* pszLog)
    {
        QTest::newRow(pszName) << strSteps << QString(pszLog);
    }
    void playRow()
    {
        QFETCH(QString, steps);
        QTEST(playSteps(steps), "log");
    }

    OlderCalculator older; // outlives the runtime that may hold it
    std::unique_ptr<HostRuntime> runtime;
    QStringList trail; // every step played, for a host that never settles
};
