#include "DrawingGeometry.h"

#include <cmath>

DrawingGeometry sampleDrawing()
{
    DrawingGeometry drawing;
    drawing.lines = {
        QLineF(0, 0, 10, 0),
        QLineF(0, 0, 5, 5 * std::sqrt(3.0)),
        QLineF(10, 0, 10, 8),
    };
    drawing.polygons = {
        QPolygonF({QPointF(12, 0), QPointF(16, 0), QPointF(16, 3), QPointF(12, 3)})};
    drawing.markers = {QPointF(0, 8)};
    return drawing;
}
