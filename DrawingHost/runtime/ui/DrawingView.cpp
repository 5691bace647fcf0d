#include "DrawingView.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace
{

// Room between the drawing's extent and the widget's edge, in pixels.
constexpr double kMargin = 28.0;
// Grid lines closer than this many pixels would turn into a grey wash.
constexpr double kMinGridPixels = 24.0;
// What an empty drawing shows, so that the grid and picks still make sense.
const QRectF kEmptyExtent(0, 0, 10, 10);

// The smallest 1, 2 or 5 times a power of ten that is at least minimum.
double niceStep(double minimum)
{
    const double power = std::pow(10.0, std::floor(std::log10(minimum)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
    {
        if (factor * power >= minimum)
            return factor * power;
    }
    return 10.0 * power;
}

void unite(QRectF& box, bool& empty, QPointF point)
{
    if (!std::isfinite(point.x()) || !std::isfinite(point.y()))
        return;
    if (empty)
    {
        box = QRectF(point, point);
        empty = false;
        return;
    }
    box.setLeft(std::min(box.left(), point.x()));
    box.setRight(std::max(box.right(), point.x()));
    box.setTop(std::min(box.top(), point.y()));
    box.setBottom(std::max(box.bottom(), point.y()));
}

template <typename Visit> void forEachVertex(const DrawingGeometry& drawing, Visit visit)
{
    for (const QLineF& line : drawing.lines)
    {
        visit(line.p1());
        visit(line.p2());
    }
    for (const QPolygonF& polygon : drawing.polygons)
    {
        for (const QPointF& point : polygon)
            visit(point);
    }
    for (const QPointF& point : drawing.markers)
        visit(point);
}

} // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("drawingView"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    updateMapping();
}

void DrawingView::setDrawing(const DrawingGeometry& drawing)
{
    m_drawing = drawing;
    updateMapping();
    update();
}

void DrawingView::setPickedPoints(const QList<QPointF>& points)
{
    m_picked = points;
    update();
}

void DrawingView::clearPickedPoints()
{
    m_picked.clear();
    update();
}

void DrawingView::setRubberBandEnabled(bool enabled)
{
    m_rubberBand = enabled;
    update();
}

void DrawingView::setGridVisible(bool visible)
{
    m_grid = visible;
    update();
}

QPointF DrawingView::toDrawing(QPointF viewPos) const
{
    return {(viewPos.x() - m_map.origin.x()) / m_map.scale,
            (m_map.origin.y() - viewPos.y()) / m_map.scale};
}

QPointF DrawingView::toView(QPointF drawingPos) const
{
    return {m_map.origin.x() + drawingPos.x() * m_map.scale,
            m_map.origin.y() - drawingPos.y() * m_map.scale};
}

QPointF DrawingView::snappedPoint(QPointF viewPos) const
{
    QPointF vertex;
    return nearestVertex(viewPos, &vertex) ? vertex : toDrawing(viewPos);
}

bool DrawingView::nearestVertex(QPointF viewPos, QPointF* vertex) const
{
    double best = kSnapRadius * kSnapRadius;
    bool found = false;
    forEachVertex(m_drawing,
                  [&](QPointF point)
                  {
                      const QPointF delta = toView(point) - viewPos;
                      const double distance = QPointF::dotProduct(delta, delta);
                      if (distance <= best)
                      {
                          best = distance;
                          *vertex = point;
                          found = true;
                      }
                  });
    return found;
}

QRectF DrawingView::extent() const
{
    QRectF box;
    bool empty = true;
    forEachVertex(m_drawing, [&](QPointF point) { unite(box, empty, point); });
    if (empty)
        return kEmptyExtent;
    // A drawing that is a single point or an axis-parallel line still needs an
    // area to fit; give it a square around its centre.
    const double side = std::max({box.width(), box.height(), 1.0});
    if (box.width() < side * 1e-3 || box.height() < side * 1e-3)
    {
        const QPointF centre = box.center();
        box = QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side) | box;
    }
    return box;
}

void DrawingView::updateMapping()
{
    const QRectF box = extent();
    const double availableWidth = std::max(1.0, width() - 2 * kMargin);
    const double availableHeight = std::max(1.0, height() - 2 * kMargin);
    m_map.scale = std::min(availableWidth / box.width(), availableHeight / box.height());
    if (!std::isfinite(m_map.scale) || m_map.scale <= 0)
        m_map.scale = 1.0;
    // Centre the extent; drawing y grows upwards, view y downwards.
    const QPointF viewCentre(width() / 2.0, height() / 2.0);
    m_map.origin = QPointF(viewCentre.x() - box.center().x() * m_map.scale,
                           viewCentre.y() + box.center().y() * m_map.scale);
}

QSize DrawingView::sizeHint() const
{
    return {640, 420};
}

QSize DrawingView::minimumSizeHint() const
{
    return {160, 120};
}

void DrawingView::resizeEvent(QResizeEvent* event)
{
    updateMapping();
    QWidget::resizeEvent(event);
}

void DrawingView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_grid)
        paintGrid(painter);
    paintGeometry(painter);
    paintPicks(painter);
}

void DrawingView::paintGrid(QPainter& painter) const
{
    const double step = niceStep(kMinGridPixels / m_map.scale);
    const QPointF topLeft = toDrawing(QPointF(0, 0));
    const QPointF bottomRight = toDrawing(QPointF(width(), height()));
    QColor minor = palette().color(QPalette::Text);
    minor.setAlphaF(0.07F);
    QColor axis = palette().color(QPalette::Text);
    axis.setAlphaF(0.22F);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Count lines by index: far from the origin, adding step to a coordinate
    // can leave it unchanged.
    const auto gridIndices = [step](double from, double to)
    {
        const double first = std::ceil(from / step);
        const double count = std::floor(to / step) - first + 1;
        return std::pair(first, std::clamp(count, 0.0, 1000.0));
    };
    const auto [firstX, countX] = gridIndices(topLeft.x(), bottomRight.x());
    for (int i = 0; i < countX; ++i)
    {
        const double x = (firstX + i) * step;
        painter.setPen(QPen(std::abs(x) < step / 2 ? axis : minor, 0));
        const double vx = toView(QPointF(x, 0)).x();
        painter.drawLine(QPointF(vx, 0), QPointF(vx, height()));
    }
    const auto [firstY, countY] = gridIndices(bottomRight.y(), topLeft.y());
    for (int i = 0; i < countY; ++i)
    {
        const double y = (firstY + i) * step;
        painter.setPen(QPen(std::abs(y) < step / 2 ? axis : minor, 0));
        const double vy = toView(QPointF(0, y)).y();
        painter.drawLine(QPointF(0, vy), QPointF(width(), vy));
    }
    painter.restore();
}

void DrawingView::paintGeometry(QPainter& painter) const
{
    const QColor ink = palette().color(QPalette::Text);
    QColor fill = palette().color(QPalette::Highlight);
    fill.setAlphaF(0.15F);

    painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    for (const QPolygonF& polygon : m_drawing.polygons)
    {
        QPolygonF shown;
        for (const QPointF& point : polygon)
            shown << toView(point);
        painter.drawPolygon(shown);
    }
    for (const QLineF& line : m_drawing.lines)
        painter.drawLine(toView(line.p1()), toView(line.p2()));

    painter.setBrush(Qt::NoBrush);
    for (const QPointF& point : m_drawing.markers)
    {
        const QPointF at = toView(point);
        painter.drawLine(at + QPointF(-5, -5), at + QPointF(5, 5));
        painter.drawLine(at + QPointF(-5, 5), at + QPointF(5, -5));
    }
}

void DrawingView::paintPicks(QPainter& painter) const
{
    const QColor accent = palette().color(QPalette::Highlight);

    if (m_mouseInside)
    {
        QPointF vertex;
        if (nearestVertex(m_mouse, &vertex))
        {
            // Show where a click would land before the user clicks.
            painter.setPen(QPen(accent, 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(toView(vertex) - QPointF(6, 6), QSizeF(12, 12)));
        }
        if (m_rubberBand && !m_picked.isEmpty())
        {
            painter.setPen(QPen(accent, 1.2, Qt::DashLine));
            painter.drawLine(toView(m_picked.last()), toView(snappedPoint(m_mouse)));
        }
    }

    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    painter.setFont(font);
    for (qsizetype i = 0; i < m_picked.size(); ++i)
    {
        const QPointF at = toView(m_picked.at(i));
        painter.setPen(QPen(accent, 2));
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawEllipse(at, 4.5, 4.5);
        painter.setPen(accent);
        painter.drawText(at + QPointF(7, -7), QString::number(i + 1));
    }
}

void DrawingView::mousePressEvent(QMouseEvent* event)
{
    // Receivers run host commands; nothing they throw may reach the event loop.
    try
    {
        if (event->button() == Qt::LeftButton)
        {
            emit pointPicked(snappedPoint(event->position()));
            event->accept();
            return;
        }
        if (event->button() == Qt::RightButton)
        {
            emit contextMenuRequested(event->globalPosition().toPoint());
            event->accept();
            return;
        }
    }
    catch (...)
    {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void DrawingView::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click was already answered on press; this is the menu key.
    if (event->reason() == QContextMenuEvent::Mouse)
    {
        event->accept();
        return;
    }
    try
    {
        emit contextMenuRequested(mapToGlobal(rect().center()));
    }
    catch (...)
    {
    }
    event->accept();
}

void DrawingView::mouseMoveEvent(QMouseEvent* event)
{
    m_mouse = event->position();
    m_mouseInside = true;
    update();
    QWidget::mouseMoveEvent(event);
}

void DrawingView::leaveEvent(QEvent* event)
{
    m_mouseInside = false;
    update();
    QWidget::leaveEvent(event);
}
