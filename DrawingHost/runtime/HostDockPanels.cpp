#include "HostDockPanels.h"

#include "UIManager.h"
#include "ui/ScreenFit.h"

#include <QDockWidget>
#include <QIcon>
#include <QMainWindow>

#include <algorithm>

namespace
{
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

QDockWidget* HostDockPanels::create(QWidget* pWidget, int iArea, int iAllowedAreas,
                                    const CTwString& strTitle, const CTwString& strName,
                                    int iMinWidth, int iMinHeight, int iX, int iY, int iWidth,
                                    int iHeight, bool bFloating, bool bVisible, bool bClosable,
                                    const CTwString& strIconPath, const CTwString& strTabifyWith)
{
    auto* pDock = new QDockWidget(strTitle, &m_window);
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
    m_window.addDockWidget(dockArea(iArea), pDock);

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
        m_window.tabifyDockWidget(pTabifyWith, pDock);
    if (bFloating)
    {
        pDock->setFloating(true);
        if (iX >= 0 && iY >= 0)
            pDock->move(iX, iY);
        if (iWidth > 0 && iHeight > 0)
            pDock->resize(iWidth, iHeight);
        fitOnScreen(*pDock, &m_window);
    }
    if (!bVisible)
        pDock->hide();
    m_docks.append(pDock);
    m_ui.fireDockPanelCreated(pDock);
    return pDock;
}

bool HostDockPanels::remove(QDockWidget* pDock)
{
    if (!pDock || !m_docks.contains(pDock))
        return false;
    m_window.removeDockWidget(pDock);
    m_docks.removeAll(pDock);
    m_ui.fireDockPanelRemoved(pDock);
    return true;
}

QList<QDockWidget*> HostDockPanels::panels() const
{
    QList<QDockWidget*> docks;
    for (const QPointer<QDockWidget>& dock : m_docks)
    {
        if (dock)
            docks.append(dock);
    }
    return docks;
}
