#pragma once

#include <QObject>
#include <QPointer>

// Remembers which of the widgets it watches got the keyboard focus last, so
// that the copy buttons (which take the focus when clicked) know what to copy
// and where to give the focus back. It never consumes an event.
class CTwFocusEater : public QObject
{
    Q_OBJECT

public:
    explicit CTwFocusEater(QObject* parent = nullptr) : QObject(parent) {}

    QObject* lastFocused() const { return m_lastFocused; }

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    // Guarded: a watched widget may go before the tracker.
    QPointer<QObject> m_lastFocused;
};
