#include "HostMenus.h"

#include "UIManager.h"
#include "ui/Theme.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

HostMenu* HostMenus::addMenu(const char* pszName, int iKind, QMenu* pMenu,
                             const QList<ItemSpec>& items)
{
    pMenu->setObjectName(QString::fromLatin1(pszName));
    HostMenu* pHostMenu = m_ui.createMenu(QString::fromLatin1(pszName), iKind, pMenu);
    for (const ItemSpec& item : items)
        m_ui.addItem(pHostMenu, QString::fromLatin1(item.id), item.text,
                     QString::fromLatin1(item.macro));
    m_menus.append(pHostMenu);
    return pHostMenu;
}

void HostMenus::build()
{
    QMenuBar* pBar = m_window.menuBar();
    addMenu("ID_MnFile", UIManager::kMenuBar, pBar->addMenu(tr("&File")),
            {{"ID_New", tr("&New drawing"), "^C^C_NEW"},
             {"ID_Close", tr("&Close drawing"), "^C^C_CLOSE"},
             {"ID_StartPage", tr("&Start page"), "^C^C_STARTPAGE"},
             {"ID_Sep1", QString(), ""},
             {"ID_Quit", tr("E&xit"), "^C^C_QUIT"}});

    // The host's own check marks are refreshed before the reactors see the
    // menu (this connection comes first), so that a reactor has the last word.
    QMenu* pViewMenu = pBar->addMenu(tr("&View"));
    QObject::connect(pViewMenu, &QMenu::aboutToShow, &m_window, [this] { markViewMenu(); });
    addMenu(kViewMenuName, UIManager::kMenuBar, pViewMenu,
            {{"ID_ThemeLight", tr("&Light theme"), "^C^C_THEME;_Light"},
             {"ID_ThemeDark", tr("&Dark theme"), "^C^C_THEME;_Dark"},
             {"ID_Sep2", QString(), ""},
             {"ID_WsClassic", tr("&Classic workspace"), "^C^C_WORKSPACE;_Classic"},
             {"ID_WsDrafting", tr("D&rafting workspace"), "^C^C_WORKSPACE;_Drafting"}});

    addMenu("ID_MnTools", UIManager::kMenuBar, pBar->addMenu(tr("&Tools")),
            {{"ID_GetDistance", tr("Measure &distance"), "^C^C_GETDISTANCE"},
             {"ID_GetArea", tr("Measure &area"), "^C^C_GETAREA"},
             {"ID_GetAngle", tr("Measure an&gle"), "^C^C_GETANGLE"},
             {"ID_Sep3", QString(), ""},
             {"ID_Lunits", tr("Length &units..."), "^C^C_LUNITS"},
             {"ID_Luprec", tr("&Linear precision..."), "^C^C_LUPREC"},
             {"ID_Aunits", tr("A&ngular units..."), "^C^C_AUNITS"}});

    m_drawingQMenu = new QMenu(&m_window);
    m_drawingMenu = addMenu(kDrawingMenuName, UIManager::kContextMenu, m_drawingQMenu,
                            {{"PMI_GETDISTANCE", tr("Measure distance"), "^C^C_GETDISTANCE"},
                             {"PMI_GETAREA", tr("Measure area"), "^C^C_GETAREA"},
                             {"PMI_GETANGLE", tr("Measure angle"), "^C^C_GETANGLE"},
                             {"PMI_SEPARATOR", QString(), ""},
                             {"PMI_SMARTSELECT", tr("Smart select"), ""}});
}

void HostMenus::markViewMenu()
{
    HostMenu* pView = m_ui.findMenu(QString::fromLatin1(kViewMenuName));
    if (!pView)
        return;
    const bool dark = isDarkTheme(m_ui.colorTheme());
    const QString workspace = m_ui.GetCurrentWorkspace()->GetName();
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
}

void HostMenus::tearDown()
{
    for (HostMenu* pMenu : std::as_const(m_menus))
        m_ui.destroyMenu(pMenu);
    m_menus.clear();
    m_drawingMenu = nullptr;
}

void HostMenus::showDrawingMenu(QPoint globalPos)
{
    if (m_drawingQMenu)
        m_drawingQMenu->popup(globalPos);
}
