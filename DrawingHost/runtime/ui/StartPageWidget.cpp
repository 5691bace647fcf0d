#include "StartPageWidget.h"

StartPageWidget::StartPageWidget(QWidget* parent) : QWidget(parent) {}
