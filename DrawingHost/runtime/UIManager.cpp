#include "UIManager.h"

#include "ui/HostIcons.h"
#include "ui/Theme.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

namespace
{
// A leading "!." shows the item checked.
const QString kCheckedMark = QStringLiteral("!.");
} // namespace

class UIManager::Workspace : public CTwWorkspace
{
public:
    explicit Workspace(const QString& strName) : m_name(strName) {}
    CTwString GetName() const override { return m_name; }

private:
    QString m_name;
};

void HostMenuItem::SetDarkIcon(const CTwString& strPath, const CTwString& strIconId)
{
    m_darkIcon = strPath;
    m_darkIconId = strIconId;
}

void HostMenuItem::SetLightIcon(const CTwString& strPath, const CTwString& strIconId)
{
    m_lightIcon = strPath;
    m_lightIconId = strIconId;
}

UIManager::UIManager(QObject* parent) : QObject(parent)
{
    m_workspaces.push_back(std::make_unique<Workspace>(QStringLiteral("Classic")));
    m_workspaces.push_back(std::make_unique<Workspace>(QStringLiteral("Drafting")));
    m_current = m_workspaces.front().get();
}

UIManager::~UIManager() = default;

CTwWorkspace* UIManager::GetCurrentWorkspace() const
{
    return m_current;
}

CTwAction* UIManager::CreateAction(int iId, int)
{
    m_actions.push_back(std::make_unique<HostAction>(iId));
    return m_actions.back().get();
}

CTwMenuItem* UIManager::CreateMenuItem(int, const CTwString& strText, const CTwString& strId,
                                       const CTwString& strCommand)
{
    auto item = std::make_unique<HostMenuItem>();
    item->SetText(strText);
    item->SetId(strId);
    if (!strCommand.isEmpty())
    {
        CTwAction* pAction = CreateAction(NewActionId(), 0);
        pAction->SetCommand(strCommand);
        item->SetAction(pAction);
    }
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

HostMenu* UIManager::createMenu(const QString& strName, int iKind, QMenu* pMenu)
{
    m_menus.push_back(std::make_unique<HostMenu>(strName, iKind, pMenu));
    HostMenu* pHostMenu = m_menus.back().get();
    if (pMenu)
        connect(pMenu, &QMenu::aboutToShow, this, [this, pHostMenu] { populate(pHostMenu); });
    m_reactors.notify("OnMenuCreated", [&](CTwUIReactor* r) { r->OnMenuCreated(pHostMenu); });
    return pHostMenu;
}

void UIManager::destroyMenu(HostMenu* pMenu)
{
    auto it = std::find_if(m_menus.begin(), m_menus.end(),
                           [&](const auto& m) { return m.get() == pMenu; });
    if (it == m_menus.end())
        return;
    m_reactors.notify("OnMenuToBeDestroyed",
                      [&](CTwUIReactor* r) { r->OnMenuToBeDestroyed(pMenu); });
    if (QMenu* pQMenu = pMenu->qmenu())
        disconnect(pQMenu, nullptr, this, nullptr);
    m_menus.erase(it);
}

HostMenu* UIManager::findMenu(const QString& strName) const
{
    for (const auto& menu : m_menus)
    {
        if (menu->GetName().equalNoCase(strName))
            return menu.get();
    }
    return nullptr;
}

HostMenuItem* UIManager::addItem(HostMenu* pMenu, const QString& strId, const QString& strText,
                                 const QString& strCommand, const QString& strIconName)
{
    auto* pItem = static_cast<HostMenuItem*>(CreateMenuItem(0, strText, strId, strCommand));
    if (!strIconName.isEmpty())
    {
        pItem->SetLightIcon(iconPathForName(strIconName, false), strIconName);
        pItem->SetDarkIcon(iconPathForName(strIconName, true), strIconName);
    }
    if (pMenu)
        pMenu->GetItems().append(pItem);
    return pItem;
}

void UIManager::populate(HostMenu* pMenu)
{
    if (!pMenu)
        return;
    m_reactors.notify("OnMenuPopulate", [&](CTwUIReactor* r) { r->OnMenuPopulate(pMenu); });
    render(pMenu);
}

void UIManager::render(HostMenu* pMenu)
{
    QMenu* pQMenu = pMenu->qmenu();
    if (!pQMenu)
        return;
    pQMenu->clear();
    const bool dark = isDarkTheme(m_colorTheme);
    const CTwMenuItems items = pMenu->GetItems();
    for (CTwMenuItem* pItem : items)
    {
        if (!pItem)
            continue;
        QString text = pItem->GetText();
        if (text.isEmpty())
        {
            pQMenu->addSeparator();
            continue;
        }
        const bool checked = text.startsWith(kCheckedMark);
        if (checked)
            text.remove(0, kCheckedMark.size());
        QAction* pAction = pQMenu->addAction(text);
        pAction->setObjectName(pItem->GetId());
        if (checked)
        {
            pAction->setCheckable(true);
            pAction->setChecked(true);
        }
        const QString iconPath = pItem->GetIconPath(dark);
        if (!iconPath.isEmpty())
            pAction->setIcon(QIcon(iconPath));
        const QString macro =
            pItem->GetAction() ? QString(pItem->GetAction()->GetCommand()) : QString();
        pAction->setEnabled(!macro.isEmpty());
        connect(pAction, &QAction::triggered, this,
                [this, pMenu, pItem, macro]
                {
                    // The menu may have been destroyed meanwhile; the item is ours and
                    // lives as long as the manager.
                    const bool known = std::any_of(m_menus.begin(), m_menus.end(),
                                                   [&](const auto& m) { return m.get() == pMenu; });
                    if (known)
                        m_reactors.notify("OnMenuItemTriggered", [&](CTwUIReactor* r)
                                          { r->OnMenuItemTriggered(pMenu, pItem); });
                    emit macroRequested(macro);
                });
    }
}

QStringList UIManager::workspaceNames() const
{
    QStringList names;
    for (const auto& ws : m_workspaces)
        names.append(ws->GetName());
    return names;
}

bool UIManager::setCurrentWorkspace(const QString& strName)
{
    for (const auto& ws : m_workspaces)
    {
        if (ws->GetName().equalNoCase(strName))
        {
            if (m_current != ws.get())
            {
                m_current = ws.get();
                m_reactors.notify("OnWorkspaceChanged",
                                  [&](CTwUIReactor* r) { r->OnWorkspaceChanged(m_current); });
            }
            return true;
        }
    }
    return false;
}

void UIManager::setColorTheme(int iTheme)
{
    if (iTheme == m_colorTheme)
        return;
    m_colorTheme = iTheme;
    emit colorThemeChanged(iTheme);
    m_reactors.notify("OnThemeChanged", [&](CTwUIReactor* r) { r->OnThemeChanged(iTheme); });
}

void UIManager::fireToolBarCreated(const QString& strName, QToolBar* pToolBar)
{
    m_reactors.notify("OnToolBarCreated",
                      [&](CTwUIReactor* r) { r->OnToolBarCreated(strName, pToolBar); });
}

void UIManager::fireToolBarToBeDestroyed(const QString& strName, QToolBar* pToolBar)
{
    m_reactors.notify("OnToolBarToBeDestroyed",
                      [&](CTwUIReactor* r) { r->OnToolBarToBeDestroyed(strName, pToolBar); });
}

void UIManager::fireDockPanelCreated(QDockWidget* pDock)
{
    m_reactors.notify("OnDockPanelCreated", [&](CTwUIReactor* r) { r->OnDockPanelCreated(pDock); });
}

void UIManager::fireDockPanelRemoved(QDockWidget* pDock)
{
    m_reactors.notify("OnDockPanelRemoved", [&](CTwUIReactor* r) { r->OnDockPanelRemoved(pDock); });
}

void UIManager::fireCommandLineCreated(QWidget* pWidget)
{
    m_reactors.notify("OnCommandLineCreated",
                      [&](CTwUIReactor* r) { r->OnCommandLineCreated(pWidget); });
}

void UIManager::fireWidgetCreated(const QString& strName, QWidget* pWidget)
{
    m_reactors.notify("OnWidgetCreated",
                      [&](CTwUIReactor* r)
                      {
                          // Each reactor gets its own copy of the pointer to change.
                          QWidget* pCopy = pWidget;
                          r->OnWidgetCreated(strName, pCopy);
                      });
}

int UIManager::purgeImage(const void* pImageBase)
{
    int nPurged = 0;
    const auto reactors = m_reactors.items();
    for (CTwUIReactor* pReactor : reactors)
        nPurged += isFromImage(pReactor, pImageBase) && m_reactors.remove(pReactor);
    return nPurged;
}
