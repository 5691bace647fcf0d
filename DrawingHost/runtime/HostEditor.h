#pragma once

#include "ReactorList.h"
#include "RuntimeExport.h"

#include <CTwEditorReactor.h>
#include <OdEditor.h>

#include <functional>
#include <vector>

// Counted objects the host owns: the count is kept (so tests can see that a
// handle was released) but never deletes.
template <class T> class HostOwnedRxObject : public T
{
public:
    using T::T;
    void addRef() override { ++m_nRefs; }
    void release() override { --m_nRefs; }
    long numRefs() const override { return m_nRefs; }

private:
    std::atomic<long> m_nRefs{1};
};

// The command registry behind odedRegCmds().
class DH_RUNTIME_EXPORT HostCommandStack : public OdEdCommandStack
{
public:
    struct Entry
    {
        OdEdCommandPtr command;
        // Read once when added, so look-up never calls into a module.
        OdString group;
        OdString globalName;
        OdString localName;
    };

    // Refusals (a duplicate name) are reported through warn.
    void setWarningSink(std::function<void(const QString&)> warn) { m_warn = std::move(warn); }

    void addCommand(OdEdCommand* pCmd) override;
    OdEdCommandPtr lookupCmd(const OdString& cmdName, int nLookupFlags = kGlobalNames | kLocalNames,
                             const OdString& groupName = OdString::kEmpty) const override;
    void removeCmd(OdEdCommand* pCmd) override;
    void removeCmd(const OdString& groupName, const OdString& globalName) override;
    void removeGroup(const OdString& groupName) override;
    void addReactor(OdEdCommandStackReactor* pReactor) override;
    void removeReactor(OdEdCommandStackReactor* pReactor) override;

    const std::vector<Entry>& entries() const { return m_entries; }
    const ReactorList<OdEdCommandStackReactor>& reactors() const { return m_reactors; }
    // Drops commands and reactors whose class lives in the image; returns the
    // names of the commands dropped.
    QStringList purgeImage(const void* pImageBase);

private:
    void eraseAt(std::size_t i);

    std::vector<Entry> m_entries;
    ReactorList<OdEdCommandStackReactor> m_reactors;
    std::function<void(const QString&)> m_warn;
};

// The editor behind odedEditor(): its reactors, and the fan-out of every
// editor, command-stack and main-UI notification.
class DH_RUNTIME_EXPORT HostEditor : public OdEditor
{
public:
    explicit HostEditor(HostCommandStack& stack) : m_stack(stack) {}

    void addReactor(OdEditorReactor* pReactor) override;
    void removeReactor(OdEditorReactor* pReactor) override;
    int reactorCount() const { return m_reactors.size(); }

    void fireDatabaseConstructed(OdDbDatabase* pDb);
    void fireDatabaseToBeDestroyed(OdDbDatabase* pDb);
    void fireBeginQuit();
    void fireMainUiCreated();
    void fireMainUiToBeDestroyed();
    void fireAppActivated(bool bActive);

    void fireCommandWillStart(OdEdCommand* pCmd, OdEdCommandContext* pCtx);
    void fireCommandEnded(OdEdCommand* pCmd, OdEdCommandContext* pCtx);
    void fireCommandCancelled(OdEdCommand* pCmd, OdEdCommandContext* pCtx);
    void fireCommandFailed(OdEdCommand* pCmd, OdEdCommandContext* pCtx);
    void fireUnknownCommand(const OdString& name, OdEdCommandContext* pCtx);

    int purgeImage(const void* pImageBase);

private:
    // Command-stack notifications reach CTwEditorReactors added here and the
    // reactors added to the command stack itself.
    template <class F> void fireStack(const char* pszName, F&& fn);

    HostCommandStack& m_stack;
    ReactorList<OdEditorReactor> m_reactors;
    ReactorList<CTwEditorReactor> m_twReactors;
};
