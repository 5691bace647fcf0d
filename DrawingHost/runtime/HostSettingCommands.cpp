// The drawing's settings: length format, linear precision and angular units.

#include "Documents.h"
#include "HostCommandRun.h"
#include "HostCommands.h"
#include "HostUserIO.h"

#include <CTwUserIO.h>

#include <QCoreApplication>

namespace
{
// An integer setting in [iMin, iMax]; Enter keeps the current value.
int askSetting(HostUserIO* io, const QString& strPrompt, int iCurrent, int iMin, int iMax,
               int& iValue)
{
    for (;;)
    {
        int value = iCurrent;
        const int status = io->GetInteger(QStringLiteral("%1 <%2>:").arg(strPrompt).arg(iCurrent),
                                          value, CTwUserIO::kTwAllowEmpty);
        if (status == kTwNone)
        {
            iValue = iCurrent;
            return kTwNormal;
        }
        if (status != kTwNormal)
            return status;
        if (value >= iMin && value <= iMax)
        {
            iValue = value;
            return kTwNormal;
        }
        io->refuse(
            QCoreApplication::translate("HostCommand", "Requires an integer between %1 and %2.")
                .arg(iMin)
                .arg(iMax));
    }
}
} // namespace

int HostLuprecCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    HostCommandRun env;
    if (!env.prepare(m_parts.io, pCmdCtx))
        return kTwError;
    int value = 0;
    const int status =
        askSetting(env.io, tr("Enter new value for LUPREC (decimals of lengths, 0 to 8)"),
                   env.db->getLUPREC(), 0, HostDatabase::kMaxLUPREC, value);
    if (status == kTwNormal)
        env.db->setLUPREC(OdInt16(value));
    return status;
}

int HostAunitsCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    HostCommandRun env;
    if (!env.prepare(m_parts.io, pCmdCtx))
        return kTwError;
    env.io->PutMessage(
        tr("Angular units: 0 decimal degrees, 1 degrees/minutes/seconds, 2 grads, 3 radians, "
           "4 surveyor's units."));
    int value = 0;
    const int status =
        askSetting(env.io, tr("Enter new value for AUNITS"), env.db->getAUNITS(), 0,
                   HostDatabase::kMaxAUNITS, value);
    if (status == kTwNormal)
        env.db->setAUNITS(OdInt16(value));
    return status;
}

int HostLunitsCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    HostCommandRun env;
    if (!env.prepare(m_parts.io, pCmdCtx))
        return kTwError;
    env.io->PutMessage(tr("Length units: 1 scientific, 2 decimal, 3 engineering, 4 architectural, "
                          "5 fractional. 3 to 5 are in inches; in 4 and 5 LUPREC sets the "
                          "fraction (4: sixteenths)."));
    int value = 0;
    const int status = askSetting(env.io, tr("Enter new value for LUNITS"), env.db->getLUNITS(),
                                  HostDatabase::kMinLUNITS, HostDatabase::kMaxLUNITS, value);
    if (status == kTwNormal)
        env.db->setLUNITS(OdInt16(value));
    return status;
}
