#pragma once

#include "UiExport.h"

#include <QWidget>

// The page the host shows while no drawing is open.
class DRAWINGHOST_UI_EXPORT StartPageWidget : public QWidget
{
    Q_OBJECT

public:
    explicit StartPageWidget(QWidget* parent = nullptr);

signals:
    void newDrawingRequested();
    void openSampleRequested();
};
