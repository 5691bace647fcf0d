#include "PanelOwner.h"

#include <CTwDocument.h>
#include <CTwPanelHost.h>
#include <CTwStartPage.h>
#include <CTwSystemServices.h>
#include <CalculatorUI.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDockWidget>
#include <QLocale>
#include <QMainWindow>
#include <QToolButton>
#include <QTranslator>

#include <memory>
#include <set>

namespace
{

const char* const kDarkIcon = ":/images/svg_icons/dark/smart_calc/smart_calc_32.svg";
const char* const kLightIcon = ":/images/svg_icons/light/smart_calc/smart_calc_32.svg";
const char* const kMenuItemId = "Id_SmartCalculator";
const char* const kIconId = "ID_SMARTCALC";
const char* const kToggleCommand = "_SMARTCALCULATOR";
constexpr int kDockArea = 2;         // right
constexpr int kDockAllowedAreas = 3; // left and right

CalculatorUI* g_panel = nullptr;
QDockWidget* g_dock = nullptr;
bool g_panelVisible = false;
std::set<QToolButton*> g_toggleButtons;
// Menus that carry the panel's entry; it leaves them when the module goes.
std::set<CTwMenu*> g_menus;
// Context of every connection the module makes to host objects: deleting it
// at unload cuts them all, so no host signal reaches the unloaded library.
QObject* g_anchor = nullptr;
QTranslator* g_translator = nullptr;

bool hasActiveDocument()
{
    CTwSystemServices* pServices = GetTwSystemServices();
    CTwDocumentManager* pDocs = pServices ? pServices->GetDocumentManager() : nullptr;
    return pDocs && pDocs->HasActiveDocument();
}

void onVisibilityChanged(bool bVisible)
{
    const bool bShown = g_dock && g_dock->isVisible();
    for (QToolButton* pButton : g_toggleButtons)
        pButton->setChecked(bShown);
    g_panelVisible = bVisible;
}

void applyLayout(PanelLayout layout)
{
    const bool bUnits = layout == PanelLayout::UnitConversion;
    g_panel->collapseFunctions(false);
    g_panel->collapseScientific(bUnits);
    g_panel->collapseMeasurementTools(bUnits);
    g_panel->collapseUnitConversion(!bUnits);
}

void installTranslator()
{
    auto* pTranslator = new QTranslator;
    if (pTranslator->load(QLocale(), QStringLiteral("TwSmartCalculator"), QStringLiteral("_"),
                          QStringLiteral(":/i18n")))
    {
        QCoreApplication::installTranslator(pTranslator);
        g_translator = pTranslator;
    }
    else
        delete pTranslator;
}

} // namespace

namespace PanelOwner
{

CalculatorUI* panel()
{
    return g_panel;
}

QDockWidget* dockPanel()
{
    return g_dock;
}

bool panelVisible()
{
    return g_panelVisible;
}

QDockWidget* ensurePanel(PanelLayout layout)
{
    if (!g_dock)
    {
        if (!g_panel)
        {
            g_panel = new CalculatorUI(std::make_unique<CTwPanelHost>(), nullptr);
            QObject::connect(g_panel, &QObject::destroyed, g_anchor, [] { g_panel = nullptr; });
        }
        CTwSystemServices* pServices = GetTwSystemServices();
        CTwMainFrame* pFrame = pServices ? pServices->GetMainFrame() : nullptr;
        if (pFrame)
        {
            const char* pszIcon =
                pServices->GetColorTheme() >= kTwFirstDarkTheme ? kDarkIcon : kLightIcon;
            g_dock = pFrame->CreateDockPanel(
                g_panel, kDockArea, kDockAllowedAreas, g_panel->windowTitle(),
                CTwString("Smart Calculator"), g_panel->minimumWidth(), g_panel->minimumHeight(),
                -1, -1, -1, -1, false, false, true, CTwString(pszIcon), CTwString());
        }
        if (g_dock)
        {
            QObject::connect(g_dock, &QObject::destroyed, g_anchor, [] { g_dock = nullptr; });
            QObject::connect(g_dock, &QDockWidget::visibilityChanged, g_anchor,
                             &onVisibilityChanged);
            // A panel made while no drawing is open must not offer to measure.
            setHostToolsEnabled(hasActiveDocument());
        }
    }
    if (g_panel)
        applyLayout(layout);
    return g_dock;
}

void destroyPanel()
{
    CTwSystemServices* pServices = GetTwSystemServices();
    CTwMainFrame* pFrame = pServices ? pServices->GetMainFrame() : nullptr;
    if (!g_dock || !pFrame || !pFrame->RemoveDockPanel(g_dock))
        return;
    delete g_panel;
    delete g_dock;
}

void setMeasuredAngleText(const CTwString& text)
{
    if (g_dock && g_panel)
        g_panel->setMeasurementText(text);
}

void addMenuEntry(CTwMenuItems& items, bool bWithIcons, CTwMenuItem* pAnchor)
{
    const QString label =
        (g_panelVisible ? QStringLiteral("!.") : QString()) + QApplication::tr("Smart Calculator");
    for (CTwMenuItem* pItem : items)
    {
        if (pItem && pItem->GetId().equalNoCase(CTwString(kMenuItemId)))
        {
            pItem->SetText(label);
            return;
        }
    }
    CTwSystemServices* pServices = GetTwSystemServices();
    CTwUIManager* pUi = pServices ? pServices->GetUIManager() : nullptr;
    if (!pUi)
        return;
    CTwMenuItem* pItem = pUi->CreateMenuItem(0, CTwString(), CTwString(), CTwString());
    if (!pItem)
        return;
    pItem->SetText(label);
    pItem->SetId(CTwString(kMenuItemId));
    if (CTwAction* pAction = pUi->CreateAction(pUi->NewActionId(), 0))
    {
        pAction->SetCommand(CTwString(kToggleCommand));
        pItem->SetAction(pAction);
    }
    if (bWithIcons)
    {
        pItem->SetDarkIcon(CTwString(kDarkIcon), CTwString(kIconId));
        pItem->SetLightIcon(CTwString(kLightIcon), CTwString(kIconId));
    }
    const qsizetype anchorAt = pAnchor ? items.indexOf(pAnchor) : -1;
    if (anchorAt >= 0)
        items.insert(anchorAt, pItem);
    else
        items.append(pItem);
}

void rememberMenu(CTwMenu* pMenu)
{
    g_menus.insert(pMenu);
}

void forgetMenu(CTwMenu* pMenu)
{
    g_menus.erase(pMenu);
}

void setHostToolsEnabled(bool bOn)
{
    if (!g_dock || !g_panel)
        return;
    if (auto* pTools = g_panel->findChild<QWidget*>(QStringLiteral("w_MeasurementTools")))
        pTools->setEnabled(bOn);
    if (auto* pButton = g_panel->findChild<QWidget*>(QStringLiteral("button_copyCommand")))
        pButton->setEnabled(bOn);
    // Another drawing, or none: other settings for the preview.
    g_panel->refreshPreview();
}

void hostCommandWillStart(const QString& strGlobalName)
{
    if (g_dock && g_panel)
        g_panel->hostCommandWillStart(strGlobalName);
}

void hostCommandFinished(const QString& strGlobalName, bool bNormal)
{
    if (g_dock && g_panel)
        g_panel->hostCommandFinished(strGlobalName, bNormal);
}

void hostCommandUnknown(const QString& strName)
{
    if (g_dock && g_panel)
        g_panel->hostCommandUnknown(strName);
}

void buildGroupsAndIcons()
{
    if (g_panel)
        g_panel->buildGroupsAndIcons();
}

void mainUiCreated()
{
    ensurePanel(PanelLayout::Calculator);
    buildGroupsAndIcons();
}

void joinRunningUi()
{
    CTwSystemServices* pServices = GetTwSystemServices();
    CTwMainFrame* pFrame = pServices ? pServices->GetMainFrame() : nullptr;
    QMainWindow* pWindow = pFrame ? pFrame->GetMainWindow() : nullptr;
    if (!pWindow)
        return; // not up yet: the main-UI notification will come
    mainUiCreated();
    registerToggleButton(pWindow->findChild<QToolButton*>(QLatin1String(kTwToggleButtonName)));
}

void registerToggleButton(QToolButton* pButton)
{
    if (!pButton)
        return;
    if (g_toggleButtons.insert(pButton).second)
    {
        QObject::connect(pButton, &QObject::destroyed, g_anchor,
                         [pButton] { g_toggleButtons.erase(pButton); });
    }
    if (g_dock)
        pButton->setChecked(g_dock->isVisible());
}

void start()
{
    g_anchor = new QObject;
    installTranslator();
}

void stop()
{
    for (CTwMenu* pMenu : g_menus)
    {
        pMenu->GetItems().removeIf(
            [](CTwMenuItem* pItem)
            { return pItem && pItem->GetId().equalNoCase(CTwString(kMenuItemId)); });
    }
    g_menus.clear();
    // A panel the host did not let go of (no main frame, or a dock it refused
    // to remove) must not outlive the code behind it.
    delete g_panel;
    delete g_anchor;
    g_anchor = nullptr;
    g_toggleButtons.clear();
    g_dock = nullptr;
    g_panelVisible = false;
    if (g_translator)
    {
        QCoreApplication::removeTranslator(g_translator);
        delete g_translator;
        g_translator = nullptr;
    }
}

} // namespace PanelOwner
