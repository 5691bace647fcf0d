#pragma once
// The module's single calculator panel and the host dock around it, held
// module-wide. Every operation that touches the panel from outside goes
// through here and does nothing while the dock does not exist (unless said).

#include <CTwUIManager.h>

class CTwString;
class CalculatorUI;
class QDockWidget;
class QString;
class QToolButton;

enum class PanelLayout : int
{
    Calculator = 0,
    UnitConversion = 1,
};

namespace PanelOwner
{

// Makes the panel and its dock on first use, applies the layout's groups and
// returns the dock (null while the host has no main frame).
QDockWidget* ensurePanel(PanelLayout layout);
// Deletes panel and dock once the host lets go of the dock.
void destroyPanel();

CalculatorUI* panel();
QDockWidget* dockPanel();
bool panelVisible();

// The angle command's result text for the panel (dropped without a dock).
void setMeasuredAngleText(const CTwString& text);
// The panel's "Smart Calculator" entry in a host menu: refreshed if there,
// otherwise created at the anchor (or at the end).
void addMenuEntry(CTwMenuItems& items, bool bWithIcons, CTwMenuItem* pAnchor);
void forgetMenu(CTwMenu* pMenu);
void rememberMenu(CTwMenu* pMenu);

// The reactor's glue.
void setHostToolsEnabled(bool bOn);
// Command starts and ends, for the panel's measurement (see MeasurementRun).
void hostCommandWillStart(const QString& strGlobalName);
void hostCommandFinished(const QString& strGlobalName, bool bNormal);
void hostCommandUnknown(const QString& strName);
void buildGroupsAndIcons();
void registerToggleButton(QToolButton* pButton);
// What the host's main-UI notification does: the panel and its dock, the
// Calculator layout, groups and icons.
void mainUiCreated();
// A module loaded once the host is up has missed the main-UI and widget
// notifications: it makes its panel and finds the toggle button itself, so
// that it works as one loaded at start-up.
void joinRunningUi();

// Load and unload: the module-wide state that must not outlive the library.
void start();
void stop();

} // namespace PanelOwner
