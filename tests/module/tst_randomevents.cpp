// Random walks through everything the host and the user do to the module:
// drawings opened, switched and closed, the start page, the main UI torn
// down and built again, menus, workspaces and themes, the module's commands,
// measurements started, answered, cancelled and displaced, LOAD and UNLOAD,
// keys and clicks on the panel. The steps are a table: name, weight, when
// it can be taken, the choices it draws from, what it does. After every step
// the host and the panel must agree with a small model of who waits for what:
//   - the panel is disabled exactly while a measurement it asked for is
//     requested or runs (the model follows the host's command frames);
//   - the host's toggle button is checked exactly while the dock shows;
//   - once unloaded, nothing of the module is left with the host, and no
//     guarded call into it failed.
// Leaks show at exit in the sanitizer build.
//
// SMARTCALC_RANDOM_SEED and SMARTCALC_RANDOM_STEPS choose the walk (default:
// seed 1, 400 steps); SMARTCALC_RANDOM_TRACE=1 prints each step before it
// runs, for a walk that crashes. A failure prints the seeds and the last
// steps.

#include "ModuleTestSupport.h"

#include <QFileInfo>

#include <random>

class TestRandomEvents : public QObject, public ModuleHost
{
    Q_OBJECT

private slots:
    void randomSequences();

private:
    struct Step
    {
        const char* name;
        int weight;
        std::function<bool()> when; // none: always
        QStringList choices;        // one is drawn and handed to act
        // None: the choice is a step of ModuleHost::act.
        std::function<void(const QString&)> act = nullptr;
    };
    std::vector<Step> table();
    QString walk(int iSteps);
    QString brokenInvariant() const;

    int pick(qsizetype n) { return int(m_rng() % quint32(n)); }
    bool usable(const char* pszName) const
    {
        QWidget* pWidget = panelChild(pszName);
        return pWidget && pWidget->isVisible() && pWidget->isEnabled();
    }

    std::mt19937 m_rng;
    // The model of the panel's own measurement: the command it asked for
    // (empty for none), and the depth of its frame on the host's stack once
    // it runs (0 while requested).
    QString m_ownCommand;
    int m_ownDepth = 0;
};

std::vector<TestRandomEvents::Step> TestRandomEvents::table()
{
    // clang-format off
    DocumentManager& docs = runtime->documents();
    UserInput& input = runtime->input();
    UIManager& ui = runtime->ui();
    auto window = [this] { return runtime->mainWindow() != nullptr; };
    auto waiting = [&input] { return input.isWaiting(); };
    auto notWaiting = [&input] { return !input.isWaiting(); };
    auto quiet = [this, notWaiting] { return notWaiting() && runtime->processor().isQuiet(); };
    auto drawings = [&docs] { return !docs.documents().isEmpty(); };
    auto macro = [this](const QString& s) { runtime->services().SendMacro(CTwString(s), 0); };
    // The measurement tools are a step of their own, with the model.
    auto buttons = [this] {
        auto all = dock()->findChildren<QAbstractButton*>(QRegularExpression("^button_(?!get)"));
        all.removeIf([](QAbstractButton* p) { return !p->isVisible() || !p->isEnabled(); });
        return all;
    };
    QStringList settings;
    for (int i = 0; i < 45; ++i)
        settings << QString("LUPREC %1 AUNITS %2").arg(i % 9).arg(i / 9);
    const QStringList keys{"key:Return", "key:Esc", "key:Backspace", "key:Up", "key:Down",
        "key:Del", "key:Home", "key:Enter", "key:Tab", "key:Space", "key:?", "key:F1", "type:1",
        "type:2.5", "type:+", "type:-", "type:*", "type:/", "type:(", "type:)", "type:^",
        "type:sin(", "type:pi", "type:ans", "type:x", "type:1/0", "type:9e999"};
    // Mostly the panel and its measurements; the host's life around them
    // often enough that every order comes round.
    // The first three bring a panel back in view (see walk).
    return {
        {"load or unload", 1, {}, {}, [this](auto&) { act(loaded() ? "unload" : "load"); }},
        // The host builds and tears down its UI only while nothing runs.
        {"main UI", 1, quiet, {}, [this](auto&) { act(runtime->mainWindow() ? "ui-" : "ui+"); }},
        {"toggle button", 2, window, {"toggle"}},
        {"new drawing", 2, [&docs] { return docs.documents().size() < 4; }, {},
            [&docs](auto&) { docs.newDrawing(); }},
        {"activate drawing", 2, drawings, {"activate:0", "activate:1", "activate:2", "activate:3"}},
        {"close drawing", 2, drawings, {"close:0", "close:1", "close:2", "close:3"}},
        {"start page", 2, {}, {"show", "hide"}, [&docs](const QString& s) {
                s == "show" ? docs.showStartPage() : void(docs.hideStartPage());
            }},
        {"app activated", 1, {}, {"0", "1"},
            [this](const QString& s) { runtime->editor().fireAppActivated(s == "1"); }},
        {"populate", 1, {}, {"populate:ID_MnView", "populate:ID_PmDrawing"}},
        {"menu entry", 1, window, {"menu"}},
        {"workspace", 1, {}, {"Classic", "Drafting"},
            [&ui](const QString& s) { ui.setCurrentWorkspace(s); }},
        {"theme", 1, {}, {"0", "2"}, [&ui](const QString& s) { ui.setColorTheme(s.toInt()); }},
        {"settings", 1, [&docs] { return docs.activeDocument() != nullptr; }, settings,
            [&docs](const QString& s) {
                HostDatabase* pDb = docs.activeDocument()->database();
                pDb->setLUPREC(OdInt16(s.section(' ', 1, 1).toInt()));
                pDb->setAUNITS(OdInt16(s.section(' ', 3, 3).toInt()));
            }},
        {"typed module command", 1, notWaiting,
            {"_SMARTCALCULATOR", "_HIDESMARTCALCULATOR", "_UNITCONVERSION"}},
        {"module command macro", 2, {},
            {"^C^C_SMARTCALCULATOR", "^C^C_HIDESMARTCALCULATOR", "^C^C_UNITCONVERSION"}, macro},
        {"panel measurement", 6, [this] { return usable("w_MeasurementTools"); },
            {"Distance", "Angle", "Area", "Circumference"}, [this](const QString& s) {
                m_ownCommand = s == "Angle" ? "_SCGETANGLE" : s == "Distance" ? "_GETDISTANCE"
                                                                              : "_GETAREA";
                m_ownDepth = 0;
                act("click:button_get" + s);
            }},
        // Started over whatever waits, as a menu or toolbar macro does.
        {"host measurement", 2, {},
            {"^C^C_GETDISTANCE", "^C^C_GETAREA", "^C^C_GETANGLE", "^C^C_SCGETANGLE"}, macro},
        {"typed measurement", 2, notWaiting, {"GETDISTANCE", "GETAREA", "GETANGLE", "_SCGETANGLE"}},
        {"answer", 8, waiting,
            {"0,0", "3,4", "10,0", "5,8.66", "12,0", "16,3", "", "Acute", "O", "x", "1e308,0"}},
        {"escape", 2, waiting, {"^C"}},
        {"typed load or unload", 1, {}, {}, [this, macro](auto&) {
                macro(loaded() ? "^C^C_UNLOAD;" + QFileInfo(MODULE_PATH).fileName()
                               : QString("^C^C_LOAD;") + MODULE_PATH);
            }},
        // A quarter of them in the unit pane's value, when it shows.
        {"keys", 10, [this] { return usable("lineEdit_calc"); }, keys, [this](const QString& s) {
                auto* pUnits = panelChild<QLineEdit>("lineEdit_unitConInput");
                type(pick(4) == 0 && pUnits->isVisible() ? pUnits : line(), s);
            }},
        {"panel button", 10, [this, buttons] { return dock() && !buttons().isEmpty(); }, {},
            [this, buttons](auto&) {
                QAbstractButton* pButton = buttons().at(pick(buttons().size()));
                trail.last() += pButton->objectName();
                QTest::mouseClick(pButton, Qt::LeftButton);
            }},
    };
    // clang-format on
}

QString TestRandomEvents::brokenInvariant() const
{
    if (!loaded() || !hostComplaint().isEmpty())
        return leftovers();
    HostMainWindow* pWindow = runtime->mainWindow();
    if (!pWindow)
        return {};
    if (!dock() || !dock()->widget())
        return "no panel while the module and the main UI are up";
    if (pWindow->toggleButton()->isChecked() != dock()->isVisible())
        return dock()->isVisible() ? "the toggle button is unchecked while the dock shows"
                                   : "the toggle button is checked while the dock is hidden";
    if (dock()->widget()->isEnabled() == !m_ownCommand.isEmpty())
        return m_ownCommand.isEmpty() ? "the panel is disabled with no measurement of its own"
                                      : "the panel is enabled while its measurement is pending";
    return {};
}

QString TestRandomEvents::walk(int iSteps)
{
    const bool moduleFirst = pick(2) == 0;
    trail << (moduleFirst ? "start, module first" : "start, UI first");
    start(moduleFirst);
    m_ownCommand.clear();
    CommandProcessor& processor = runtime->processor();
    connect(&processor, &CommandProcessor::commandStarted, this,
            [&](const QString& strName)
            {
                if (m_ownDepth == 0 && strName.compare(m_ownCommand, Qt::CaseInsensitive) == 0)
                    m_ownDepth = processor.depth();
            });
    connect(&processor, &CommandProcessor::commandFinished, this,
            [&]
            {
                // Its frame is gone when its end is told.
                if (processor.depth() < m_ownDepth)
                    m_ownCommand.clear(), m_ownDepth = 0;
            });
    const std::vector<Step> steps = table();
    int total = 0;
    for (const Step& step : steps)
        total += step.weight;
    const bool trace = qEnvironmentVariableIntValue("SMARTCALC_RANDOM_TRACE") != 0;
    QString broken;
    play(
        [&]
        {
            if (!loaded())
                m_ownCommand.clear(), m_ownDepth = 0; // the panel that asked is gone
            broken = brokenInvariant();
            if (!broken.isEmpty() || trail.size() > iSteps)
                return false;
            // Back soon to a panel in view, which takes keys, clicks and
            // measurements.
            const Step* pStep = !loaded()                ? &steps[0]
                                : !runtime->mainWindow() ? &steps[1]
                                : !dock()->isVisible()   ? &steps[2]
                                                         : nullptr;
            if (pStep && pick(4) != 0)
                pStep = nullptr;
            // Otherwise one by weight, among those that can be taken now.
            for (int at = pick(total); !pStep || (pStep->when && !pStep->when()); at = pick(total))
            {
                for (pStep = &steps.front(); at >= pStep->weight; ++pStep)
                    at -= pStep->weight;
            }
            const QString choice = pStep->choices.value(pick(qMax(1, pStep->choices.size())));
            trail << QString("%1 %2 %3 ").arg(trail.size() - 1).arg(pStep->name, choice);
            if (trace)
                std::fprintf(stderr, "step %s\n", qPrintable(trail.last()));
            pStep->act ? pStep->act(choice) : act(choice);
            return true;
        });
    runtime.reset();
    return broken;
}

void TestRandomEvents::randomSequences()
{
    const quint32 seed = qEnvironmentVariable("SMARTCALC_RANDOM_SEED", "1").toUInt();
    const int steps = qEnvironmentVariable("SMARTCALC_RANDOM_STEPS", "400").toInt();
    // Walks of 200 steps, each from a fresh host, so that both start-up
    // orders come round.
    std::mt19937 seeds(seed);
    QElapsedTimer time;
    time.start();
    for (int done = 0; done < steps; done += 200)
    {
        const quint32 walkSeed = seeds();
        m_rng.seed(walkSeed);
        trail.clear();
        const QString broken = walk(qMin(200, steps - done));
        // The walk replays from its seeds; its last steps show the way in.
        // Not through Qt's message handler, whose warning limit would drop it.
        if (!broken.isEmpty())
            std::fprintf(stderr,
                         "Replay: SMARTCALC_RANDOM_SEED=%u, walk seed %u (steps %d to %d "
                         "of the run). Last steps:\n%s\n",
                         seed, walkSeed, done, done + 200,
                         qPrintable(trail.mid(qMax(0, int(trail.size()) - 60)).join('\n')));
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }
    std::fprintf(stderr, "seed %u: %d steps in %lld ms\n", seed, steps, qint64(time.elapsed()));
}

QTEST_MAIN(TestRandomEvents)
#include "tst_randomevents.moc"
