#pragma once

#include "UiExport.h"

class QApplication;

// Host colour themes: values below kTwFirstDarkTheme are light, the others
// dark, the same split modules use to choose their icon sets.
DRAWINGHOST_UI_EXPORT bool isDarkTheme(int colorTheme);

// Fusion style with a light or dark palette for colorTheme.
DRAWINGHOST_UI_EXPORT void applyTheme(QApplication& app, int colorTheme);
