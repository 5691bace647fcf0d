#include "CTwFocusEater.h"

#include <QEvent>

bool CTwFocusEater::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::FocusIn)
        m_lastFocused = pWatched;
    return false;
}
