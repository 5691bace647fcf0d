#pragma once

#include "ReactorList.h"
#include "RuntimeExport.h"

#include <CTwUIManager.h>

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

#include <QMenu>

class DH_RUNTIME_EXPORT HostAction : public CTwAction
{
public:
    explicit HostAction(int iId) : m_id(iId) {}
    int GetId() const override { return m_id; }
    void SetCommand(const CTwString& strCommand) override { m_command = strCommand; }
    CTwString GetCommand() const override { return m_command; }

private:
    int m_id;
    CTwString m_command;
};

class DH_RUNTIME_EXPORT HostMenuItem : public CTwMenuItem
{
public:
    CTwString GetId() const override { return m_id; }
    void SetId(const CTwString& strId) override { m_id = strId; }
    CTwString GetText() const override { return m_text; }
    void SetText(const CTwString& strText) override { m_text = strText; }
    CTwAction* GetAction() const override { return m_action; }
    void SetAction(CTwAction* pAction) override { m_action = pAction; }
    void SetDarkIcon(const CTwString& strPath, const CTwString& strIconId) override;
    void SetLightIcon(const CTwString& strPath, const CTwString& strIconId) override;
    CTwString GetIconPath(bool bDark) const override { return bDark ? m_darkIcon : m_lightIcon; }

private:
    CTwString m_id;
    CTwString m_text;
    CTwAction* m_action = nullptr;
    CTwString m_darkIcon;
    CTwString m_lightIcon;
    CTwString m_darkIconId;
    CTwString m_lightIconId;
};

class DH_RUNTIME_EXPORT HostMenu : public CTwMenu
{
public:
    HostMenu(const QString& strName, int iKind, QMenu* pMenu)
        : m_name(strName), m_kind(iKind), m_menu(pMenu)
    {
    }
    CTwString GetName() const override { return m_name; }
    int GetKind() const override { return m_kind; }
    CTwMenuItems& GetItems() override { return m_items; }
    QMenu* qmenu() const { return m_menu; }

private:
    QString m_name;
    int m_kind;
    CTwMenuItems m_items;
    QPointer<QMenu> m_menu;
};

// Menus, workspaces, the colour theme and the UI reactors. A host menu is a
// list of items; right before its QMenu shows, the reactors get
// OnMenuPopulate and the QMenu is rebuilt from the items.
class DH_RUNTIME_EXPORT UIManager : public QObject, public CTwUIManager
{
    Q_OBJECT

public:
    enum MenuKind
    {
        kMenuBar = 0,
        kToolBarMenu = 1,
        kContextMenu = 2,
    };

    explicit UIManager(QObject* parent = nullptr);
    ~UIManager() override;

    // CTwUIManager
    void AddUIReactor(CTwUIReactor* pReactor) override { m_reactors.add(pReactor); }
    void RemoveUIReactor(CTwUIReactor* pReactor) override { m_reactors.remove(pReactor); }
    CTwWorkspace* GetCurrentWorkspace() const override;
    int NewActionId() override { return ++m_lastActionId; }
    CTwAction* CreateAction(int iId, int iFlags) override;
    CTwMenuItem* CreateMenuItem(int iFlags, const CTwString& strText, const CTwString& strId,
                                const CTwString& strCommand) override;

    // Menus. pMenu shows the menu; the manager repopulates it before it shows.
    HostMenu* createMenu(const QString& strName, int iKind, QMenu* pMenu);
    void destroyMenu(HostMenu* pMenu);
    HostMenu* findMenu(const QString& strName) const;
    HostMenuItem* addItem(HostMenu* pMenu, const QString& strId, const QString& strText,
                          const QString& strCommand, const QString& strIconName = {});
    // OnMenuPopulate, then the QMenu rebuilt from the items.
    void populate(HostMenu* pMenu);

    QStringList workspaceNames() const;
    bool setCurrentWorkspace(const QString& strName);

    int colorTheme() const { return m_colorTheme; }
    void setColorTheme(int iTheme);

    void fireToolBarCreated(const QString& strName, class QToolBar* pToolBar);
    void fireToolBarToBeDestroyed(const QString& strName, class QToolBar* pToolBar);
    void fireDockPanelCreated(class QDockWidget* pDock);
    void fireDockPanelRemoved(class QDockWidget* pDock);
    void fireCommandLineCreated(QWidget* pWidget);
    void fireWidgetCreated(const QString& strName, QWidget* pWidget);

    int reactorCount() const { return m_reactors.size(); }
    int purgeImage(const void* pImageBase);

signals:
    // A menu item was chosen: its command (a macro) is to run.
    void macroRequested(const QString& strMacro);
    void colorThemeChanged(int iTheme);

private:
    void render(HostMenu* pMenu);

    class Workspace;
    std::vector<std::unique_ptr<Workspace>> m_workspaces;
    Workspace* m_current = nullptr;
    std::vector<std::unique_ptr<HostAction>> m_actions;
    std::vector<std::unique_ptr<HostMenuItem>> m_items;
    std::vector<std::unique_ptr<HostMenu>> m_menus;
    ReactorList<CTwUIReactor> m_reactors;
    int m_lastActionId = 1000;
    int m_colorTheme = 1;
};
