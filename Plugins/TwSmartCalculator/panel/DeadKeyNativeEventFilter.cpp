#include "DeadKeyNativeEventFilter.h"

#include "KeyRules.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QWidget>

#ifdef _WIN32
#include <windows.h>
#endif

DeadKeyNativeEventFilter::DeadKeyNativeEventFilter(QWidget* pWidget) : widget(pWidget)
{
    if (!widget)
        return;
    destroyedConnection =
        QObject::connect(widget, &QObject::destroyed, [this] { widget = nullptr; });
}

DeadKeyNativeEventFilter::~DeadKeyNativeEventFilter()
{
    QObject::disconnect(destroyedConnection);
}

bool DeadKeyNativeEventFilter::nativeEventFilter(const QByteArray& eventType, void* pMessage,
                                                 qintptr*)
{
#ifdef _WIN32
    if (eventType != "windows_generic_MSG" || !pMessage)
        return false;
    const MSG* pMsg = static_cast<const MSG*>(pMessage);
    switch (KeyRules::windowsDeadKeyAction(pMsg->message, pMsg->wParam, pMsg->lParam,
                                           widget && widget->hasFocus()))
    {
    case KeyRules::DeadKeyAction::PassOn:
        return false;
    case KeyRules::DeadKeyAction::Swallow:
        return true;
    case KeyRules::DeadKeyAction::PostCircumflex:
        postCircumflex();
        return true;
    }
    return false;
#else
    Q_UNUSED(eventType);
    Q_UNUSED(pMessage);
    return false;
#endif
}

bool DeadKeyNativeEventFilter::filterEvent(QEvent* pEvent)
{
#ifdef _WIN32
    // The native messages are handled above; Qt's own press must not post twice.
    Q_UNUSED(pEvent);
    return false;
#else
    if (!widget)
        return false;
    if (pEvent->type() == QEvent::InputMethodQuery)
    {
        // Composition would hold the dead key back until the next key. Only
        // X11 composes dead keys this way; elsewhere the widget answers.
        static const bool bX11 = QGuiApplication::platformName() == QLatin1String("xcb");
        auto* pQuery = static_cast<QInputMethodQueryEvent*>(pEvent);
        if (!bX11 || !(pQuery->queries() & Qt::ImEnabled))
            return false;
        for (int bit = 0; bit < 32; ++bit)
        {
            const auto query = Qt::InputMethodQuery(pQuery->queries().toInt() & (1u << bit));
            if (query)
                pQuery->setValue(query, widget->inputMethodQuery(query));
        }
        pQuery->setValue(Qt::ImEnabled, false);
        return true;
    }
    if (pEvent->type() != QEvent::KeyPress)
        return false;
    const auto* pKey = static_cast<const QKeyEvent*>(pEvent);
    if (pKey->key() != Qt::Key_Dead_Circumflex || !pKey->text().isEmpty())
        return false;
    postCircumflex();
    return true;
#endif
}

void DeadKeyNativeEventFilter::postCircumflex()
{
    if (!widget)
        return;
    QCoreApplication::postEvent(widget,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Dead_Circumflex,
                                              Qt::NoModifier, QStringLiteral("^"), false, 1));
}
