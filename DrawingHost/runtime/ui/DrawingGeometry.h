#pragma once

// Standalone widgets and resources of the drawing host: the drawing view, the
// command line, the start page, the help viewer, the theme and the icons that
// the host hands to modules. The runtime composes them into its main window;
// none of them knows about documents, commands or modules. Data flows in
// through setters and out through signals only.

#include "UiExport.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QPolygonF>

// What a drawing shows: straight lines, closed polygons and single points,
// all in drawing units with the y axis pointing up.
struct DrawingGeometry
{
    QList<QLineF> lines;
    QList<QPolygonF> polygons;
    QList<QPointF> markers;
};

// The drawing a new session opens with, so that the measuring commands have
// something to measure. Its coordinates are fixed and round on purpose:
//   lines[0]    (0,0)-(10,0)        horizontal, length 10
//   lines[1]    (0,0)-(5,5*sqrt(3)) length 10, 60 degrees to lines[0]
//   lines[2]    (10,0)-(10,8)       length 8, perpendicular to lines[0]
//   polygons[0] rectangle (12,0) (16,0) (16,3) (12,3): area 12,
//               perimeter 14, diagonal 5
//   markers[0]  (0,8)               10 from the end (10,8) of lines[2]
DRAWINGHOST_UI_EXPORT DrawingGeometry sampleDrawing();
