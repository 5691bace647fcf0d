#pragma once

#include "HostDockPanels.h"
#include "HostMenus.h"
#include "RuntimeExport.h"

#include <CTwSystemServices.h>

#include <QCoreApplication>
#include <QHash>
#include <QMainWindow>
#include <QPointer>

class CommandLine;
class CommandLineKeyRouter;
class CommandLineWidget;
class CommandProcessor;
class DocumentManager;
class DrawingView;
class HostCommandStack;
class HostDocument;
class HostMenu;
class QTabWidget;
class QToolBar;
class QToolButton;
class StartPageWidget;
class SystemServices;
class UIManager;
class UserInput;

// What the main window shows and drives, handed over by the runtime.
struct MainWindowParts
{
    CommandLine& commandLine;
    UserInput& input;
    CommandProcessor& processor;
    HostCommandStack& commandStack;
    DocumentManager& documents;
    UIManager& ui;
    SystemServices& services;
};

// The host's main window: menu bar, toolbar, the start page and drawing tabs,
// the command line at the bottom and dock areas on both sides. It follows the
// runtime's state (documents, theme, command line) and sends what the user
// does back as macros, commands and input; the main-frame operations modules
// call live here too. Menus (HostMenus) and dock panels (HostDockPanels) keep
// their own files.
class DH_RUNTIME_EXPORT HostMainWindow : public QMainWindow, public CTwMainFrame
{
    Q_OBJECT

public:
    static constexpr const char* kToggleButtonName = kTwToggleButtonName;
    static constexpr const char* kViewMenuName = HostMenus::kViewMenuName;
    static constexpr const char* kDrawingMenuName = HostMenus::kDrawingMenuName;

    explicit HostMainWindow(const MainWindowParts& parts);
    ~HostMainWindow() override;

    // Creates the menus, toolbar, tabs and command line, raising the UI
    // notifications for each; then the start page.
    void buildUi();
    // Takes the host's menus and toolbar down with their notifications.
    void tearDown();

    // CTwMainFrame
    QDockWidget* CreateDockPanel(QWidget* pWidget, int iArea, int iAllowedAreas,
                                 const CTwString& strTitle, const CTwString& strName, int iMinWidth,
                                 int iMinHeight, int iX, int iY, int iWidth, int iHeight,
                                 bool bFloating, bool bVisible, bool bClosable,
                                 const CTwString& strIconPath,
                                 const CTwString& strTabifyWith) override;
    bool RemoveDockPanel(QDockWidget* pDock) override;
    void SendToCommandLine(const CTwString& strText) override;
    QMainWindow* GetMainWindow() const override { return const_cast<HostMainWindow*>(this); }

    QList<QDockWidget*> dockPanels() const { return m_docks.panels(); }
    CommandLineWidget* commandLineWidget() const { return m_commandLine; }
    QToolButton* toggleButton() const { return m_toggleButton; }
    QTabWidget* tabs() const { return m_tabs; }
    DrawingView* drawingView(HostDocument* pDoc) const { return m_views.value(pDoc); }
    HostMenu* drawingMenu() const { return m_menus.drawingMenu(); }
    // Opens the drawing view's right-click menu (kind 2) at globalPos.
    void showDrawingMenu(QPoint globalPos) { m_menus.showDrawingMenu(globalPos); }

    // Deletes the docks and widgets whose class lives in the image.
    int purgeImage(const void* pImageBase);

private:
    void buildToolBar();
    void buildCentre();
    // The command line widget shows the model and follows its signals.
    void showCommandLine();
    void followRuntime();
    void addDocumentTab(HostDocument* pDoc);
    void removeDocumentTab(HostDocument* pDoc);
    void showCurrent(HostDocument* pDoc);
    void showStartPageTab(bool bShown);
    void onTabChanged(int index);
    void onTabCloseRequested(int index);
    void onToggleButtonClicked();
    void applyColorTheme(int iTheme);
    void clearPicks();
    void sendMacro(const char16_t* pszMacro);

    MainWindowParts m_parts;
    HostMenus m_menus;
    HostDockPanels m_docks;
    QTabWidget* m_tabs = nullptr;
    StartPageWidget* m_startPage = nullptr;
    CommandLineWidget* m_commandLine = nullptr;
    QPointer<CommandLineKeyRouter> m_keyRouter;
    QToolBar* m_toolBar = nullptr;
    QToolButton* m_toggleButton = nullptr;
    QHash<HostDocument*, DrawingView*> m_views;
    // Set while the window changes the current tab itself, so that the tab
    // widget's signal does not echo the change back as a user's choice.
    bool m_syncingTabs = false;
};
