#pragma once

#include "CTwString.h"

#include <QList>

class QDockWidget;
class QToolBar;
class QWidget;

// Menus as the host keeps them: a list of items that the host turns into the
// visible menu each time it is about to show, after telling the UI reactors
// (OnMenuPopulate) so that they can add or refresh items.
//
// Menu kinds: 0 a pull-down menu of the menu bar, 1 a toolbar button's menu,
// 2 the drawing view's right-click menu.
// An item's text starting with "!." shows the item checked.

class CTwAction
{
public:
    virtual ~CTwAction() = default;
    virtual int GetId() const = 0;
    // Command run (as if typed) when the item is chosen.
    virtual void SetCommand(const CTwString& strCommand) = 0;
    virtual CTwString GetCommand() const = 0;
};

class CTwMenuItem
{
public:
    virtual ~CTwMenuItem() = default;
    virtual CTwString GetId() const = 0;
    virtual void SetId(const CTwString& strId) = 0;
    virtual CTwString GetText() const = 0;
    virtual void SetText(const CTwString& strText) = 0;
    virtual CTwAction* GetAction() const = 0;
    virtual void SetAction(CTwAction* pAction) = 0;
    // Icons for the dark and the light theme: a resource path and the host's
    // icon identifier.
    virtual void SetDarkIcon(const CTwString& strPath, const CTwString& strIconId) = 0;
    virtual void SetLightIcon(const CTwString& strPath, const CTwString& strIconId) = 0;
    virtual CTwString GetIconPath(bool bDark) const = 0;
};

using CTwMenuItems = QList<CTwMenuItem*>;

class CTwMenu
{
public:
    virtual ~CTwMenu() = default;
    virtual CTwString GetName() const = 0;
    virtual int GetKind() const = 0;
    // The items in display order; a reactor may insert, reorder or remove.
    virtual CTwMenuItems& GetItems() = 0;
};

class CTwWorkspace
{
public:
    virtual ~CTwWorkspace() = default;
    virtual CTwString GetName() const = 0;
};

// The toolbar's calculator toggle button, announced by OnWidgetCreated.
inline constexpr char kTwToggleButtonName[] = "TwQuickCalcCommandToggleButton";

// UI notifications; every body is empty. Listed in the order of the interface.
//   OnWorkspaceChanged   the current workspace changed
//   OnThemeChanged       the colour theme changed
//   OnMenuCreated        a host menu was created
//   OnMenuToBeDestroyed  a host menu is about to go
//   OnToolBarCreated     a host toolbar was created
//   OnToolBarToBeDestroyed
//   OnDockPanelCreated   CreateDockPanel made a dock
//   OnDockPanelRemoved   RemoveDockPanel took a dock out
//   OnMenuPopulate       a menu is about to show; items may be changed
//   OnMenuItemTriggered  the user chose an item (before its command runs)
//   OnCommandLineCreated the command line widget exists
//   OnWidgetCreated      a named host widget exists (for instance the
//                        toolbar's kTwToggleButtonName)
class CTwUIReactor
{
public:
    virtual ~CTwUIReactor() = default;
    virtual void OnWorkspaceChanged(CTwWorkspace*) {}
    virtual void OnThemeChanged(int) {}
    virtual void OnMenuCreated(CTwMenu*) {}
    virtual void OnMenuToBeDestroyed(CTwMenu*) {}
    virtual void OnToolBarCreated(const CTwString&, QToolBar*) {}
    virtual void OnToolBarToBeDestroyed(const CTwString&, QToolBar*) {}
    virtual void OnDockPanelCreated(QDockWidget*) {}
    virtual void OnDockPanelRemoved(QDockWidget*) {}
    virtual void OnMenuPopulate(CTwMenu*) {}
    virtual void OnMenuItemTriggered(CTwMenu*, CTwMenuItem*) {}
    virtual void OnCommandLineCreated(QWidget*) {}
    virtual void OnWidgetCreated(const CTwString&, QWidget*&) {}
};

class CTwUIManager
{
public:
    virtual ~CTwUIManager() = default;
    virtual void AddUIReactor(CTwUIReactor* pReactor) = 0;
    virtual void RemoveUIReactor(CTwUIReactor* pReactor) = 0;
    virtual CTwWorkspace* GetCurrentWorkspace() const = 0;
    // Actions and items are owned by the host and live as long as it does.
    virtual int NewActionId() = 0;
    virtual CTwAction* CreateAction(int iId, int iFlags) = 0;
    virtual CTwMenuItem* CreateMenuItem(int iFlags, const CTwString& strText,
                                        const CTwString& strId, const CTwString& strCommand) = 0;
};
