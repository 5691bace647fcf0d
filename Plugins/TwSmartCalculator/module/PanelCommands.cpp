#include "PanelCommands.h"

#include "ModuleGuard.h"
#include "PanelOwner.h"

#include <QCoreApplication>
#include <QDockWidget>

PanelCommand::PanelCommand()
{
    // The host's command flags, in this order.
    AddFlags(0x01000000);
    AddFlags(0x40000000);
    AddFlags(0x00000001);
}

const OdString SmartCalculator::globalName() const
{
    return OdString(u"_SMARTCALCULATOR");
}

const OdString SmartCalculator::localName() const
{
    return CTwString(
        QCoreApplication::translate("SmartCalculator", "SMARTCALCULATOR",
                                    "Command Name : Needs to be unique and all uppercase."));
}

int SmartCalculator::RunCommand(OdEdCommandContext* pCmdCtx)
{
    return ModuleGuard::command(pCmdCtx,
                                []
                                {
                                    if (QDockWidget* pDock =
                                            PanelOwner::ensurePanel(PanelLayout::Calculator))
                                    {
                                        if (PanelOwner::panelVisible())
                                            pDock->hide();
                                        else
                                        {
                                            pDock->show();
                                            pDock->raise();
                                        }
                                    }
                                    return int(kTwNormal);
                                });
}

const OdString CloseCommand::globalName() const
{
    return OdString(u"_HIDESMARTCALCULATOR");
}

const OdString CloseCommand::localName() const
{
    return CTwString(
        QCoreApplication::translate("CloseCommand", "HIDESMARTCALCULATOR",
                                    "Command Name : Needs to be unique and all uppercase."));
}

int CloseCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    return ModuleGuard::command(pCmdCtx,
                                []
                                {
                                    if (QDockWidget* pDock =
                                            PanelOwner::ensurePanel(PanelLayout::Calculator))
                                        pDock->hide();
                                    return int(kTwNormal);
                                });
}

const OdString UnitConversionCommand::globalName() const
{
    return OdString(u"_UNITCONVERSION");
}

const OdString UnitConversionCommand::localName() const
{
    return CTwString(
        QCoreApplication::translate("UnitConversionCommand", "UNITCONVERSION",
                                    "Command Name : Needs to be unique and all uppercase."));
}

int UnitConversionCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    return ModuleGuard::command(pCmdCtx,
                                []
                                {
                                    if (QDockWidget* pDock =
                                            PanelOwner::ensurePanel(PanelLayout::UnitConversion))
                                        pDock->show();
                                    return int(kTwNormal);
                                });
}
