#pragma once

#include "UiExport.h"

#include <CTwHelp.h>

#include <QLocale>
#include <QString>

class QWidget;

// The host's help: one non-modal window, reused for every request, showing a
// page from the runtime's resources in the user interface language where
// there is one (German), else in English. It opens wholly on the screen of
// the window that asked, over it. Escape and Ctrl+W close it.
class DRAWINGHOST_UI_EXPORT HelpViewer
{
public:
    // The calculator's page.
    static constexpr int kSmartCalculatorTopic = kTwSmartCalculatorTopic;

    // Shows topicId in the help window, creating it on first use as a window
    // of parent's window (or top-level without a parent). A topic without a
    // page shows the index page, which says so.
    static void showTopic(QWidget* parent, int topicId);

    // Resource URL of the page for topicId ("qrc:/help/..."): the page in
    // the first of locale's user interface languages that has one, English
    // before any language listed after it.
    static QString pageForTopic(int topicId, const QLocale& locale = QLocale());

    // The help window if one exists (for the host and for tests).
    static QWidget* window();
};
