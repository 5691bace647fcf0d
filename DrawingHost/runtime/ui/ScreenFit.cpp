#include "ScreenFit.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace
{
// The window manager's frame around a top-level window (left, title, ...).
QMargins frameOf(const QWidget* pWindow)
{
    if (!pWindow || !pWindow->isVisible())
        return QMargins();
    const QRect frame = pWindow->frameGeometry();
    const QRect inner = pWindow->geometry();
    return QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                    frame.right() - inner.right(), frame.bottom() - inner.bottom());
}
} // namespace

void fitOnScreen(QWidget& window, const QWidget* pNear)
{
    const QWidget* pHost = pNear ? pNear->window() : nullptr;
    QScreen* pScreen = pHost ? pHost->screen() : window.screen();
    if (!pScreen)
        pScreen = QGuiApplication::primaryScreen();
    if (!pScreen)
        return;
    const QRect area = pScreen->availableGeometry();
    const QMargins frame = window.isVisible() ? frameOf(&window) : frameOf(pHost);

    const QSize room(area.width() - frame.left() - frame.right(),
                     area.height() - frame.top() - frame.bottom());
    const QSize size = window.size().boundedTo(room).expandedTo(window.minimumSize());

    // Where the frame's top-left corner goes: where the window was placed
    // before, else over the host's middle, then pushed inside the area. The
    // window itself sits inside its frame, which is what setGeometry means
    // for a window.
    const QSize outer = size.grownBy(frame);
    QPoint corner = window.geometry().topLeft() - QPoint(frame.left(), frame.top());
    if (pHost && !window.testAttribute(Qt::WA_Moved))
        corner = pHost->frameGeometry().center() - QPoint(outer.width(), outer.height()) / 2;
    corner.setX(std::max(area.left(), std::min(corner.x(), area.right() + 1 - outer.width())));
    corner.setY(std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - outer.height())));
    window.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size));
}
