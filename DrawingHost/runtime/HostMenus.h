#pragma once

#include "RuntimeExport.h"

#include <QCoreApplication>
#include <QList>
#include <QPoint>

class HostMenu;
class QMainWindow;
class QMenu;
class UIManager;

// The host's menus: File, View and Tools in the menu bar, and the drawing
// view's right-click menu (kind 2). Each is a host menu of the UI manager,
// so modules hear of it being created and populated; its items are macros
// that the UI manager hands on when chosen.
class DH_RUNTIME_EXPORT HostMenus
{
    Q_DECLARE_TR_FUNCTIONS(HostMenus)

public:
    static constexpr const char* kViewMenuName = "ID_MnView";
    static constexpr const char* kDrawingMenuName = "ID_PmDrawing";

    HostMenus(QMainWindow& window, UIManager& ui) : m_window(window), m_ui(ui) {}

    void build();
    // Destroys the host menus with their notifications.
    void tearDown();
    bool isBuilt() const { return !m_menus.isEmpty(); }

    HostMenu* drawingMenu() const { return m_drawingMenu; }
    // Opens the drawing view's right-click menu at globalPos; it is
    // populated as it shows.
    void showDrawingMenu(QPoint globalPos);

private:
    struct ItemSpec
    {
        const char* id;
        QString text;
        const char* macro;
    };
    HostMenu* addMenu(const char* pszName, int iKind, QMenu* pMenu, const QList<ItemSpec>& items);
    // The theme and workspace items show which one is current.
    void markViewMenu();

    QMainWindow& m_window;
    UIManager& m_ui;
    QList<HostMenu*> m_menus;
    HostMenu* m_drawingMenu = nullptr;
    QMenu* m_drawingQMenu = nullptr;
};
