#pragma once

#include "UiExport.h"

class QWidget;

// Windows the host opens lie wholly on the screen that shows the host, frame
// included: a window about to be shown is made no larger than that screen's
// available area and moved inside it, from where it was placed before or,
// the first time, from the middle of pNear's window. A hidden window's frame
// is taken to be as wide as pNear's window's (the same window manager
// decorates both); without one it is not counted.
DRAWINGHOST_UI_EXPORT void fitOnScreen(QWidget& window, const QWidget* pNear = nullptr);
