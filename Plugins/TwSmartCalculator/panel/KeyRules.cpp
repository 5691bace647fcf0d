#include "KeyRules.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace KeyRules
{

bool isKeypadDecimal(const QKeyEvent& key)
{
    static const bool bX11 = QGuiApplication::platformName() == QLatin1String("xcb");
    return bX11 ? isX11KeypadDecimal(key.nativeVirtualKey())
                : isWindowsKeypadDecimal(key.nativeVirtualKey());
}

} // namespace KeyRules
