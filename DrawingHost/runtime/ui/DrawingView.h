#pragma once

#include "DrawingGeometry.h"
#include "UiExport.h"

#include <QRectF>
#include <QWidget>

// Shows a DrawingGeometry fitted into the widget and lets the user pick
// points in it. A left click emits the picked point in drawing coordinates,
// snapped to a geometry vertex within a few pixels so that measurements hit
// exact values; a right click asks for the context menu. The view only
// displays picked points: whoever consumes pointPicked decides which to show.
class DRAWINGHOST_UI_EXPORT DrawingView : public QWidget
{
    Q_OBJECT

public:
    // Distance in pixels within which a click snaps to a vertex.
    static constexpr double kSnapRadius = 8.0;

    explicit DrawingView(QWidget* parent = nullptr);

    void setDrawing(const DrawingGeometry& drawing);
    const DrawingGeometry& drawing() const { return m_drawing; }

    void setPickedPoints(const QList<QPointF>& points);
    QList<QPointF> pickedPoints() const { return m_picked; }
    void clearPickedPoints();

    // Rubber band from the last picked point to the mouse (default on).
    void setRubberBandEnabled(bool enabled);
    bool isRubberBandEnabled() const { return m_rubberBand; }

    void setGridVisible(bool visible);
    bool isGridVisible() const { return m_grid; }

    QPointF toDrawing(QPointF viewPos) const;
    QPointF toView(QPointF drawingPos) const;

    // The drawing point a click at viewPos picks: the nearest vertex within
    // kSnapRadius pixels, else the unsnapped drawing position.
    QPointF snappedPoint(QPointF viewPos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void pointPicked(QPointF drawingPoint);
    void contextMenuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Mapping
    {
        double scale = 1.0;
        QPointF origin; // view position of the drawing point (0,0)
    };

    void updateMapping();
    QRectF extent() const;
    bool nearestVertex(QPointF viewPos, QPointF* vertex) const;
    void paintGrid(class QPainter& painter) const;
    void paintGeometry(class QPainter& painter) const;
    void paintPicks(class QPainter& painter) const;

    DrawingGeometry m_drawing;
    QList<QPointF> m_picked;
    Mapping m_map;
    QPointF m_mouse;
    bool m_mouseInside = false;
    bool m_rubberBand = true;
    bool m_grid = true;
};
