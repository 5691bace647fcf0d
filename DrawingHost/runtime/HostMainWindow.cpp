#include "HostMainWindow.h"

#include "CommandLine.h"
#include "CommandLineKeyRouter.h"
#include "CommandProcessor.h"
#include "Documents.h"
#include "Guard.h"
#include "HostEditor.h"
#include "HostRuntime.h"
#include "SystemServices.h"
#include "UIManager.h"
#include "UserInput.h"
#include "ui/CommandLineWidget.h"
#include "ui/DrawingView.h"
#include "ui/HostIcons.h"
#include "ui/StartPageWidget.h"
#include "ui/Theme.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace
{
const QString kStandardToolBar = QStringLiteral("Standard");

Qt::DockWidgetArea dockArea(int iArea)
{
    switch (iArea)
    {
    case Qt::LeftDockWidgetArea:
    case Qt::RightDockWidgetArea:
    case Qt::TopDockWidgetArea:
    case Qt::BottomDockWidgetArea:
        return Qt::DockWidgetArea(iArea);
    default:
        return Qt::RightDockWidgetArea;
    }
}
} // namespace

HostMainWindow::HostMainWindow(HostRuntime& runtime) : m_runtime(runtime)
{
    setObjectName(QStringLiteral("DrawingHostMainWindow"));
    setWindowTitle(tr("Drawing Host"));
    resize(1200, 800);
    setDockOptions(AnimatedDocks | AllowTabbedDocks);
}

HostMainWindow::~HostMainWindow()
{
    tearDown();
}

void HostMainWindow::buildUi()
{
    buildMenus();
    buildToolBar();
    buildCentre();

    DocumentManager& documents = m_runtime.documents();
    for (HostDocument* pDoc : documents.documents())
        addDocumentTab(pDoc);
    showStartPageTab(documents.isStartPageShown());
    showCurrent(documents.activeDocument());
    connect(&documents, &DocumentManager::documentAdded, this, &HostMainWindow::addDocumentTab);
    connect(&documents, &DocumentManager::documentRemoved, this,
            &HostMainWindow::removeDocumentTab);
    connect(&documents, &DocumentManager::currentChanged, this, &HostMainWindow::showCurrent);
    connect(&documents, &DocumentManager::startPageShownChanged, this,
            &HostMainWindow::showStartPageTab);
    connect(&m_runtime.ui(), &UIManager::colorThemeChanged, this, &HostMainWindow::applyColorTheme);
    connect(&m_runtime.ui(), &UIManager::macroRequested, this,
            [this](const QString& macro) { m_runtime.services().SendMacro(macro, 0); });
    connect(&m_runtime.input(), &UserInput::pointAccepted, this,
            [this](QPointF point)
            {
                if (DrawingView* pView = drawingView(m_runtime.documents().activeDocument()))
                    pView->setPickedPoints(pView->pickedPoints() << point);
            });
    connect(&m_runtime.processor(), &CommandProcessor::commandFinished, this,
            [this]
            {
                if (m_runtime.processor().isIdle())
                    clearPicks();
            });
    documents.workspaceCreated();
    applyColorTheme(m_runtime.ui().colorTheme());
}

void HostMainWindow::buildMenus()
{
    UIManager& ui = m_runtime.ui();
    struct ItemSpec
    {
        const char* id;
        QString text;
        const char* macro;
    };
    auto makeMenu = [&](const char* pszName, const QString& strTitle, const QList<ItemSpec>& items,
                        QMenu* pParentMenu)
    {
        QMenu* pMenu = pParentMenu ? pParentMenu : menuBar()->addMenu(strTitle);
        pMenu->setObjectName(QString::fromLatin1(pszName));
        HostMenu* pHostMenu =
            ui.createMenu(QString::fromLatin1(pszName), UIManager::kMenuBar, pMenu);
        for (const ItemSpec& item : items)
            ui.addItem(pHostMenu, QString::fromLatin1(item.id), item.text,
                       QString::fromLatin1(item.macro));
        m_menus.append(pHostMenu);
        return pHostMenu;
    };

    makeMenu("ID_MnFile", tr("&File"),
             {{"ID_New", tr("&New drawing"), "^C^C_NEW"},
              {"ID_Close", tr("&Close drawing"), "^C^C_CLOSE"},
              {"ID_StartPage", tr("&Start page"), "^C^C_STARTPAGE"},
              {"ID_Sep1", QString(), ""},
              {"ID_Quit", tr("E&xit"), "^C^C_QUIT"}},
             nullptr);

    // The host's own check marks are refreshed before the reactors see the
    // menu (this connection comes first), so that a reactor has the last word.
    QMenu* pViewMenu = menuBar()->addMenu(tr("&View"));
    connect(pViewMenu, &QMenu::aboutToShow, this,
            [this]
            {
                HostMenu* pView = m_runtime.ui().findMenu(QString::fromLatin1(kViewMenuName));
                if (!pView)
                    return;
                const bool dark = isDarkTheme(m_runtime.ui().colorTheme());
                const QString workspace = m_runtime.ui().GetCurrentWorkspace()->GetName();
                for (CTwMenuItem* pItem : pView->GetItems())
                {
                    if (!pItem || !pItem->GetAction())
                        continue;
                    const QString id = pItem->GetId();
                    bool on = false;
                    if (id == QLatin1String("ID_ThemeLight"))
                        on = !dark;
                    else if (id == QLatin1String("ID_ThemeDark"))
                        on = dark;
                    else if (id.startsWith(QLatin1String("ID_Ws")))
                        on = id.mid(5) == workspace;
                    else
                        continue;
                    QString text = pItem->GetText();
                    if (text.startsWith(QLatin1String("!.")))
                        text.remove(0, 2);
                    pItem->SetText(on ? QStringLiteral("!.") + text : text);
                }
            });
    makeMenu(kViewMenuName, tr("&View"),
             {{"ID_ThemeLight", tr("&Light theme"), "^C^C_THEME;_Light"},
              {"ID_ThemeDark", tr("&Dark theme"), "^C^C_THEME;_Dark"},
              {"ID_Sep2", QString(), ""},
              {"ID_WsClassic", tr("&Classic workspace"), "^C^C_WORKSPACE;_Classic"},
              {"ID_WsDrafting", tr("D&rafting workspace"), "^C^C_WORKSPACE;_Drafting"}},
             pViewMenu);

    makeMenu("ID_MnTools", tr("&Tools"),
             {{"ID_GetDistance", tr("Measure &distance"), "^C^C_GETDISTANCE"},
              {"ID_GetArea", tr("Measure &area"), "^C^C_GETAREA"},
              {"ID_GetAngle", tr("Measure an&gle"), "^C^C_GETANGLE"},
              {"ID_Sep3", QString(), ""},
              {"ID_Luprec", tr("&Linear precision..."), "^C^C_LUPREC"},
              {"ID_Aunits", tr("A&ngular units..."), "^C^C_AUNITS"}},
             nullptr);

    m_drawingQMenu = new QMenu(this);
    m_drawingQMenu->setObjectName(QString::fromLatin1(kDrawingMenuName));
    m_drawingMenu = ui.createMenu(QString::fromLatin1(kDrawingMenuName), UIManager::kContextMenu,
                                  m_drawingQMenu);
    ui.addItem(m_drawingMenu, QStringLiteral("PMI_GETDISTANCE"), tr("Measure distance"),
               QStringLiteral("^C^C_GETDISTANCE"));
    ui.addItem(m_drawingMenu, QStringLiteral("PMI_GETAREA"), tr("Measure area"),
               QStringLiteral("^C^C_GETAREA"));
    ui.addItem(m_drawingMenu, QStringLiteral("PMI_GETANGLE"), tr("Measure angle"),
               QStringLiteral("^C^C_GETANGLE"));
    ui.addItem(m_drawingMenu, QStringLiteral("PMI_SEPARATOR"), QString(), QString());
    ui.addItem(m_drawingMenu, QStringLiteral("PMI_SMARTSELECT"), tr("Smart select"), QString());
    m_menus.append(m_drawingMenu);
}

void HostMainWindow::buildToolBar()
{
    m_toolBar = addToolBar(tr("Standard"));
    m_toolBar->setObjectName(kStandardToolBar);
    QAction* pNew = m_toolBar->addAction(tr("New"));
    pNew->setObjectName(QStringLiteral("ID_ToolNew"));
    connect(pNew, &QAction::triggered, this,
            [this] { m_runtime.services().SendMacro(CTwString(u"^C^C_NEW"), 0); });
    QAction* pClose = m_toolBar->addAction(tr("Close"));
    pClose->setObjectName(QStringLiteral("ID_ToolClose"));
    connect(pClose, &QAction::triggered, this,
            [this] { m_runtime.services().SendMacro(CTwString(u"^C^C_CLOSE"), 0); });
    m_toolBar->addSeparator();

    m_toggleButton = new QToolButton(m_toolBar);
    m_toggleButton->setObjectName(QString::fromLatin1(kToggleButtonName));
    m_toggleButton->setCheckable(true);
    m_toggleButton->setToolTip(tr("Smart Calculator"));
    m_toggleButton->setText(tr("Calculator"));
    m_toolBar->addWidget(m_toggleButton);
    connect(m_toggleButton, &QToolButton::clicked, this, &HostMainWindow::onToggleButtonClicked);

    m_runtime.ui().fireToolBarCreated(kStandardToolBar, m_toolBar);
    m_runtime.ui().fireWidgetCreated(QString::fromLatin1(kToggleButtonName), m_toggleButton);
}

void HostMainWindow::onToggleButtonClicked()
{
    static const OdString kCommand(u"_SMARTCALCULATOR");
    if (m_runtime.commandStack().lookupCmd(kCommand))
    {
        m_runtime.processor().queueCommand(QStringLiteral("_SMARTCALCULATOR"));
        return;
    }
    // Without the module the button has nothing to show.
    m_toggleButton->setChecked(false);
    m_runtime.commandLine().message(tr("The Smart Calculator is not loaded."));
}

void HostMainWindow::buildCentre()
{
    auto* pSplitter = new QSplitter(Qt::Vertical, this);
    pSplitter->setObjectName(QStringLiteral("centralSplitter"));
    m_tabs = new QTabWidget(pSplitter);
    m_tabs->setObjectName(QStringLiteral("drawingTabs"));
    m_tabs->setDocumentMode(true);
    m_tabs->setTabsClosable(true);
    m_tabs->setMovable(false);
    connect(m_tabs, &QTabWidget::currentChanged, this, &HostMainWindow::onTabChanged);
    connect(m_tabs, &QTabWidget::tabCloseRequested, this, &HostMainWindow::onTabCloseRequested);

    m_startPage = new StartPageWidget(m_tabs);
    connect(m_startPage, &StartPageWidget::newDrawingRequested, this,
            [this] { m_runtime.services().SendMacro(CTwString(u"^C^C_NEW"), 0); });
    connect(m_startPage, &StartPageWidget::openSampleRequested, this,
            [this]
            {
                if (m_runtime.processor().isIdle())
                    m_runtime.openSampleDrawing();
            });

    m_commandLine = new CommandLineWidget(pSplitter);
    m_commandLine->setObjectName(QStringLiteral("commandLine"));
    pSplitter->addWidget(m_tabs);
    pSplitter->addWidget(m_commandLine);
    pSplitter->setStretchFactor(0, 4);
    pSplitter->setStretchFactor(1, 1);
    setCentralWidget(pSplitter);

    showCommandLine();
    m_keyRouter = new CommandLineKeyRouter(*this, *m_commandLine, this);
    connect(m_commandLine, &CommandLineWidget::lineEntered, this,
            [this](const QString& line) { m_runtime.input().submit(line); });
    connect(m_commandLine, &CommandLineWidget::cancelRequested, this,
            [this] { m_runtime.input().cancel(); });
    m_runtime.ui().fireCommandLineCreated(m_commandLine);
    m_runtime.documents().startPageCreated();
}

void HostMainWindow::tearDown()
{
    if (m_menus.isEmpty() && !m_toolBar)
        return;
    m_runtime.documents().workspaceDeleted();
    if (m_toolBar)
        m_runtime.ui().fireToolBarToBeDestroyed(kStandardToolBar, m_toolBar);
    for (HostMenu* pMenu : std::as_const(m_menus))
        m_runtime.ui().destroyMenu(pMenu);
    m_menus.clear();
    m_drawingMenu = nullptr;
    m_toolBar = nullptr;
    if (m_commandLine)
        disconnect(&m_runtime.commandLine(), nullptr, m_commandLine, nullptr);
    delete m_keyRouter;
    disconnect(&m_runtime.documents(), nullptr, this, nullptr);
    disconnect(&m_runtime.ui(), nullptr, this, nullptr);
    disconnect(&m_runtime.input(), nullptr, this, nullptr);
    disconnect(&m_runtime.processor(), nullptr, this, nullptr);
}

void HostMainWindow::showCommandLine()
{
    const CommandLine& model = m_runtime.commandLine();
    CommandLineWidget* pWidget = m_commandLine;
    for (const QString& line : model.messages())
        pWidget->appendMessage(line);
    auto showPrompt = [pWidget](const QString& strPrompt, bool bTakesSpaces)
    {
        pWidget->setPrompt(strPrompt);
        pWidget->setSpaceEndsLine(!bTakesSpaces);
    };
    showPrompt(model.prompt(), model.promptTakesSpaces());
    if (!model.inputText().isEmpty())
        pWidget->setInputText(model.inputText());
    connect(&model, &CommandLine::messageAdded, pWidget, &CommandLineWidget::appendMessage);
    connect(&model, &CommandLine::promptChanged, pWidget, showPrompt);
    connect(&model, &CommandLine::inputTextPlaced, pWidget, &CommandLineWidget::setInputText);
    pWidget->focusInput();
}

void HostMainWindow::addDocumentTab(HostDocument* pDoc)
{
    auto* pView = new DrawingView(m_tabs);
    pView->setObjectName(QStringLiteral("drawingView"));
    pView->setDrawing(pDoc->geometry());
    connect(pView, &DrawingView::pointPicked, this,
            [this](QPointF point) { m_runtime.input().submitPoint(point); });
    connect(pView, &DrawingView::contextMenuRequested, this, &HostMainWindow::showDrawingMenu);
    m_views.insert(pDoc, pView);
    m_syncingTabs = true;
    m_tabs->addTab(pView, pDoc->GetTitle());
    m_syncingTabs = false;
}

void HostMainWindow::removeDocumentTab(HostDocument* pDoc)
{
    DrawingView* pView = m_views.take(pDoc);
    if (!pView)
        return;
    m_syncingTabs = true;
    m_tabs->removeTab(m_tabs->indexOf(pView));
    m_syncingTabs = false;
    pView->deleteLater();
}

void HostMainWindow::showCurrent(HostDocument* pDoc)
{
    QWidget* pPage = pDoc ? static_cast<QWidget*>(m_views.value(pDoc)) : m_startPage;
    if (!pPage || m_tabs->indexOf(pPage) < 0)
        return;
    m_syncingTabs = true;
    m_tabs->setCurrentWidget(pPage);
    m_syncingTabs = false;
}

void HostMainWindow::showStartPageTab(bool bShown)
{
    const int index = m_tabs->indexOf(m_startPage);
    m_syncingTabs = true;
    if (bShown && index < 0)
        m_tabs->insertTab(0, m_startPage, tr("Start"));
    else if (!bShown && index >= 0)
        m_tabs->removeTab(index);
    m_syncingTabs = false;
    if (bShown && m_runtime.documents().IsStartPageActive())
        showCurrent(nullptr);
}

void HostMainWindow::onTabChanged(int index)
{
    if (m_syncingTabs || index < 0)
        return;
    QWidget* pPage = m_tabs->widget(index);
    if (pPage == m_startPage)
    {
        m_runtime.documents().showStartPage();
        return;
    }
    for (auto it = m_views.cbegin(); it != m_views.cend(); ++it)
    {
        if (it.value() == pPage)
            m_runtime.documents().activateDocument(it.key());
    }
}

void HostMainWindow::onTabCloseRequested(int index)
{
    QWidget* pPage = m_tabs->widget(index);
    if (pPage == m_startPage)
    {
        if (!m_runtime.documents().hideStartPage())
            m_runtime.commandLine().message(tr("The start page stays while no drawing is open."));
        return;
    }
    for (auto it = m_views.cbegin(); it != m_views.cend(); ++it)
    {
        if (it.value() == pPage)
        {
            m_runtime.documents().closeDocument(it.key());
            return;
        }
    }
}

void HostMainWindow::showDrawingMenu(QPoint globalPos)
{
    if (m_drawingQMenu)
        m_drawingQMenu->popup(globalPos); // aboutToShow populates it
}

void HostMainWindow::clearPicks()
{
    for (DrawingView* pView : std::as_const(m_views))
        pView->clearPickedPoints();
}

void HostMainWindow::applyColorTheme(int iTheme)
{
    if (auto* pApp = qobject_cast<QApplication*>(QCoreApplication::instance()))
        applyTheme(*pApp, iTheme);
    const QString icon = iconPathForName(QStringLiteral("quick_calc"), isDarkTheme(iTheme));
    if (m_toggleButton && !icon.isEmpty())
        m_toggleButton->setIcon(QIcon(icon));
}

QDockWidget* HostMainWindow::CreateDockPanel(QWidget* pWidget, int iArea, int iAllowedAreas,
                                             const CTwString& strTitle, const CTwString& strName,
                                             int iMinWidth, int iMinHeight, int iX, int iY,
                                             int iWidth, int iHeight, bool bFloating, bool bVisible,
                                             bool bClosable, const CTwString& strIconPath,
                                             const CTwString& strTabifyWith)
{
    auto* pDock = new QDockWidget(strTitle, this);
    pDock->setObjectName(strName);
    const int allowed = iAllowedAreas & Qt::AllDockWidgetAreas;
    pDock->setAllowedAreas(allowed ? Qt::DockWidgetAreas(allowed) : Qt::AllDockWidgetAreas);
    QDockWidget::DockWidgetFeatures features =
        QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable;
    if (bClosable)
        features |= QDockWidget::DockWidgetClosable;
    pDock->setFeatures(features);
    if (!strIconPath.isEmpty())
        pDock->setWindowIcon(QIcon(strIconPath));
    if (pWidget)
        pDock->setWidget(pWidget);
    if (iMinWidth > 0 || iMinHeight > 0)
        pDock->setMinimumSize(std::max(iMinWidth, 0), std::max(iMinHeight, 0));
    addDockWidget(dockArea(iArea), pDock);

    QDockWidget* pTabifyWith = nullptr;
    if (!strTabifyWith.isEmpty())
    {
        for (const QPointer<QDockWidget>& other : std::as_const(m_docks))
        {
            if (other && other->objectName() == QString(strTabifyWith))
                pTabifyWith = other;
        }
    }
    if (pTabifyWith)
        tabifyDockWidget(pTabifyWith, pDock);
    if (bFloating)
    {
        pDock->setFloating(true);
        if (iX >= 0 && iY >= 0)
            pDock->move(iX, iY);
        if (iWidth > 0 && iHeight > 0)
            pDock->resize(iWidth, iHeight);
    }
    if (!bVisible)
        pDock->hide();
    m_docks.append(pDock);
    m_runtime.ui().fireDockPanelCreated(pDock);
    return pDock;
}

bool HostMainWindow::RemoveDockPanel(QDockWidget* pDock)
{
    if (!pDock || !m_docks.contains(pDock))
        return false;
    removeDockWidget(pDock);
    m_docks.removeAll(pDock);
    m_runtime.ui().fireDockPanelRemoved(pDock);
    return true;
}

QList<QDockWidget*> HostMainWindow::dockPanels() const
{
    QList<QDockWidget*> docks;
    for (const QPointer<QDockWidget>& dock : m_docks)
    {
        if (dock)
            docks.append(dock);
    }
    return docks;
}

void HostMainWindow::SendToCommandLine(const CTwString& strText)
{
    m_runtime.commandLine().setInputText(strText);
    if (m_commandLine)
        m_commandLine->focusInput();
}

int HostMainWindow::purgeImage(const void* pImageBase)
{
    QList<QObject*> doomed;
    const QList<QObject*> all = findChildren<QObject*>();
    for (QObject* pObject : all)
    {
        if (!isFromImage(pObject, pImageBase))
            continue;
        bool underDoomed = false;
        for (QObject* pParent = pObject->parent(); pParent && !underDoomed;
             pParent = pParent->parent())
            underDoomed = doomed.contains(pParent);
        if (!underDoomed)
            doomed.append(pObject);
    }
    // Children found before their parents would be deleted twice.
    for (qsizetype i = doomed.size(); i-- > 0;)
    {
        for (QObject* pParent = doomed[i]->parent(); pParent; pParent = pParent->parent())
        {
            if (doomed.contains(pParent))
            {
                doomed.removeAt(i);
                break;
            }
        }
    }
    qDeleteAll(doomed);
    return int(doomed.size());
}
