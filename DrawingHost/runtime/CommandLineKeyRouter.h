#pragma once

#include "RuntimeExport.h"

#include <QObject>
#include <QPointer>

class CommandLineWidget;
class QWidget;

// Sends keys typed in the host's window to its command line, as CAD users
// expect: they type commands and coordinates while the pointer (and the
// focus) is in the drawing. Keys stay where they are typed when that widget
// takes text itself (a line edit, a spin box, an editable text), when it sits
// in a dock panel (a module's panel handles its own keys), in the menu bar,
// and for Space and Enter on a focused button (they press it). Installed on
// the application, since key events go to whichever widget has the focus.
class DH_RUNTIME_EXPORT CommandLineKeyRouter : public QObject
{
    Q_OBJECT

public:
    CommandLineKeyRouter(QWidget& window, CommandLineWidget& commandLine,
                         QObject* parent = nullptr);
    ~CommandLineKeyRouter() override;

    // Whether a key typed in pReceiver goes to the command line instead.
    bool routes(const QWidget* pReceiver, const class QKeyEvent& event) const;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QPointer<QWidget> m_window;
    QPointer<CommandLineWidget> m_commandLine;
};
