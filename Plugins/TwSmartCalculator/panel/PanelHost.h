#pragma once
// Everything the panel asks of the CAD host, in one small interface: the
// active drawing's settings and measured values, the command line, running a
// measuring command, the main window, and the host's look (icons, theme,
// collapsible groups, help). The module hands the panel CTwPanelHost, which
// implements it over the host interface; tests hand it a plain fake, so the
// panel runs without any host behind it.

#include <optional>

class QIcon;
class QString;
class QWidget;

class PanelHost
{
public:
    virtual ~PanelHost() = default;

    struct Drawing
    {
        int precision = 4;   // decimals of lengths (LUPREC)
        int angularUnit = 0; // the drawing's angular unit code (AUNITS)
        // What the measuring commands left behind.
        double lastDistance = 0.0;
        double lastArea = 0.0;
        double lastPerimeter = 0.0;
        // The length format (LUNITS): 2 decimal; 3 to 5 are in inches.
        int lengthUnits = 2;
    };
    // The drawing in front; none on the start page or with no drawing open.
    virtual std::optional<Drawing> activeDrawing() const = 0;

    // Cancels whatever the host runs and asks it to start the command (a
    // global name) once the caller has returned to the event loop. False when
    // the host refused the request.
    virtual bool runMeasuringCommand(const QString& strCommand) = 0;
    // Places the text in the command line's input, as if typed.
    virtual void sendToCommandLine(const QString& text) = 0;
    // The host's main window; null while it has none.
    virtual QWidget* mainWindow() const = 0;

    virtual bool isDarkTheme() const = 0;
    // A host icon by number (2 delete, 24 help, 180 clear history).
    virtual QIcon icon(int iIconId) const = 0;
    // A named icon of the current theme, below the host's image folder.
    virtual QIcon namedIcon(const QString& strName, const QString& strSubfolder) const = 0;
    virtual void showHelp() = 0;

    // The host's titled group that folds its content away; it takes pContent
    // over and is found again by object name.
    virtual QWidget* makeGroup(QWidget* pParent, const QString& strTitle, QWidget* pContent) = 0;
    virtual void setGroupCollapsed(QWidget* pGroup, bool bCollapse) = 0;
};
