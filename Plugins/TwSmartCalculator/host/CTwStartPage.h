#pragma once

#include "TwHostApi.h"

// Start-page notifications, in the order of the interface.
//   OnWorkspaceCreated     a workspace (a user-interface layout) was set up
//   OnWorkspaceDeleted     a workspace went
//   OnStartPageShown       the start page's tab came back after being closed
//   OnStartPageHidden      the start page's tab was closed
//   OnStartPageCreated     the start page widget was created
//   OnStartPageActivated   the start page became the current tab
//   OnStartPageDeactivated a drawing's tab replaced it as the current tab
class CTwStartPageReactor
{
public:
    virtual ~CTwStartPageReactor() = default;
    virtual void OnWorkspaceCreated() {}
    virtual void OnWorkspaceDeleted() {}
    virtual void OnStartPageShown() {}
    virtual void OnStartPageHidden() {}
    virtual void OnStartPageCreated() {}
    virtual void OnStartPageActivated() {}
    virtual void OnStartPageDeactivated() {}
};

class CTwStartPageManager
{
public:
    virtual ~CTwStartPageManager() = default;
    virtual void AddReactor(CTwStartPageReactor* pReactor) = 0;
    virtual void RemoveReactor(CTwStartPageReactor* pReactor) = 0;
    virtual bool IsStartPageActive() const = 0;
};

// Null while the host has no start page manager.
TW_HOST_API CTwStartPageManager* GetTwStartPageManager();
