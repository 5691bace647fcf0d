#include "HostMainWindow.h"

#include "CommandLine.h"
#include "CommandLineKeyRouter.h"
#include "CommandProcessor.h"
#include "Documents.h"
#include "Guard.h"
#include "HostEditor.h"
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
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace
{
const QString kStandardToolBar = QStringLiteral("Standard");
} // namespace

HostMainWindow::HostMainWindow(const MainWindowParts& parts)
    : m_parts(parts), m_menus(*this, parts.ui), m_docks(*this, parts.ui)
{
    setObjectName(QStringLiteral("DrawingHostMainWindow"));
    setWindowTitle(tr("Drawing Host"));
    // Smaller on a small screen, with room for the window manager's frame.
    QSize size(1200, 800);
    if (const QScreen* pScreen = QGuiApplication::primaryScreen())
        size = size.boundedTo(pScreen->availableSize() - QSize(16, 48));
    resize(size);
    setDockOptions(AnimatedDocks | AllowTabbedDocks);
}

HostMainWindow::~HostMainWindow()
{
    tearDown();
}

void HostMainWindow::buildUi()
{
    m_menus.build();
    buildToolBar();
    buildCentre();

    DocumentManager& documents = m_parts.documents;
    for (HostDocument* pDoc : documents.documents())
        addDocumentTab(pDoc);
    showStartPageTab(documents.isStartPageShown());
    showCurrent(documents.activeDocument());
    followRuntime();
    documents.workspaceCreated();
    applyColorTheme(m_parts.ui.colorTheme());
}

void HostMainWindow::followRuntime()
{
    DocumentManager& documents = m_parts.documents;
    connect(&documents, &DocumentManager::documentAdded, this, &HostMainWindow::addDocumentTab);
    connect(&documents, &DocumentManager::documentRemoved, this,
            &HostMainWindow::removeDocumentTab);
    connect(&documents, &DocumentManager::currentChanged, this, &HostMainWindow::showCurrent);
    connect(&documents, &DocumentManager::startPageShownChanged, this,
            &HostMainWindow::showStartPageTab);
    connect(&m_parts.ui, &UIManager::colorThemeChanged, this, &HostMainWindow::applyColorTheme);
    connect(&m_parts.ui, &UIManager::macroRequested, this,
            [this](const QString& macro)
            {
                if (!m_parts.processor.runTransparent(macro))
                    m_parts.services.SendMacro(macro, 0);
            });
    connect(&m_parts.input, &UserInput::pointAccepted, this,
            [this](QPointF point)
            {
                if (DrawingView* pView = drawingView(m_parts.documents.activeDocument()))
                    pView->setPickedPoints(pView->pickedPoints() << point);
            });
    connect(&m_parts.processor, &CommandProcessor::commandFinished, this,
            [this]
            {
                if (m_parts.processor.isIdle())
                    clearPicks();
            });
}

void HostMainWindow::sendMacro(const char16_t* pszMacro)
{
    m_parts.services.SendMacro(CTwString(pszMacro), 0);
}

void HostMainWindow::buildToolBar()
{
    m_toolBar = addToolBar(tr("Standard"));
    m_toolBar->setObjectName(kStandardToolBar);
    QAction* pNew = m_toolBar->addAction(tr("New"));
    pNew->setObjectName(QStringLiteral("ID_ToolNew"));
    connect(pNew, &QAction::triggered, this, [this] { sendMacro(u"^C^C_NEW"); });
    QAction* pClose = m_toolBar->addAction(tr("Close"));
    pClose->setObjectName(QStringLiteral("ID_ToolClose"));
    connect(pClose, &QAction::triggered, this, [this] { sendMacro(u"^C^C_CLOSE"); });
    m_toolBar->addSeparator();

    m_toggleButton = new QToolButton(m_toolBar);
    m_toggleButton->setObjectName(QString::fromLatin1(kToggleButtonName));
    m_toggleButton->setCheckable(true);
    m_toggleButton->setToolTip(tr("Smart Calculator"));
    m_toggleButton->setText(tr("Calculator"));
    m_toolBar->addWidget(m_toggleButton);
    connect(m_toggleButton, &QToolButton::clicked, this, &HostMainWindow::onToggleButtonClicked);

    m_parts.ui.fireToolBarCreated(kStandardToolBar, m_toolBar);
    m_parts.ui.fireWidgetCreated(QString::fromLatin1(kToggleButtonName), m_toggleButton);
}

void HostMainWindow::onToggleButtonClicked()
{
    // The button shows the dock, not the click: the calculator checks it
    // when its dock shows.
    m_toggleButton->setChecked(!m_toggleButton->isChecked());
    static const QString kCommand = QStringLiteral("_SMARTCALCULATOR");
    if (m_parts.processor.runTransparent(kCommand))
        return;
    if (m_parts.commandStack.lookupCmd(OdString(kCommand.toStdU16String())))
    {
        // A calculator whose command may not run inside another waits its
        // turn.
        m_parts.processor.queueCommand(kCommand);
        return;
    }
    // Without the module the button has nothing to show.
    m_toggleButton->setChecked(false);
    m_parts.commandLine.message(tr("The Smart Calculator is not loaded."));
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
            [this] { sendMacro(u"^C^C_NEW"); });
    connect(m_startPage, &StartPageWidget::openSampleRequested, this,
            [this]
            {
                if (m_parts.processor.isIdle())
                    m_parts.documents.openSampleDrawing();
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
            [this](const QString& line) { m_parts.input.submit(line); });
    connect(m_commandLine, &CommandLineWidget::cancelRequested, this,
            [this] { m_parts.input.cancel(); });
    m_parts.ui.fireCommandLineCreated(m_commandLine);
    m_parts.documents.startPageCreated();
}

void HostMainWindow::tearDown()
{
    if (!m_menus.isBuilt() && !m_toolBar)
        return;
    m_parts.documents.workspaceDeleted();
    if (m_toolBar)
        m_parts.ui.fireToolBarToBeDestroyed(kStandardToolBar, m_toolBar);
    m_menus.tearDown();
    m_toolBar = nullptr;
    if (m_commandLine)
        disconnect(&m_parts.commandLine, nullptr, m_commandLine, nullptr);
    delete m_keyRouter;
    disconnect(&m_parts.documents, nullptr, this, nullptr);
    disconnect(&m_parts.ui, nullptr, this, nullptr);
    disconnect(&m_parts.input, nullptr, this, nullptr);
    disconnect(&m_parts.processor, nullptr, this, nullptr);
}

void HostMainWindow::showCommandLine()
{
    const CommandLine& model = m_parts.commandLine;
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
            [this](QPointF point) { m_parts.input.submitPoint(point); });
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
    if (bShown && m_parts.documents.IsStartPageActive())
        showCurrent(nullptr);
}

void HostMainWindow::onTabChanged(int index)
{
    if (m_syncingTabs || index < 0)
        return;
    QWidget* pPage = m_tabs->widget(index);
    if (pPage == m_startPage)
    {
        m_parts.documents.showStartPage();
        return;
    }
    for (auto it = m_views.cbegin(); it != m_views.cend(); ++it)
    {
        if (it.value() == pPage)
            m_parts.documents.activateDocument(it.key());
    }
}

void HostMainWindow::onTabCloseRequested(int index)
{
    QWidget* pPage = m_tabs->widget(index);
    if (pPage == m_startPage)
    {
        if (!m_parts.documents.hideStartPage())
            m_parts.commandLine.message(tr("The start page stays while no drawing is open."));
        return;
    }
    for (auto it = m_views.cbegin(); it != m_views.cend(); ++it)
    {
        if (it.value() == pPage)
        {
            m_parts.documents.closeDocument(it.key());
            return;
        }
    }
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
    return m_docks.create(pWidget, iArea, iAllowedAreas, strTitle, strName, iMinWidth, iMinHeight,
                          iX, iY, iWidth, iHeight, bFloating, bVisible, bClosable, strIconPath,
                          strTabifyWith);
}

bool HostMainWindow::RemoveDockPanel(QDockWidget* pDock)
{
    return m_docks.remove(pDock);
}

void HostMainWindow::SendToCommandLine(const CTwString& strText)
{
    m_parts.commandLine.setInputText(strText);
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
