#pragma once

#include "OdEdCommand.h"

class OdDbDatabase;

// Editor notifications of the drawing SDK.
class OdRxEventReactor : public OdRxObject
{
public:
    virtual void databaseConstructed(OdDbDatabase*) {}
    virtual void databaseToBeDestroyed(OdDbDatabase*) {}
};

class OdEditorReactor : public OdRxEventReactor
{
public:
    virtual void beginQuit() {}
    virtual void quitAborted() {}
    virtual void quitWillStart() {}
};

// Script engine notifications; this host has no script engine and never
// raises them.
class OdEdLispEngineReactor : public OdRxObject
{
public:
    virtual void lispWillStart(const OdString&) {}
    virtual void lispEnded() {}
    virtual void lispCancelled() {}
};

// The editor: where editor reactors register. A reactor that is a
// CTwEditorReactor also gets the command-stack notifications and the host's
// user-interface notifications.
class OdEditor : public OdRxObject
{
public:
    virtual void addReactor(OdEditorReactor* pReactor) = 0;
    virtual void removeReactor(OdEditorReactor* pReactor) = 0;
};
using OdEditorPtr = OdSmartPtr<OdEditor>;

TW_HOST_API OdEditorPtr odedEditor();
