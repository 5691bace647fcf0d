// The main window as modules and users use it: the UI notifications while it
// is built, menus and their populate notification, docks, the toggle button,
// the command line and its habits, theme and help.

#include "HostTestSupport.h"

#include <HostMainWindow.h>
#include <SystemServices.h>
#include <UIManager.h>
#include <ui/CommandLineWidget.h>
#include <ui/DrawingView.h>

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TestHostMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void buildingRaisesUiNotifications();
    void menuPopulate_data();
    void menuPopulate();
    void docks();
    void toggleButton_data();
    void toggleButton();
    void clicksInTheDrawingViewPickPoints();
    void commandLineHabits_data();
    void commandLineHabits();
    void themeAndWorkspace();
    void help();
};

void TestHostMainWindow::buildingRaisesUiNotifications()
{
    OdStaticRxObject<RecordingReactor> reactor;
    HostRuntime runtime;
    reactor.registerAll();
    runtime.createMainUi();
    const QStringList& e = reactor.events;
    QVERIFY(e.contains("menuCreated:ID_MnView"));
    QVERIFY(e.contains("menuCreated:ID_PmDrawing"));
    QCOMPARE(e.indexOf("toolBar:Standard") + 1, e.indexOf("widget:TwQuickCalcCommandToggleButton"));
    QVERIFY(e.indexOf("commandLineCreated") < e.indexOf("StartPageCreated"));
    // Everything else is in place when the editor reactors hear of it.
    QCOMPARE(e.last(), QString("mainUiCreated"));
    QVERIFY(e.contains("workspaceCreated"));

    reactor.events.clear();
    runtime.destroyMainUi();
    QCOMPARE(reactor.events.first(), QString("mainUiToBeDestroyed"));
    QVERIFY(!GetTwSystemServices()->GetMainFrame());
}

void TestHostMainWindow::menuPopulate_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("anchored");

    QTest::newRow("the View menu is a menu-bar menu") << "ID_MnView" << 0 << false;
    QTest::newRow("the drawing's right-click menu is kind 2 and holds PMI_SMARTSELECT")
        << "ID_PmDrawing" << 2 << true;
}

void TestHostMainWindow::menuPopulate()
{
    QFETCH(QString, menu);
    QFETCH(int, kind);
    QFETCH(bool, anchored);

    OdStaticRxObject<RecordingReactor> reactor;
    HostRuntime runtime;
    reactor.registerAll();
    HostMainWindow* pWindow = runtime.createMainUi();
    runtime.newDrawing();
    int seenKind = -1;
    CTwMenuItem* pEntry = nullptr;
    // What a module does: add its entry once, then refresh its text.
    reactor.onPopulate = [&](CTwMenu* pMenu)
    {
        if (QString(pMenu->GetName()).compare(menu, Qt::CaseInsensitive) != 0)
            return;
        seenKind = pMenu->GetKind();
        CTwMenuItems& items = pMenu->GetItems();
        if (!items.contains(pEntry))
        {
            pEntry = GetTwSystemServices()->GetUIManager()->CreateMenuItem(0, u"", u"Id_Probe",
                                                                           u"_STARTPAGE");
            pEntry->SetLightIcon(u":/images/svg_icons/light/smart_calc/smart_calc_32.svg",
                                 u"ID_SMARTCALC");
            const auto at = std::find_if(items.begin(), items.end(),
                                         [](CTwMenuItem* p)
                                         { return p->GetId().equalNoCase(u"PMI_SMARTSELECT"); });
            QCOMPARE(at != items.end(), anchored);
            items.insert(at, pEntry);
        }
        pEntry->SetText(QStringLiteral("!.Probe"));
    };

    QMenu* pQMenu = pWindow->findChild<QMenu*>(menu);
    QVERIFY(pQMenu);
    QAction* pProbe = nullptr;
    for (int round = 0; round < 2; ++round)
    {
        if (kind == 2)
            pWindow->showDrawingMenu(QPoint(10, 10));
        else
            emit pQMenu->aboutToShow();
        QCOMPARE(seenKind, kind);
        const QList<QAction*> actions = pQMenu->actions();
        QStringList texts;
        for (QAction* pAction : actions)
            texts << pAction->text();
        QCOMPARE(texts.count("Probe"), 1);
        const qsizetype at = texts.indexOf("Probe");
        pProbe = actions[at];
        QVERIFY(pProbe->isChecked() && !pProbe->icon().isNull());
        if (anchored)
            QCOMPARE(actions.at(at + 1)->objectName(), QString("PMI_SMARTSELECT"));
        else
            QCOMPARE(at, actions.size() - 1);
        pQMenu->hide();
    }
    // Its command is queued like a typed one.
    pProbe->trigger();
    QVERIFY(runtime.documents().HasActiveDocument());
    QTRY_VERIFY(!runtime.documents().HasActiveDocument());
}

void TestHostMainWindow::docks()
{
    OdStaticRxObject<RecordingReactor> reactor;
    HostRuntime runtime;
    reactor.registerAll();
    runtime.createMainUi()->show();
    CTwMainFrame* pFrame = GetTwSystemServices()->GetMainFrame();
    QVERIFY(pFrame);

    QDockWidget* pDock = pFrame->CreateDockPanel(
        new QLabel("panel"), 2, 3, u"Smart Calculator", u"Smart Calculator", 362, 415, -1, -1, -1,
        -1, false, false, true, u":/images/svg_icons/light/smart_calc/smart_calc_32.svg", u"");
    QVERIFY(pDock);
    QMainWindow* pMain = pFrame->GetMainWindow();
    QCOMPARE(pMain->dockWidgetArea(pDock), Qt::RightDockWidgetArea);
    QCOMPARE(pDock->allowedAreas(), Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    QVERIFY(!pDock->isVisible());
    QVERIFY(pDock->minimumWidth() >= 362);
    pDock->show(); // Qt lists tabs only among docks on screen

    // A second dock asked to share tabs with the first.
    QDockWidget* pSecond =
        pFrame->CreateDockPanel(new QLabel("second"), 2, 3, u"Second", u"Second", 0, 0, -1, -1, -1,
                                -1, false, true, true, u"", u"Smart Calculator");
    QCOMPARE(pMain->tabifiedDockWidgets(pDock), QList<QDockWidget*>{pSecond});

    // With a panel as wide as the calculator docked and a long prompt
    // waiting, the window still shrinks to 640 x 480.
    pDock->widget()->setMinimumSize(362, 300);
    runtime.commandLine().setPrompt(
        "Nächsten Eckpunkt angeben oder mit Eingabe schließen (ein langer Text):");
    // The splitter takes in its children's minimums once its layout runs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QVERIFY2(pMain->minimumSizeHint().boundedTo(QSize(640, 480)) == pMain->minimumSizeHint(),
             qPrintable(QString("%1x%2").arg(pMain->minimumSizeHint().width()).arg(
                 pMain->minimumSizeHint().height())));

    QVERIFY(pFrame->RemoveDockPanel(pDock));
    QVERIFY(!pFrame->RemoveDockPanel(pDock));
    delete pDock;
    QCOMPARE(reactor.events.count("dockCreated"), 2);
    QCOMPARE(reactor.events.count("dockRemoved"), 1);
}

void TestHostMainWindow::toggleButton_data()
{
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<bool>("viaMenu");
    QTest::newRow("the button runs a transparent command at once inside a waiting prompt")
        << true << false;
    QTest::newRow("so does a menu item whose macro is that command") << true << true;
    QTest::newRow("a command that is not transparent waits its turn") << false << false;
}

void TestHostMainWindow::toggleButton()
{
    QFETCH(bool, transparent);
    QFETCH(bool, viaMenu);
    int runs = 0;
    OdStaticRxObject<TestCommand> calculator(u"_SMARTCALCULATOR", u"SMARTCALCULATOR",
                                             [&](OdEdCommandContext*)
                                             {
                                                 ++runs;
                                                 return kTwNormal;
                                             });
    if (transparent)
        calculator.makeTransparent();
    OdStaticRxObject<RecordingReactor> reactor;
    HostRuntime runtime;
    reactor.registerAll();
    HostMainWindow* pWindow = runtime.createMainUi();
    runtime.openSampleDrawing();
    runtime.input().setInteractive(true);
    QToolButton* pButton = pWindow->toggleButton();
    QVERIFY(pButton && pButton->isCheckable());

    // Without the calculator the button says so and does not stay checked.
    pButton->click();
    QVERIFY(!pButton->isChecked());
    QVERIFY(runtime.commandLine().messages().last().contains("not loaded"));

    odedRegCmds()->addCommand(&calculator);
    reactor.onPopulate = [](CTwMenu* pMenu)
    {
        if (pMenu->GetKind() == 2 && pMenu->GetItems().size() < 6)
            pMenu->GetItems().append(GetTwSystemServices()->GetUIManager()->CreateMenuItem(
                0, u"Calculator", u"Id_Probe", u"_SMARTCALCULATOR"));
    };
    // Clicked ten times while a distance waits for its second point.
    int runsInside = -1;
    QString promptInside;
    bool checkedAfterClick = true;
    QTimer::singleShot(0, pWindow,
                       [&]
                       {
                           for (int click = 0; click < 10; ++click)
                           {
                               if (!viaMenu)
                                   pButton->click();
                               else
                               {
                                   pWindow->showDrawingMenu(QPoint(10, 10));
                                   if (auto* pAction =
                                           pWindow->drawingMenu()->qmenu()->findChild<QAction*>(
                                               "Id_Probe"))
                                       pAction->trigger();
                               }
                               if (click == 0)
                                   checkedAfterClick = pButton->isChecked();
                           }
                           runsInside = runs;
                           promptInside = runtime.commandLine().prompt();
                           runtime.input().enqueue({"3,4"});
                       });
    runtime.input().enqueue({"0,0"});
    QCOMPARE(runtime.processor().runLine("GETDISTANCE"), int(kTwNormal));
    QCOMPARE(ACTIVE_DOCUMENT()->GetDatabase()->getLastDistance(), 5.0);
    QCOMPARE(runsInside, transparent ? 10 : 0);
    // The prompt came back and waited on.
    QCOMPARE(promptInside, QString("Specify second point:"));
    // The button shows the dock, which this calculator never shows.
    QVERIFY(!checkedAfterClick);
    if (transparent)
    {
        // Nothing queued, nothing echoed, and Enter still repeats the distance.
        QCOMPARE(runtime.processor().queuedCount(), 0);
        QCOMPARE(runtime.commandLine().messages().filter("SMARTCALCULATOR").size(), 0);
        QCOMPARE(runtime.processor().lastCommand(), QString("_GETDISTANCE"));
    }
    QTRY_COMPARE(runs, 10);
}

void TestHostMainWindow::clicksInTheDrawingViewPickPoints()
{
    // A point a module places on the command line is tst_handoff's subject.
    HostRuntime runtime;
    HostMainWindow* pWindow = runtime.createMainUi();
    HostDocument* pDoc = runtime.openSampleDrawing();
    runtime.input().setInteractive(true);
    pWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(pWindow));
    DrawingView* pView = pWindow->drawingView(pDoc);
    QVERIFY(pView);

    // The sample drawing has vertices at (0,0) and (10,0); clicks snap to them.
    auto click = [pView](QPointF drawingPoint)
    { QTest::mouseClick(pView, Qt::LeftButton, {}, pView->toView(drawingPoint).toPoint()); };
    QTimer::singleShot(0, pWindow,
                       [&]
                       {
                           QVERIFY(runtime.input().isWaitingForPoint());
                           click(QPointF(0, 0));
                           QTimer::singleShot(0, pWindow, [&] { click(QPointF(10, 0)); });
                       });
    QCOMPARE(runtime.processor().runLine("GETDISTANCE"), int(kTwNormal));
    QCOMPARE(ACTIVE_DOCUMENT()->GetDatabase()->getLastDistance(), 10.0);
}

void TestHostMainWindow::commandLineHabits_data()
{
    // Each step types into a widget: c the command line's input, v the
    // drawing view, d a focusable widget in a dock panel. <Return>, <Space>
    // and <Escape> are keys.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("drawings");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("markup typed by the user stays text")
        << QStringList{"c:a&amp;b<Return>"} << 1
        << QStringList{"Command: a&amp;b", "Unknown command \"a&amp;b\"."};
    QTest::newRow("Enter with nothing to repeat shows the prompt")
        << QStringList{"c:<Return>"} << 1 << QStringList{"Command:"};
    QTest::newRow("Space ends a command and, on an empty line, repeats it")
        << QStringList{"v:NEW<Space>", "v:<Space>"} << 3
        << QStringList{"Command: NEW", "Command: NEW"};
    QTest::newRow("keys typed in the drawing view answer prompts, each line shown once")
        << QStringList{"v:GETDISTANCE<Space>", "v:0,0<Space>", "v:6,8<Space>"} << 1
        << QStringList{"Command: GETDISTANCE", "Specify first point: 0,0",
                       "Specify second point: 6,8", "Distance = 10.0000"};
    QTest::newRow("a text prompt keeps the spaces typed")
        << QStringList{"v:TEXT<Return>", "c:two words<Return>"} << 1
        << QStringList{"Command: TEXT", "Text: two words", "Got \"two words\""};
    QTest::newRow("Escape typed in the drawing view cancels the prompt")
        << QStringList{"v:GETDISTANCE<Return>", "v:<Escape>"} << 1
        << QStringList{"Command: GETDISTANCE", "*Cancel*"};
    QTest::newRow("keys typed in a dock panel stay there")
        << QStringList{"d:NEW<Return>"} << 1 << QStringList{};
}

void TestHostMainWindow::commandLineHabits()
{
    QFETCH(QStringList, steps);
    QFETCH(int, drawings);
    QFETCH(QStringList, shown);

    OdStaticRxObject<TestCommand> text(u"_TEXT", u"TEXT",
                                       [](OdEdCommandContext* pCtx)
                                       {
                                           CTwUserIO* io = GetTwUserIO(pCtx);
                                           CTwString value;
                                           const int status = io->GetString(u"Text:", value);
                                           io->PutMessage(u"Got \"" + value + u"\"");
                                           return status;
                                       });
    HostRuntime runtime;
    odedRegCmds()->addCommand(&text);
    HostMainWindow* pWindow = runtime.createMainUi();
    HostDocument* pDoc = runtime.openSampleDrawing();
    runtime.input().setInteractive(true);
    auto* pPanel = new QWidget;
    pPanel->setFocusPolicy(Qt::StrongFocus);
    pWindow->CreateDockPanel(pPanel, 2, 3, u"Panel", u"Panel", 0, 0, -1, -1, -1, -1, false, true,
                             true, u"", u"");
    pWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(pWindow));
    auto* pHistory = pWindow->commandLineWidget()->findChild<QPlainTextEdit*>("commandHistory");
    const QHash<QChar, QWidget*> targets{
        {'c', pWindow->commandLineWidget()->findChild<QLineEdit*>("commandInput")},
        {'v', pWindow->drawingView(pDoc)},
        {'d', pPanel}};
    const QHash<QString, Qt::Key> keys{
        {"Return", Qt::Key_Return}, {"Space", Qt::Key_Space}, {"Escape", Qt::Key_Escape}};
    runtime.commandLine().clearMessages();
    pHistory->clear();

    // Typed from the event loop, as a user types: a command waits for its
    // answers in a nested loop that the next step then runs in.
    qsizetype done = 0;
    std::function<void()> typeNext = [&]
    {
        const QString step = steps.at(done);
        QWidget* pTarget = targets.value(step.at(0));
        pTarget->setFocus();
        static const QRegularExpression token("<(\\w+)>|([^<]+)");
        for (auto it = token.globalMatch(step.mid(2)); it.hasNext();)
        {
            const QRegularExpressionMatch match = it.next();
            if (match.hasCaptured(1))
                QTest::keyClick(pTarget, keys.value(match.captured(1)));
            else
                QTest::keyClicks(pTarget, match.captured(2));
        }
        if (++done < steps.size())
            QTimer::singleShot(0, pWindow, typeNext);
    };
    QTimer::singleShot(0, pWindow, typeNext);
    QTRY_VERIFY(done == steps.size() && runtime.processor().isQuiet() &&
                !runtime.input().isWaiting());

    QCOMPARE(int(runtime.documents().DocumentCount()), drawings);
    QCOMPARE(runtime.commandLine().messages(), shown);
    // The window shows the same lines, each once.
    const QString history = pHistory->toPlainText();
    QCOMPARE(history.isEmpty() ? QStringList() : history.split('\n'), shown);
}

void TestHostMainWindow::themeAndWorkspace()
{
    OdStaticRxObject<RecordingReactor> reactor;
    HostRuntime runtime;
    reactor.registerAll();
    runtime.createMainUi();
    QVERIFY(GetTwSystemServices()->GetColorTheme() < 2);

    runtime.input().enqueue({"THEME", "d"});
    QTRY_VERIFY(runtime.processor().isQuiet());
    QCOMPARE(GetTwSystemServices()->GetColorTheme(), 2);
    QVERIFY(reactor.events.contains("theme:2"));

    runtime.input().enqueue({"WORKSPACE", "Drafting"});
    QTRY_VERIFY(runtime.processor().isQuiet());
    QCOMPARE(QString(GetTwSystemServices()->GetUIManager()->GetCurrentWorkspace()->GetName()),
             QString("Drafting"));
    QVERIFY(reactor.events.contains("workspace:Drafting"));
}

void TestHostMainWindow::help()
{
    HostRuntime runtime;
    runtime.createMainUi();
    QVERIFY(GetTwHelp()->Help(GetTwSystemServices()->GetHelpName(), 3108, false, nullptr, 16));
    QCOMPARE(runtime.help().requestedTopics(), QList<int>{3108});
}

QTEST_MAIN(TestHostMainWindow)
#include "tst_hostmainwindow.moc"
