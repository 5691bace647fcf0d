#include "CommandLineKeyRouter.h"

#include "ui/CommandLineWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDockWidget>
#include <QKeyEvent>
#include <QMenuBar>

CommandLineKeyRouter::CommandLineKeyRouter(QWidget& window, CommandLineWidget& commandLine,
                                           QObject* parent)
    : QObject(parent), m_window(&window), m_commandLine(&commandLine)
{
    if (QCoreApplication* pApp = QCoreApplication::instance())
        pApp->installEventFilter(this);
}

CommandLineKeyRouter::~CommandLineKeyRouter()
{
    if (QCoreApplication* pApp = QCoreApplication::instance())
        pApp->removeEventFilter(this);
}

bool CommandLineKeyRouter::routes(const QWidget* pReceiver, const QKeyEvent& event) const
{
    if (!pReceiver || !m_window || !m_commandLine || pReceiver->window() != m_window)
        return false;
    if (!CommandLineWidget::isCommandLineKey(event))
        return false;
    // Widgets that take text mark themselves for input methods.
    if (pReceiver->testAttribute(Qt::WA_InputMethodEnabled))
        return false;
    if (qobject_cast<const QAbstractButton*>(pReceiver) &&
        (event.key() == Qt::Key_Space || event.key() == Qt::Key_Return ||
         event.key() == Qt::Key_Enter))
        return false;
    for (const QWidget* pWidget = pReceiver; pWidget; pWidget = pWidget->parentWidget())
    {
        if (qobject_cast<const QDockWidget*>(pWidget) || qobject_cast<const QMenuBar*>(pWidget))
            return false;
    }
    return true;
}

bool CommandLineKeyRouter::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::KeyPress || !pWatched->isWidgetType())
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*pEvent);
    // A key its widget ignores travels up to the parents; the widget it was
    // typed in decides, not the window that sees it last.
    const QWidget* pReceiver = static_cast<QWidget*>(pWatched);
    const QWidget* pFocus = QApplication::focusWidget();
    if (pFocus && pReceiver->isAncestorOf(pFocus))
        pReceiver = pFocus;
    if (!routes(pReceiver, key))
        return false;
    // What the command line runs stays behind its own exception edge.
    m_commandLine->typeKey(key);
    return true;
}
