#include "DrawingView.h"

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {}
void DrawingView::setDrawing(const DrawingGeometry& drawing) { m_drawing = drawing; update(); }
void DrawingView::setPickedPoints(const QList<QPointF>& points) { m_picked = points; update(); }
void DrawingView::clearPickedPoints() { m_picked.clear(); update(); }
void DrawingView::setRubberBandEnabled(bool enabled) { m_rubberBand = enabled; }
void DrawingView::setGridVisible(bool visible) { m_grid = visible; }
QPointF DrawingView::toDrawing(QPointF viewPos) const { return viewPos; }
QPointF DrawingView::toView(QPointF drawingPos) const { return drawingPos; }
QPointF DrawingView::snappedPoint(QPointF viewPos) const { return viewPos; }
QSize DrawingView::sizeHint() const { return {640, 480}; }
QSize DrawingView::minimumSizeHint() const { return {160, 120}; }
void DrawingView::paintEvent(QPaintEvent*) {}
void DrawingView::mousePressEvent(QMouseEvent*) {}
void DrawingView::mouseMoveEvent(QMouseEvent*) {}
void DrawingView::leaveEvent(QEvent*) {}
void DrawingView::contextMenuEvent(QContextMenuEvent*) {}
void DrawingView::resizeEvent(QResizeEvent*) {}
void DrawingView::updateMapping() {}
QRectF DrawingView::extent() const { return {}; }
bool DrawingView::nearestVertex(QPointF, QPointF*) const { return false; }
void DrawingView::paintGrid(QPainter&) const {}
void DrawingView::paintGeometry(QPainter&) const {}
void DrawingView::paintPicks(QPainter&) const {}
