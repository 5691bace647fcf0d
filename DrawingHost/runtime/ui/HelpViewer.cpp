#include "HelpViewer.h"

#include <QWidget>

void HelpViewer::showTopic(QWidget*, int) {}
QString HelpViewer::pageForTopic(int) { return {}; }
QWidget* HelpViewer::window() { return nullptr; }
