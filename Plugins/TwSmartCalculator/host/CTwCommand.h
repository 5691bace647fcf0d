#pragma once

#include "CTwString.h"
#include "OdEdCommand.h"
#include "OdResBuf.h"

// Base of the host framework's commands. A command names itself and does its
// work in RunCommand, which returns a status (kTwNormal, kTwError, kTwCancel or
// the status of a prompt); the host's execute runs it and reads the status to
// tell the reactors whether the command ended, was cancelled or failed.
class CTwCommand : public OdEdCommand
{
public:
    const OdString groupName() const override { return OdString(u"TWCOMMANDS"); }
    // The flag this host gives a meaning to; others are only recorded and
    // reported by flags().
    enum : OdInt32
    {
        // A command that shows or hides a palette: a toolbar button or menu
        // item runs it at once, even while another command waits for input
        // (which goes on waiting), and Enter never repeats it.
        kTwTransparent = 0x00000001,
    };

    OdInt32 flags() const override { return m_nFlags; }

    virtual CTwString helpString() const { return CTwString(); }
    virtual int helpId() const { return 0; }
    virtual CTwString displayName() const { return CTwString(localName()); }

    void execute(OdEdCommandContext* pCmdCtx) override { m_iLastStatus = RunCommand(pCmdCtx); }
    // The status of the run that ended last.
    int lastStatus() const { return m_iLastStatus; }

protected:
    CTwCommand() = default;
    void AddFlags(long nFlags) { m_nFlags |= OdInt32(nFlags); }
    virtual int RunCommand(OdEdCommandContext* pCmdCtx) = 0;

private:
    OdInt32 m_nFlags = 0;
    int m_iLastStatus = kTwNormal;
};
