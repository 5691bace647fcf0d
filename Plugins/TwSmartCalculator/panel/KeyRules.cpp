#include "KeyRules.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace KeyRules
{

WindowSystem currentWindowSystem()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        return WindowSystem::X11;
    if (platform == QLatin1String("windows"))
        return WindowSystem::Windows;
    return WindowSystem::Other;
}

bool isKeypadDecimal(const QKeyEvent& key, WindowSystem windowSystem)
{
    const int code = key.key();
    if (code >= Qt::Key_A && code <= Qt::Key_Z)
        return false;
    if ((key.modifiers() & Qt::KeypadModifier) && (code == Qt::Key_Period || code == Qt::Key_Comma))
        return true;
    switch (windowSystem)
    {
    case WindowSystem::X11:
        return isX11KeypadDecimal(key.nativeVirtualKey());
    case WindowSystem::Windows:
        return isWindowsKeypadDecimal(key.nativeVirtualKey());
    case WindowSystem::Other:
        break;
    }
    return false;
}

bool isKeypadDecimal(const QKeyEvent& key)
{
    static const WindowSystem windowSystem = currentWindowSystem();
    return isKeypadDecimal(key, windowSystem);
}

} // namespace KeyRules
