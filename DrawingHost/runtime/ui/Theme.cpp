#include "Theme.h"

#include <QApplication>

bool isDarkTheme(int colorTheme) { return colorTheme >= 2; }
void applyTheme(QApplication&, int) {}
