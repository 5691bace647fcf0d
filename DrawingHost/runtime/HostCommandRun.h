#pragma once

// What the host's commands that work on the active drawing share: the
// prompting object and the drawing of one run. Private to the runtime.

#include <CTwDocument.h>

#include <QString>

class HostUserIO;
class OdEdCommandContext;

struct HostCommandRun
{
    HostUserIO* io = nullptr;
    OdDbDatabasePtr db;
    // Asked for by another command, which reports the value itself: a second
    // "Angle = ..." line for one measurement would only confuse.
    bool requested = false;

    // False (and a message) when there is no drawing to work on.
    bool prepare(HostUserIO& hostIO, OdEdCommandContext* pCmdCtx);
    // A result line, unless another command asked for the run.
    void report(const QString& strResult) const;
};
