// LOCATE: where something named is on the screen, for tools that drive the
// host from outside with real input.

#include "HostCommands.h"
#include "HostUserIO.h"
#include "SystemServices.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace
{
// The screen rectangle of what strName names in the window: a visible widget
// of that name, the menu-bar title of a menu of that name, or the toolbar
// button of an action of that name. Empty when nothing visible is named so.
// A label found is left in pLabel: a driver reads there what no command line
// shows.
QRect locateOnScreen(QMainWindow& window, const QString& strName, const QLabel*& pLabel)
{
    auto global = [](const QWidget* pWidget, const QRect& local)
    { return QRect(pWidget->mapToGlobal(local.topLeft()), local.size()); };
    const QList<QWidget*> widgets = window.findChildren<QWidget*>(strName);
    for (const QWidget* pWidget : widgets)
    {
        if (pWidget->isVisible() && !qobject_cast<const QMenu*>(pWidget))
        {
            pLabel = qobject_cast<const QLabel*>(pWidget);
            return global(pWidget, pWidget->rect());
        }
    }
    QMenuBar* pBar = window.menuBar();
    for (QAction* pAction : pBar->actions())
    {
        if (pAction->menu() && pAction->menu()->objectName() == strName)
            return global(pBar, pBar->actionGeometry(pAction));
    }
    const QList<QToolBar*> toolBars = window.findChildren<QToolBar*>();
    for (const QToolBar* pToolBar : toolBars)
    {
        for (QAction* pAction : pToolBar->actions())
        {
            const QWidget* pButton = pToolBar->widgetForAction(pAction);
            if (pAction->objectName() == strName && pButton && pButton->isVisible())
                return global(pButton, pButton->rect());
        }
    }
    return QRect();
}
} // namespace

int HostLocateCommand::RunCommand(OdEdCommandContext*)
{
    CTwMainFrame* pFrame = m_parts.services.GetMainFrame();
    QMainWindow* pWindow = pFrame ? pFrame->GetMainWindow() : nullptr;
    if (!pWindow)
    {
        m_parts.io.refuse(tr("There is no window to look in."));
        return kTwNormal;
    }
    CTwString answer;
    const int status = m_parts.io.GetString(tr("Object name to locate:"), answer);
    if (status != kTwNormal)
        return status;
    const QString name = QString(answer).trimmed();
    const QLabel* pLabel = nullptr;
    const QRect rect = name.isEmpty() ? QRect() : locateOnScreen(*pWindow, name, pLabel);
    if (rect.isEmpty())
    {
        m_parts.io.refuse(tr("Nothing visible is named \"%1\".").arg(name));
        return kTwNormal;
    }
    QString where = tr("%1: centre %2,%3, rectangle %4,%5 %6x%7")
                        .arg(name)
                        .arg(rect.center().x())
                        .arg(rect.center().y())
                        .arg(rect.x())
                        .arg(rect.y())
                        .arg(rect.width())
                        .arg(rect.height());
    if (pLabel)
        where += tr(", text \"%1\"").arg(pLabel->text());
    m_parts.io.PutMessage(where);
    return kTwNormal;
}
