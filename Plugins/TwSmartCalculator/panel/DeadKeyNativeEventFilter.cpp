#include "DeadKeyNativeEventFilter.h"

#include "KeyRules.h"

#include <QCoreApplication>
#include <QGuiApplication>
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
    // Composition would hold the dead key back until the next key arrives.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        widget->setAttribute(Qt::WA_InputMethodEnabled, false);
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

bool DeadKeyNativeEventFilter::filterKeyPress(const QKeyEvent& key)
{
#ifdef _WIN32
    // The native messages are handled above; Qt's own press must not post twice.
    Q_UNUSED(key);
    return false;
#else
    if (!widget || key.key() != Qt::Key_Dead_Circumflex || !key.text().isEmpty())
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
