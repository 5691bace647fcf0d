#pragma once

#include <CTwCommand.h>

// What the three panel commands share: the host flags they carry.
class PanelCommand : public CTwCommand
{
protected:
    PanelCommand();
};

// SMARTCALCULATOR toggles the calculator's dock, HIDESMARTCALCULATOR hides
// it, UNITCONVERSION shows it with the unit conversion group open.
class SmartCalculator : public PanelCommand
{
public:
    const OdString globalName() const override;
    const OdString localName() const override;

protected:
    int RunCommand(OdEdCommandContext* pCmdCtx) override;
};

class CloseCommand : public PanelCommand
{
public:
    const OdString globalName() const override;
    const OdString localName() const override;

protected:
    int RunCommand(OdEdCommandContext* pCmdCtx) override;
};

class UnitConversionCommand : public PanelCommand
{
public:
    const OdString globalName() const override;
    const OdString localName() const override;

protected:
    int RunCommand(OdEdCommandContext* pCmdCtx) override;
};
