#pragma once

#include "OdRxObject.h"
#include "OdString.h"

class CTwDocument;
class OdEdCommand;
class OdEdCommandStackReactor;

// What a running command gets from the host: the document it runs in. The
// prompting object of the run is GetTwUserIO(context).
class OdEdCommandContext : public OdRxObject
{
public:
    // The document the command runs in; null when none is open.
    virtual CTwDocument* GetDocument() const = 0;
};

class OdEdCommand : public OdRxObject
{
public:
    virtual const OdString groupName() const = 0;
    virtual const OdString globalName() const = 0;
    virtual const OdString localName() const { return globalName(); }
    virtual OdInt32 flags() const { return 0; }
    virtual void execute(OdEdCommandContext* pCmdCtx) = 0;
};
using OdEdCommandPtr = OdSmartPtr<OdEdCommand>;

// The host's command registry. Names compare ignoring case. A command whose
// global name is already registered in its group is refused; commands of
// different groups may share a name, and look-up then finds the one added
// last.
class OdEdCommandStack : public OdRxObject
{
public:
    // Look-up flags: which names to match.
    enum
    {
        kGlobalNames = 1,
        kLocalNames = 2,
    };

    virtual void addCommand(OdEdCommand* pCmd) = 0;
    // An empty group searches every group.
    virtual OdEdCommandPtr lookupCmd(const OdString& cmdName,
                                     int nLookupFlags = kGlobalNames | kLocalNames,
                                     const OdString& groupName = OdString::kEmpty) const = 0;
    virtual void removeCmd(OdEdCommand* pCmd) = 0;
    virtual void removeCmd(const OdString& groupName, const OdString& globalName) = 0;
    virtual void removeGroup(const OdString& groupName) = 0;

    virtual void addReactor(OdEdCommandStackReactor* pReactor) = 0;
    virtual void removeReactor(OdEdCommandStackReactor* pReactor) = 0;
};
using OdEdCommandStackPtr = OdSmartPtr<OdEdCommandStack>;

// Notifications around the command stack. Each running command gets
// commandWillStart and then exactly one of commandEnded, commandCancelled or
// commandFailed.
class OdEdCommandStackReactor : public OdRxObject
{
public:
    virtual void commandAdded(OdEdCommand*) {}
    virtual void commandWillBeRemoved(OdEdCommand*) {}
    virtual void commandWillStart(OdEdCommand*, OdEdCommandContext*) {}
    virtual void commandEnded(OdEdCommand*, OdEdCommandContext*) {}
    virtual void commandCancelled(OdEdCommand*, OdEdCommandContext*) {}
    virtual void commandFailed(OdEdCommand*, OdEdCommandContext*) {}
    virtual void unknownCommand(const OdString&, OdEdCommandContext*) {}
};

// The command stack of the host (counted; release when done).
TW_HOST_API OdEdCommandStackPtr odedRegCmds();
