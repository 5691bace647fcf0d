// Random sequences of everything the host and the user do to the module:
// drawings opened, switched and closed, the start page, the main UI torn
// down and built again, menus, workspaces and themes, the module's commands,
// measurements started, answered, cancelled and displaced, LOAD and UNLOAD,
// keys and clicks on the panel. After every step the host and the panel must
// agree with a small model of who waits for what:
//   - the panel is disabled exactly while a measurement it asked for is
//     requested or runs (the model follows the host's command frames);
//   - the host's toggle button is checked exactly while the dock shows;
//   - once unloaded, nothing of the module is registered with the host, and
//     no guarded call into it failed.
// Leaks show at exit in the sanitizer build.
//
// SMARTCALC_RANDOM_SEED and SMARTCALC_RANDOM_STEPS choose the walk (default:
// seed 1, a few hundred steps); SMARTCALC_RANDOM_TRACE=1 prints each step as
// it runs, for a walk that crashes. A failure prints the seed and the steps.

#include "ModuleTestSupport.h"

#include <SystemServices.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <numeric>
#include <random>

namespace
{

const OdString kToggleCommand(u"_SMARTCALCULATOR");
// Small, because painting the window is most of a step's time; the panel
// scrolls.
constexpr QSize kWindowSize(640, 420);

int envInt(const char* pszName, int iDefault)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(pszName, &ok);
    return ok ? value : iDefault;
}

} // namespace

class TestRandomEvents : public QObject, public ModuleHost
{
    Q_OBJECT

private slots:
    void randomSequences();

private:
    enum Step
    {
        NewDrawing,
        ActivateDrawing,
        CloseDrawing,
        ShowStartPage,
        HideStartPage,
        MainUiAgain,
        AppActivated,
        PopulateMenus,
        MenuEntry,
        Workspace,
        Theme,
        Settings,
        ModuleCommand,
        ToggleButton,
        PanelMeasurement,
        HostMeasurement,
        TypedMeasurement,
        Answer,
        Escape,
        LoadOrUnload,
        LoadOrUnloadTyped,
        Keys,
        PanelButton,
        StepCount
    };

    // One walk of iSteps steps from a fresh runtime; false on a failure,
    // reported with the walk's log.
    bool walk(quint32 seed, int iSteps);
    void tick();
    bool settled() const;
    bool doStep(int step);
    QString brokenInvariant();
    void fail(const QString& strWhy);
    void windDown();
    void follow();

    QDockWidget* panelDock() const
    {
        HostMainWindow* pWindow = runtime->mainWindow();
        return pWindow ? pWindow->findChild<QDockWidget*>(QStringLiteral("Smart Calculator"))
                       : nullptr;
    }
    bool loaded() const { return !runtime->modules().loadedPaths().isEmpty(); }
    int pick(int n) { return int(m_rng() % quint32(n)); }
    int pickStep();
    void note(const QString& strStep);

    std::mt19937 m_rng;
    int m_steps = 0;
    int m_done = 0;
    int m_settledTicks = 0;
    bool m_inStep = false;
    bool m_windingDown = false;
    bool m_trace = false;
    QString m_failure;
    QStringList m_log;
    qsizetype m_seenMessages = 0;
    QElapsedTimer m_sinceProgress;
    QEventLoop* m_loop = nullptr;

    // The model of the panel's own measurement, from the host's frames.
    enum class Own
    {
        Idle,
        Requested, // the button was clicked; the host has not started it
        Running,   // its frame is on the host's stack at m_ownDepth
    };
    Own m_own = Own::Idle;
    QString m_ownCommand;
    int m_ownDepth = 0;
};

void TestRandomEvents::note(const QString& strStep)
{
    m_log << QStringLiteral("%1 %2").arg(m_done).arg(strStep);
    if (m_trace)
        std::fprintf(stderr, "step %s\n", qPrintable(m_log.last()));
}

void TestRandomEvents::follow()
{
    CommandProcessor& processor = runtime->processor();
    connect(&processor, &CommandProcessor::commandStarted, this,
            [this](const QString& strName)
            {
                if (m_own == Own::Requested &&
                    strName.compare(m_ownCommand, Qt::CaseInsensitive) == 0)
                {
                    m_own = Own::Running;
                    m_ownDepth = runtime->processor().depth();
                }
            });
    connect(&processor, &CommandProcessor::commandFinished, this,
            [this](const QString&, int)
            {
                // The frame is gone when its end is told.
                if (m_own == Own::Running && runtime->processor().depth() < m_ownDepth)
                    m_own = Own::Idle;
            });
}

int TestRandomEvents::pickStep()
{
    // Mostly the panel and its measurements; the host's life around them
    // often enough that every order comes round.
    static const int weights[StepCount] = {
        2,  2,  2, 1, 1, 1, 1, 1, 1, 1, 1, 1, // documents, main UI, menus, looks, settings
        3,  2,                                // module commands, toggle button
        6,  2,  2, 8, 2,                      // measurements: panel, host, typed, answers, Escape
        1,  1,                                // LOAD and UNLOAD
        10, 10,                               // keys, panel buttons
    };
    static const int total = std::accumulate(std::begin(weights), std::end(weights), 0);
    int at = pick(total);
    int step = 0;
    while (at >= weights[step])
        at -= weights[step++];
    return step;
}

bool TestRandomEvents::settled() const
{
    const UserInput& input = runtime->input();
    return runtime->processor().isQuiet() || (input.isWaiting() && !input.hasPending());
}

void TestRandomEvents::fail(const QString& strWhy)
{
    if (m_failure.isEmpty())
        m_failure = strWhy;
    windDown();
}

void TestRandomEvents::windDown()
{
    // Whatever waits ends as cancelled.
    m_windingDown = true;
    runtime->input().setInteractive(false);
    runtime->input().clearPending();
    runtime->services().SendMacro(CTwString(u"^C^C"), 0);
}

void TestRandomEvents::tick()
{
    if (m_inStep || !m_loop)
        return;
    if (!settled())
    {
        m_settledTicks = 0;
        if (m_sinceProgress.elapsed() > 20000 && !m_windingDown)
            fail(QStringLiteral("the host never came to rest"));
        else if (m_sinceProgress.elapsed() > 40000)
        {
            std::fprintf(stderr, "Stuck after:\n%s\n", qPrintable(m_log.join('\n')));
            std::abort();
        }
        return;
    }
    // One more turn of the loop for what the step posted.
    if (++m_settledTicks < 2)
        return;
    m_settledTicks = 0;
    if (m_windingDown)
    {
        if (runtime->processor().isQuiet())
            m_loop->quit();
        return;
    }
    if (!loaded())
        m_own = Own::Idle; // the panel that asked is gone
    const QString why = brokenInvariant();
    if (!why.isEmpty())
        return fail(why);
    if (m_done == m_steps)
        return windDown();

    m_inStep = true;
    // Back soon to a panel in view, which takes keys, clicks and
    // measurements.
    QDockWidget* pDock = panelDock();
    const Step back = !loaded()                      ? LoadOrUnload
                      : !runtime->mainWindow()       ? MainUiAgain
                      : pDock && !pDock->isVisible() ? ToggleButton
                                                     : StepCount;
    if (back == StepCount || pick(4) != 0 || !doStep(back))
    {
        while (!doStep(pickStep()))
        {
        }
    }
    m_inStep = false;
    ++m_done;
    m_sinceProgress.restart();
}

QString TestRandomEvents::brokenInvariant()
{
    const QStringList messages = runtime->commandLine().messages();
    for (qsizetype i = m_seenMessages; i < messages.size(); ++i)
    {
        // A guarded call failed, or the host had to clean up after the module.
        if (messages.at(i).startsWith(QLatin1String("Error in ")) ||
            messages.at(i).contains(QLatin1String("behind")))
            return QStringLiteral("the host said: ") + messages.at(i);
    }
    m_seenMessages = messages.size();

    QDockWidget* pDock = panelDock();
    if (!loaded())
    {
        if (pDock)
            return QStringLiteral("the panel outlives the module");
        const int reactors = runtime->editor().reactorCount() + runtime->ui().reactorCount() +
                             runtime->documents().reactorCount() +
                             runtime->commandStack().reactors().size();
        if (reactors != 0)
            return QStringLiteral("%1 reactor(s) still registered after the unload").arg(reactors);
        if (odedRegCmds()->lookupCmd(kToggleCommand))
            return QStringLiteral("a command still registered after the unload");
        return {};
    }
    HostMainWindow* pWindow = runtime->mainWindow();
    if (!pWindow)
        return {};
    if (!pDock || !pDock->widget())
        return QStringLiteral("no panel while the module and the main UI are up");
    if (pWindow->toggleButton()->isChecked() != pDock->isVisible())
        return QStringLiteral("the toggle button is %1 while the dock is %2")
            .arg(pWindow->toggleButton()->isChecked() ? "checked" : "unchecked",
                 pDock->isVisible() ? "shown" : "hidden");
    const bool pending = m_own != Own::Idle;
    if (pDock->widget()->isEnabled() == pending)
        return pending ? QStringLiteral("the panel is enabled while its measurement is pending")
                       : QStringLiteral("the panel is disabled with no measurement of its own");
    return {};
}

bool TestRandomEvents::doStep(int step)
{
    DocumentManager& documents = runtime->documents();
    UserInput& input = runtime->input();
    HostMainWindow* pWindow = runtime->mainWindow();
    QDockWidget* pDock = panelDock();
    const bool idle = runtime->processor().isQuiet();
    auto macro = [this](const QString& strMacro)
    {
        note(QStringLiteral("macro ") + strMacro);
        runtime->services().SendMacro(CTwString(strMacro), 0);
    };

    switch (Step(step))
    {
    case NewDrawing:
        if (documents.documents().size() >= 4)
            return false;
        note(QStringLiteral("new drawing"));
        documents.newDrawing();
        return true;
    case ActivateDrawing:
    case CloseDrawing:
    {
        if (documents.documents().isEmpty())
            return false;
        const int at = pick(int(documents.documents().size()));
        HostDocument* pDoc = documents.documents().at(at);
        note(QLatin1String(step == CloseDrawing ? "close drawing " : "activate drawing ") +
             QString::number(at));
        if (step == CloseDrawing)
            documents.closeDocument(pDoc);
        else
            documents.activateDocument(pDoc);
        return true;
    }
    case ShowStartPage:
        note(QStringLiteral("show start page"));
        documents.showStartPage();
        return true;
    case HideStartPage:
        note(QStringLiteral("hide start page"));
        documents.hideStartPage();
        return true;
    case MainUiAgain:
        // The host builds and tears down its UI only while nothing runs.
        if (!idle || input.isWaiting())
            return false;
        if (pWindow)
        {
            note(QStringLiteral("destroy main UI"));
            runtime->destroyMainUi();
        }
        else
        {
            note(QStringLiteral("create main UI"));
            runtime->createMainUi()->resize(kWindowSize);
            runtime->mainWindow()->show();
        }
        return true;
    case AppActivated:
    {
        const bool active = pick(2) == 0;
        note(QStringLiteral("app activated %1").arg(active));
        runtime->editor().fireAppActivated(active);
        return true;
    }
    case PopulateMenus:
    {
        HostMenu* pMenu = pick(2) == 0 ? runtime->ui().findMenu(QStringLiteral("ID_MnView"))
                          : pWindow    ? pWindow->drawingMenu()
                                       : nullptr;
        if (!pMenu)
            return false;
        note(QStringLiteral("populate ") + QString(pMenu->GetName()));
        runtime->ui().populate(pMenu);
        return true;
    }
    case MenuEntry:
    {
        HostMenu* pMenu = pWindow ? pWindow->drawingMenu() : nullptr;
        if (!pMenu || !pMenu->qmenu())
            return false;
        runtime->ui().populate(pMenu);
        auto* pAction = pMenu->qmenu()->findChild<QAction*>(QStringLiteral("Id_SmartCalculator"));
        if (!pAction)
            return false;
        note(QStringLiteral("menu entry"));
        pAction->trigger();
        return true;
    }
    case Workspace:
    {
        const QStringList names = runtime->ui().workspaceNames();
        if (names.isEmpty())
            return false;
        const QString name = names.at(pick(int(names.size())));
        note(QStringLiteral("workspace ") + name);
        runtime->ui().setCurrentWorkspace(name);
        return true;
    }
    case Theme:
    {
        const int theme = pick(2);
        note(QStringLiteral("theme %1").arg(theme));
        runtime->ui().setColorTheme(theme);
        return true;
    }
    case Settings:
    {
        HostDocument* pDoc = documents.activeDocument();
        if (!pDoc)
            return false;
        const int luprec = pick(9);
        const int aunits = pick(5);
        note(QStringLiteral("LUPREC %1 AUNITS %2").arg(luprec).arg(aunits));
        pDoc->database()->setLUPREC(OdInt16(luprec));
        pDoc->database()->setAUNITS(OdInt16(aunits));
        return true;
    }
    case ModuleCommand:
    {
        static const char* const commands[] = {"_SMARTCALCULATOR", "_HIDESMARTCALCULATOR",
                                               "_UNITCONVERSION"};
        const QString command = QString::fromLatin1(commands[pick(3)]);
        if (pick(2) == 0)
            macro(QStringLiteral("^C^C") + command);
        else if (!input.isWaiting())
        {
            note(QStringLiteral("typed ") + command);
            input.submit(command);
        }
        else
            return false;
        return true;
    }
    case ToggleButton:
        if (!pWindow)
            return false;
        note(QStringLiteral("toggle button"));
        QTest::mouseClick(pWindow->toggleButton(), Qt::LeftButton);
        return true;
    case PanelMeasurement:
    {
        static const struct
        {
            const char* button;
            const char* command;
        } tools[] = {{"button_getDistance", "_GETDISTANCE"},
                     {"button_getAngle", "_SCGETANGLE"},
                     {"button_getArea", "_GETAREA"},
                     {"button_getCircumference", "_GETAREA"}};
        const auto& tool = tools[pick(4)];
        auto* pButton =
            pDock ? pDock->findChild<QAbstractButton*>(QLatin1String(tool.button)) : nullptr;
        if (!pButton || !pButton->isVisible() || !pButton->isEnabled())
            return false;
        note(QStringLiteral("click ") + QLatin1String(tool.button));
        m_own = Own::Requested;
        m_ownCommand = QLatin1String(tool.command);
        QTest::mouseClick(pButton, Qt::LeftButton);
        return true;
    }
    case HostMeasurement:
    {
        // Started over whatever waits, as a menu or toolbar macro does.
        static const char* const commands[] = {"_GETDISTANCE", "_GETAREA", "_GETANGLE",
                                               "_SCGETANGLE"};
        macro(QStringLiteral("^C^C") + QLatin1String(commands[pick(4)]));
        return true;
    }
    case TypedMeasurement:
    {
        if (input.isWaiting())
            return false;
        static const char* const commands[] = {"GETDISTANCE", "GETAREA", "GETANGLE", "_SCGETANGLE"};
        const QString command = QLatin1String(commands[pick(4)]);
        note(QStringLiteral("typed ") + command);
        input.submit(command);
        return true;
    }
    case Answer:
    {
        if (!input.isWaiting())
            return false;
        static const char* const answers[] = {"0,0", "3,4",   "10,0", "5,8.66", "12,0",   "16,3",
                                              "",    "Acute", "O",    "x",      "1e308,0"};
        const QString answer = QLatin1String(answers[pick(int(std::size(answers)))]);
        note(QStringLiteral("answer \"%1\"").arg(answer));
        input.submit(answer);
        return true;
    }
    case Escape:
        if (!input.isWaiting())
            return false;
        note(QStringLiteral("escape"));
        input.cancel();
        return true;
    case LoadOrUnload:
        if (loaded())
        {
            note(QStringLiteral("unload"));
            runtime->modules().unload(MODULE_PATH);
        }
        else
        {
            note(QStringLiteral("load"));
            runtime->modules().load(MODULE_PATH);
        }
        return true;
    case LoadOrUnloadTyped:
        if (loaded())
            macro(QStringLiteral("^C^C_UNLOAD;") + QFileInfo(MODULE_PATH).fileName());
        else
            macro(QStringLiteral("^C^C_LOAD;") + MODULE_PATH);
        return true;
    case Keys:
    {
        const char* name = pick(4) == 0 ? "lineEdit_unitConInput" : "lineEdit_calc";
        auto* pLine = pDock ? pDock->findChild<QLineEdit*>(QLatin1String(name)) : nullptr;
        if (!pLine || !pLine->isVisible())
            return false;
        static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape,   Qt::Key_Backspace,
                                       Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Delete,
                                       Qt::Key_Home,   Qt::Key_Enter,    Qt::Key_Tab,
                                       Qt::Key_Space,  Qt::Key_Question, Qt::Key_F1};
        static const char* const texts[] = {"1", "2.5",  "+",  "-",   "*", "/",   "(",    ")",
                                            "^", "sin(", "pi", "ans", "x", "1/0", "9e999"};
        if (pick(2) == 0)
        {
            const Qt::Key key = keys[pick(int(std::size(keys)))];
            note(QStringLiteral("key %1 in %2").arg(QKeySequence(key).toString(), name));
            QTest::keyClick(pLine, key);
        }
        else
        {
            const QString text = QLatin1String(texts[pick(int(std::size(texts)))]);
            note(QStringLiteral("type \"%1\" in %2").arg(text, name));
            QTest::keyClicks(pLine, text);
        }
        return true;
    }
    case PanelButton:
    {
        if (!pDock || !pDock->isVisible())
            return false;
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* pButton : pDock->findChildren<QAbstractButton*>())
        {
            // The measurement tools are steps of their own, with the model.
            const QString name = pButton->objectName();
            if (name.startsWith(QLatin1String("button_")) &&
                !name.startsWith(QLatin1String("button_get")) && pButton->isVisible() &&
                pButton->isEnabled())
                buttons << pButton;
        }
        if (buttons.isEmpty())
            return false;
        QAbstractButton* pButton = buttons.at(pick(int(buttons.size())));
        note(QStringLiteral("click ") + pButton->objectName());
        QTest::mouseClick(pButton, Qt::LeftButton);
        return true;
    }
    case StepCount:
        break;
    }
    return false;
}

bool TestRandomEvents::walk(quint32 seed, int iSteps)
{
    m_rng.seed(seed);
    m_steps = iSteps;
    m_done = 0;
    m_settledTicks = 0;
    m_windingDown = false;
    m_failure.clear();
    m_log.clear();
    m_own = Own::Idle;
    m_trace = qEnvironmentVariableIntValue("SMARTCALC_RANDOM_TRACE") != 0;

    const bool moduleFirst = pick(2) == 0;
    note(moduleFirst ? QStringLiteral("start, module first") : QStringLiteral("start, UI first"));
    start(moduleFirst ? ModuleFirst : UiFirst);
    if (QTest::currentTestFailed())
        return false;
    m_seenMessages = 0;
    runtime->mainWindow()->resize(kWindowSize);
    follow();
    runtime->input().setInteractive(true);

    QEventLoop loop;
    m_loop = &loop;
    QTimer driver;
    connect(&driver, &QTimer::timeout, this, &TestRandomEvents::tick);
    driver.start(0);
    m_sinceProgress.start();
    loop.exec();
    driver.stop();
    m_loop = nullptr;
    stop();

    if (m_failure.isEmpty())
        return true;
    // The whole walk replays from its seed; the last steps show the way in.
    const QStringList last = m_log.mid(qMax(0, int(m_log.size()) - 60));
    // Not through Qt's message handler: the test's warning limit would drop it.
    std::fprintf(stderr, "Walk seed %u failed after %d of %d steps: %s\nLast steps:\n%s\n", seed,
                 m_done, iSteps, qPrintable(m_failure), qPrintable(last.join('\n')));
    return false;
}

void TestRandomEvents::randomSequences()
{
    const quint32 seed = quint32(envInt("SMARTCALC_RANDOM_SEED", 1));
    const int steps = envInt("SMARTCALC_RANDOM_STEPS", 400);
    // Walks of a few hundred steps, each from a fresh host, so that both
    // start-up orders come round.
    constexpr int kWalk = 200;
    std::mt19937 seeds(seed);
    QElapsedTimer time;
    time.start();
    for (int done = 0; done < steps; done += kWalk)
    {
        const quint32 walkSeed = seeds();
        if (!walk(walkSeed, qMin(kWalk, steps - done)))
            QFAIL(qPrintable(QStringLiteral("replay: SMARTCALC_RANDOM_SEED=%1, walk seed %2 "
                                            "(steps %3..%4 of the run)")
                                 .arg(seed)
                                 .arg(walkSeed)
                                 .arg(done)
                                 .arg(done + kWalk)));
    }
    std::fprintf(stderr, "seed %u: %d steps in %lld ms\n", seed, steps, qint64(time.elapsed()));
}

QTEST_MAIN(TestRandomEvents)
#include "tst_randomevents.moc"
