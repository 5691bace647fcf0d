#pragma once

#include <QAbstractNativeEventFilter>
#include <QMetaObject>

class QEvent;
class QWidget;

// Makes a dead circumflex type "^" at once in one widget (the input line),
// without waiting for a second key: a calculator user pressing "^" means the
// power operator, not an accent.
//
// Windows: installed on the application, it eats the WM_CHAR/WM_DEADCHAR
// messages of the circumflex while the widget has the focus and posts a
// "^" key press to it instead.
// X11: the widget's owner routes the widget's events through filterEvent,
// which tells the input method that the widget takes no composition, so the
// dead key reaches it as a key press without text, and re-posts that press
// with its text.
// Either way the widget then sees Qt::Key_Dead_Circumflex with text "^".
class DeadKeyNativeEventFilter : public QAbstractNativeEventFilter
{
public:
    explicit DeadKeyNativeEventFilter(QWidget* pWidget);
    ~DeadKeyNativeEventFilter() override;

    bool nativeEventFilter(const QByteArray& eventType, void* pMessage, qintptr* pResult) override;

    // For the widget's own events; true when the event was handled here.
    bool filterEvent(QEvent* pEvent);

private:
    void postCircumflex();

    QWidget* widget = nullptr;
    QMetaObject::Connection destroyedConnection;
};
