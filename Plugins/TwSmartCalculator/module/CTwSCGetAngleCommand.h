#pragma once

#include <CTwCommand.h>

// _SCGETANGLE: lets the host's own _GETANGLE measure the angle between two
// picked lines, asks for the acute or the obtuse angle, prints
// "Angle = ..." on the command line and hands the angle, with ten decimals,
// to the panel, which inserts it when the command has ended.
class CTwSCGetAngleCommand : public CTwCommand
{
public:
    const OdString globalName() const override;
    const OdString localName() const override;

protected:
    int RunCommand(OdEdCommandContext* pCmdCtx) override;
};
