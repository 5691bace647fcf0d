#pragma once
// Pure rules for the two keys whose meaning the keyboard layout must not
// change: the numeric keypad's decimal key and the dead circumflex.

#include <QtGlobal>

class QKeyEvent;

namespace KeyRules
{

// Windows reports the keypad's decimal key as virtual key 110 (VK_DECIMAL),
// whatever character the layout prints there.
constexpr bool isWindowsKeypadDecimal(quint32 nativeVirtualKey)
{
    return nativeVirtualKey == 110;
}

// X11 reports the key's keysym: KP_Decimal where the layout prints ".",
// KP_Separator where it prints "," (German, for one). With Num Lock off the
// key is KP_Delete and stays a delete key, as on Windows.
constexpr quint32 kKeysymKpDecimal = 0xffae;
constexpr quint32 kKeysymKpSeparator = 0xffac;
constexpr bool isX11KeypadDecimal(quint32 keysym)
{
    return keysym == kKeysymKpDecimal || keysym == kKeysymKpSeparator;
}

// What a native virtual key means depends on the window system: on X11 and
// Wayland it is a keysym (110 is the letter n there), on Windows a virtual
// key code. Elsewhere it means nothing the panel relies on.
enum class WindowSystem
{
    X11,
    Windows,
    Other,
};

// The window system the application runs on, from Qt's platform name.
WindowSystem currentWindowSystem();

// The keypad's decimal key: on every window system Qt marks it with the
// keypad flag and reports "." or ",", whatever the layout prints; the native
// rules above also apply where they belong. A letter never counts, whatever
// native code it carries.
bool isKeypadDecimal(const QKeyEvent& key, WindowSystem windowSystem);
bool isKeypadDecimal(const QKeyEvent& key);

// What the Windows dead-key filter does with one native message.
enum class DeadKeyAction
{
    PassOn,         // not ours: the message goes on
    Swallow,        // a repeated circumflex: eaten, nothing typed
    PostCircumflex, // eaten, and a "^" key press is posted to the line
};

constexpr unsigned kWmChar = 0x0102;
constexpr unsigned kWmDeadChar = 0x0103;
constexpr quint64 kPreviousKeyStateBit = quint64(1) << 25;

constexpr DeadKeyAction windowsDeadKeyAction(unsigned message, quint64 wParam, qint64 lParam,
                                             bool bWidgetFocused)
{
    if ((message != kWmChar && message != kWmDeadChar) || wParam != '^' || !bWidgetFocused)
        return DeadKeyAction::PassOn;
    if (quint64(lParam) & kPreviousKeyStateBit)
        return DeadKeyAction::Swallow;
    return DeadKeyAction::PostCircumflex;
}

} // namespace KeyRules
