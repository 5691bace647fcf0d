#pragma once

// Driving the drawing host's runtime as a person or a script does, for the
// tests that run it (the host's and the module's): lines run to the end, an
// action from inside a waiting prompt, a menu item chosen.

#include <CommandProcessor.h>
#include <HostRuntime.h>
#include <UIManager.h>
#include <UserInput.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>

// Command-line input, one line each, run until nothing runs or waits.
inline void runLines(HostRuntime& runtime, const QStringList& lines)
{
    runtime.input().enqueue(lines);
    QTRY_VERIFY(runtime.processor().isQuiet());
}

// Runs action once a prompt waits with nothing left to answer it, from the
// prompt's nested event loop, as a person's click arrives there.
inline void whenPromptWaits(HostRuntime& runtime, std::function<void()> action)
{
    auto* pPoll = new QTimer(&runtime);
    QObject::connect(pPoll, &QTimer::timeout, pPoll,
                     [&runtime, pPoll, action]
                     {
                         if (!runtime.input().isWaiting() || runtime.input().hasPending())
                             return;
                         pPoll->stop();
                         pPoll->deleteLater();
                         action();
                     });
    pPoll->start(5);
}

// Opens a host menu (its populate notification runs) and chooses the item
// of that id; false when the menu shows none.
inline bool chooseMenuItem(HostMenu* pMenu, const char* pszId)
{
    emit pMenu->qmenu()->aboutToShow();
    QAction* pAction = pMenu->qmenu()->findChild<QAction*>(QLatin1String(pszId));
    if (pAction)
        pAction->trigger();
    return pAction;
}
