#pragma once

#include <CTwCommand.h>

// SMARTCALCULATOR toggles the calculator's dock, HIDESMARTCALCULATOR hides
// it, UNITCONVERSION shows it with the unit conversion group open.
class SmartCalculator : public CTwCommand
{
public:
    SmartCalculator();
    const OdString globalName() const override;
    const OdString localName() const override;

protected:
    int RunCommand(OdEdCommandContext* pCmdCtx) override;
};

class CloseCommand : public CTwCommand
{
public:
    CloseCommand();
    const OdString globalName() const override;
    const OdString localName() const override;

protected:
    int RunCommand(OdEdCommandContext* pCmdCtx) override;
};

class UnitConversionCommand : public CTwCommand
{
public:
    UnitConversionCommand();
    const OdString globalName() const override;
    const OdString localName() const override;

protected:
    int RunCommand(OdEdCommandContext* pCmdCtx) override;
};
