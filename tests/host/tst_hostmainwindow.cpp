// The main window and the host's own widgets as the calculator uses them:
// docks, the toolbar button and menu entry, the window's smallest size, the
// collapsible group, the help pages, the icons in both themes, and a drawing
// view that must paint whatever points are typed. The command line's keys
// are typed on the real display.

#include "../support/Contrast.h"
#include "HostTestSupport.h"

#include <CTwCollapsibleGroupBox.h>
#include <HostMainWindow.h>
#include <ui/CommandLineWidget.h>
#include <ui/DrawingView.h>
#include <ui/HelpViewer.h>
#include <ui/HostIcons.h>
#include <ui/Theme.h>

#include <QDirIterator>
#include <QDockWidget>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QToolButton>
#include <QVBoxLayout>

class TestHostMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void docks();
    void toggleButton_data();
    void toggleButton();
    void collapsibleGroup();
    void helpPages_data();
    void helpPages();
    void darkIcons_data();
    void darkIcons();
    void drawingViewPaintsFarFromTheOrigin();
};

void TestHostMainWindow::docks()
{
    OdStaticRxObject<RecordingReactor> reactor;
    HostRuntime runtime;
    reactor.registerAll();
    HostMainWindow* pMain = runtime.createMainUi();
    pMain->show();
    auto* pButton = new QToolButton;
    pButton->setMinimumSize(362, 300); // as large as the calculator
    QDockWidget* pDock = pMain->CreateDockPanel(pButton, 2, 3, u"Panel", u"Panel", 362, 300, -1, -1,
                                                -1, -1, false, false, true, u"", u"");
    QVERIFY(pMain->dockWidgetArea(pDock) == Qt::RightDockWidgetArea && !pDock->isVisible());
    QCOMPARE(pDock->allowedAreas(), Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    pDock->show();

    // Keys typed in a dock panel are the panel's, not the command line's.
    QApplication::setActiveWindow(pMain);
    QVERIFY(QTest::qWaitForWindowActive(pMain));
    pButton->setFocus();
    QTest::keyClicks(pButton, "NEW");
    QVERIFY(pMain->commandLineWidget()->inputText().isEmpty());

    // With it docked and a long prompt waiting, the window still shrinks to
    // 640 x 480. The splitter takes in its children's minimums once its
    // layout runs.
    runtime.commandLine().setPrompt(
        "Nächsten Eckpunkt angeben oder mit Eingabe schließen (ein langer Text):");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize smallest = pMain->minimumSizeHint();
    QVERIFY2(smallest.width() <= 640 && smallest.height() <= 480,
             qPrintable(QString("%1x%2").arg(smallest.width()).arg(smallest.height())));

    QVERIFY(pMain->RemoveDockPanel(pDock));
    QVERIFY(!pMain->RemoveDockPanel(pDock));
    delete pDock;
    QCOMPARE(reactor.events.filter("dock"), QStringList({"dockCreated", "dockRemoved"}));
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
                                             { return ++runs, kTwNormal; });
    if (transparent)
        calculator.makeTransparent();
    OdStaticRxObject<RecordingReactor> reactor;
    HostRuntime runtime;
    reactor.registerAll();
    HostMainWindow* pWindow = runtime.createMainUi();
    runtime.openSampleDrawing();
    runtime.input().setInteractive(true);
    QToolButton* pButton = pWindow->toggleButton();
    // Without the calculator the button says so and does not stay checked.
    pButton->click();
    QVERIFY(!pButton->isChecked() && runtime.commandLine().messages().last().contains("loaded"));

    // A module's entry in the drawing's menu, checked, with an icon.
    odedRegCmds()->addCommand(&calculator);
    CTwMenuItem* pEntry = GetTwSystemServices()->GetUIManager()->CreateMenuItem(
        0, u"!.Calculator", u"Id_Probe", u"_SMARTCALCULATOR");
    pEntry->SetLightIcon(u":/images/svg_icons/light/smart_calc/smart_calc_32.svg", u"ID");
    reactor.onPopulate = [pEntry](CTwMenu* pMenu)
    {
        if (pMenu->GetKind() == 2 && !pMenu->GetItems().contains(pEntry))
            pMenu->GetItems().insert(pMenu->GetItems().size() - 1, pEntry);
    };
    // Clicked ten times while a distance waits for its second point: the
    // prompt is still there afterwards, and the button shows the dock, which
    // this calculator never shows.
    int runsInside = -1;
    QString promptInside;
    bool checked = false;
    whenPromptWaits(runtime,
                    [&]
                    {
                        for (int click = 0; click < 10; ++click)
                        {
                            if (viaMenu)
                                chooseMenuItem(pWindow->drawingMenu(), "Id_Probe");
                            else
                                pButton->click();
                            checked = checked || pButton->isChecked();
                        }
                        runsInside = runs;
                        promptInside = runtime.commandLine().prompt();
                        runtime.input().enqueue({"3,4"});
                    });
    runtime.input().enqueue({"0,0"});
    QCOMPARE(runtime.processor().runLine("GETDISTANCE"), int(kTwNormal));
    QCOMPARE(runsInside, transparent ? 10 : 0);
    QCOMPARE(promptInside, QString("Specify second point:"));
    QVERIFY(!checked);
    if (viaMenu)
    {
        emit pWindow->drawingMenu()->qmenu()->aboutToShow();
        const QList<QAction*> actions = pWindow->drawingMenu()->qmenu()->actions();
        const auto entry = std::find_if(actions.begin(), actions.end(),
                                        [](QAction* p) { return p->objectName() == "Id_Probe"; });
        QVERIFY((*entry)->isChecked() && !(*entry)->icon().isNull());
        QCOMPARE((*(entry + 1))->objectName(), QString("PMI_SMARTSELECT"));
    }
    // Nothing queued or echoed; Enter still repeats the distance.
    if (transparent)
        QVERIFY(runtime.processor().isQuiet() &&
                runtime.commandLine().messages().filter("SMARTCALCULATOR").isEmpty() &&
                runtime.processor().lastCommand() == "_GETDISTANCE");
    QTRY_COMPARE(runs, 10);
}

void TestHostMainWindow::collapsibleGroup()
{
    QWidget window;
    auto* pGroup = new CTwCollapsibleGroupBox(&window);
    auto* pContent = new QLabel("content");
    pContent->setMinimumHeight(120);
    pGroup->setContentWidget(pContent);
    (new QVBoxLayout(&window))->addWidget(pGroup);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const int expanded = pGroup->sizeHint().height();
    // Folded by the calculator: the content hides and gives its room back;
    // content handed over meanwhile stays hidden.
    pGroup->setCollapse(true);
    QVERIFY(!pContent->isVisible() && pGroup->sizeHint().height() < expanded - 100);
    auto* pReplacement = new QLabel("replacement");
    pGroup->setContentWidget(pReplacement);
    QVERIFY(!pReplacement->isVisible());
    // Unfolded by a person: a click on the header, or a key there (Space,
    // Return, Enter; a letter does nothing).
    auto* pHeader = pGroup->findChild<QToolButton*>("collapsibleHeader");
    QTest::mouseClick(pHeader, Qt::LeftButton);
    QVERIFY(pReplacement->isVisible());
    QSignalSpy changed(pGroup, &CTwCollapsibleGroupBox::collapseChanged);
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(pHeader, key);
    QCOMPARE(changed.size(), 3);
    QVERIFY(pGroup->isCollapsed());
}

void TestHostMainWindow::helpPages_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("page");
    QTest::newRow("3108 is the calculator's page") << 3108 << "C"
                                                   << "qrc:/help/smart_calculator.html";
    QTest::newRow("another topic says it is not available") << 42 << "C"
                                                            << "qrc:/help/index.html";
    QTest::newRow("in German where the interface is German, as Austria writes it too")
        << 3108 << "de_AT"
        << "qrc:/help/smart_calculator_de.html";
    QTest::newRow("the other page in German") << 42 << "de_DE"
                                              << "qrc:/help/index_de.html";
    QTest::newRow("a language without pages reads English") << 3108 << "fr_FR"
                                                            << "qrc:/help/smart_calculator.html";
}

void TestHostMainWindow::helpPages()
{
    QFETCH(int, topic);
    QFETCH(QString, locale);
    const QString page = HelpViewer::pageForTopic(topic, QLocale(locale));
    QTEST(page, "page");
    QVERIFY(QFile::exists(page.mid(3)));
}

void TestHostMainWindow::darkIcons_data()
{
    // Every icon of the dark set; the ones the calculator asks for by number
    // or name exist in both sets.
    QTest::addColumn<QString>("path");
    QDirIterator files(":/images", {"*.svg", "*.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
    {
        const QString path = files.next();
        if (path.contains("/dark/"))
            QTest::newRow(qPrintable(path)) << path;
    }
    for (bool dark : {false, true})
    {
        for (int id : {2, 24, 180})
            QVERIFY(QFile::exists(iconPathForId(id, dark)));
        for (const char* name :
             {"Angle_Icon", "Area_Icon", "Circumference_Icon", "Distance_Icon", "copy",
              "convert-block", "Convert_Icon", "smart_calc", "quick_calc"})
            QVERIFY2(QFile::exists(iconPathForName(name, dark)), name);
    }
}

void TestHostMainWindow::darkIcons()
{
    QFETCH(QString, path);
    QVERIFY(QFile::exists(QString(path).replace("/dark/", "/light/")));
    // At the size it is drawn for: SVGs at their own, the PNG as it comes.
    QImage icon(path);
    if (path.endsWith(".svg"))
    {
        QSvgRenderer renderer(path);
        icon = QImage(renderer.defaultSize(), QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        renderer.render(&painter);
    }
    // It stands out on the dark panel and on its buttons: each pixel laid
    // over the background, its contrast with it averaged, weighted by how
    // much of the pixel the icon covers, so that faint or hair-thin drawings
    // score low.
    applyTheme(*qApp, kTwFirstDarkTheme);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
    {
        const QColor back = qApp->palette().color(role);
        double sum = 0;
        double coverage = 0;
        for (int y = 0; y < icon.height(); ++y)
        {
            for (int x = 0; x < icon.width(); ++x)
            {
                const QColor ink = icon.pixelColor(x, y);
                const double a = ink.alphaF();
                auto over = [a](double i, double b) { return a * i + (1 - a) * b; };
                sum += a * contrastRatio(QColor::fromRgbF(over(ink.redF(), back.redF()),
                                                          over(ink.greenF(), back.greenF()),
                                                          over(ink.blueF(), back.blueF())),
                                         back);
                coverage += a;
            }
        }
        QVERIFY2(coverage > 4 && sum / coverage >= 3.0, qPrintable(back.name()));
    }
}

void TestHostMainWindow::drawingViewPaintsFarFromTheOrigin()
{
    // Next to huge typed coordinates a grid step adds nothing; painting must
    // end all the same.
    DrawingView view;
    view.resize(300, 200);
    DrawingGeometry drawing;
    drawing.lines = {QLineF(1e17, 1e17, 1e17 + 1, 1e17 + 1)};
    view.setDrawing(drawing);
    view.setPickedPoints({QPointF(1e17, 1e17)});
    QVERIFY(!view.grab().isNull());
}

QTEST_MAIN(TestHostMainWindow)
#include "tst_hostmainwindow.moc"
