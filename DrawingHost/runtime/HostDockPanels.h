#pragma once

#include "RuntimeExport.h"

#include <CTwString.h>

#include <QList>
#include <QPointer>

class QDockWidget;
class QMainWindow;
class QWidget;
class UIManager;

// The dock panels modules add to the main window (CreateDockPanel and
// RemoveDockPanel of the main frame), with the UI notifications for each.
class DH_RUNTIME_EXPORT HostDockPanels
{
public:
    HostDockPanels(QMainWindow& window, UIManager& ui) : m_window(window), m_ui(ui) {}

    QDockWidget* create(QWidget* pWidget, int iArea, int iAllowedAreas, const CTwString& strTitle,
                        const CTwString& strName, int iMinWidth, int iMinHeight, int iX, int iY,
                        int iWidth, int iHeight, bool bFloating, bool bVisible, bool bClosable,
                        const CTwString& strIconPath, const CTwString& strTabifyWith);
    // False for a dock that is not one of these panels (or already removed).
    bool remove(QDockWidget* pDock);
    // The panels still alive, oldest first.
    QList<QDockWidget*> panels() const;

private:
    QMainWindow& m_window;
    UIManager& m_ui;
    QList<QPointer<QDockWidget>> m_docks;
};
