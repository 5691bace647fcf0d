#pragma once

#include "UiExport.h"

#include <QString>

// Resource paths of the icons the host supplies to modules. An unknown id or
// name gives an empty string, which the caller turns into a null QIcon.
//
// Named icons live at ":/images/<light|dark>/<subfolder><name>.svg", so a
// loader given (name, subfolder, root ":/images") finds the same files.

// Host icon numbers: 2 delete a row, 24 help, 180 clear the history.
DRAWINGHOST_UI_EXPORT QString iconPathForId(int id, bool dark = false);

// Named icons: "Angle_Icon", "Area_Icon", "Circumference_Icon",
// "Distance_Icon", "copy", "convert-block", "Convert_Icon", "smart_calc"
// (the dock and menu icon) and "quick_calc" (the toolbar toggle button).
DRAWINGHOST_UI_EXPORT QString iconPathForName(const QString& name, bool dark);
