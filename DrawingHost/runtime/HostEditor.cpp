#include "HostEditor.h"

#include <QCoreApplication>

namespace
{
// Reads a module-supplied name without letting an exception out.
OdString safeName(const char* pszWhat, const std::function<OdString()>& read)
{
    OdString name;
    callGuarded(QString::fromLatin1(pszWhat), [&] { name = read(); });
    return name;
}
} // namespace

void HostCommandStack::addCommand(OdEdCommand* pCmd)
{
    if (!pCmd)
        return;
    Entry entry;
    entry.group = safeName("groupName", [&] { return pCmd->groupName(); });
    entry.globalName = safeName("globalName", [&] { return pCmd->globalName(); });
    entry.localName = safeName("localName", [&] { return pCmd->localName(); });
    if (entry.globalName.isEmpty())
    {
        if (m_warn)
            m_warn(QCoreApplication::translate("HostCommandStack",
                                               "A command without a name was not added."));
        return;
    }
    for (const Entry& other : m_entries)
    {
        if (other.command.get() == pCmd || (other.group.iCompare(entry.group) == 0 &&
                                            other.globalName.iCompare(entry.globalName) == 0))
        {
            if (m_warn)
                m_warn(QCoreApplication::translate("HostCommandStack",
                                                   "Command %1 is already defined; not added.")
                           .arg(QString::fromStdU16String(entry.globalName.str())));
            return;
        }
    }
    entry.command = OdEdCommandPtr(pCmd);
    m_entries.push_back(std::move(entry));
    m_reactors.notify("commandAdded", [&](OdEdCommandStackReactor* r) { r->commandAdded(pCmd); });
}

OdEdCommandPtr HostCommandStack::lookupCmd(const OdString& cmdName, int nLookupFlags,
                                           const OdString& groupName) const
{
    // The command added last wins, so a module's command shadows a host
    // command of another group with the same name.
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it)
    {
        if (!groupName.isEmpty() && it->group.iCompare(groupName) != 0)
            continue;
        if (((nLookupFlags & kGlobalNames) && it->globalName.iCompare(cmdName) == 0) ||
            ((nLookupFlags & kLocalNames) && it->localName.iCompare(cmdName) == 0))
            return it->command;
    }
    return OdEdCommandPtr();
}

void HostCommandStack::eraseAt(std::size_t i)
{
    OdEdCommand* pCmd = m_entries[i].command.get();
    m_reactors.notify("commandWillBeRemoved",
                      [&](OdEdCommandStackReactor* r) { r->commandWillBeRemoved(pCmd); });
    // The entry may have moved if a reactor changed the stack.
    for (std::size_t j = 0; j < m_entries.size(); ++j)
    {
        if (m_entries[j].command.get() == pCmd)
        {
            m_entries.erase(m_entries.begin() + std::ptrdiff_t(j));
            return;
        }
    }
}

void HostCommandStack::removeCmd(OdEdCommand* pCmd)
{
    for (std::size_t i = 0; i < m_entries.size(); ++i)
    {
        if (m_entries[i].command.get() == pCmd)
            return eraseAt(i);
    }
}

void HostCommandStack::removeCmd(const OdString& groupName, const OdString& globalName)
{
    for (std::size_t i = 0; i < m_entries.size(); ++i)
    {
        if ((groupName.isEmpty() || m_entries[i].group.iCompare(groupName) == 0) &&
            m_entries[i].globalName.iCompare(globalName) == 0)
            return eraseAt(i);
    }
}

void HostCommandStack::removeGroup(const OdString& groupName)
{
    for (std::size_t i = m_entries.size(); i-- > 0;)
    {
        if (i < m_entries.size() && m_entries[i].group.iCompare(groupName) == 0)
            eraseAt(i);
    }
}

void HostCommandStack::addReactor(OdEdCommandStackReactor* pReactor)
{
    m_reactors.add(pReactor);
}

void HostCommandStack::removeReactor(OdEdCommandStackReactor* pReactor)
{
    m_reactors.remove(pReactor);
}

QStringList HostCommandStack::purgeImage(const void* pImageBase)
{
    QStringList names;
    for (std::size_t i = m_entries.size(); i-- > 0;)
    {
        if (isFromImage(m_entries[i].command.get(), pImageBase))
        {
            names.append(QString::fromStdU16String(m_entries[i].globalName.str()));
            // Its reference is not released: the object dies with its module.
            m_entries[i].command.detach();
            m_entries.erase(m_entries.begin() + std::ptrdiff_t(i));
        }
    }
    const QList<OdEdCommandStackReactor*> reactors = m_reactors.items();
    for (OdEdCommandStackReactor* pReactor : reactors)
    {
        if (isFromImage(pReactor, pImageBase))
            m_reactors.remove(pReactor);
    }
    return names;
}

void HostEditor::addReactor(OdEditorReactor* pReactor)
{
    if (!m_reactors.add(pReactor))
        return;
    CTwEditorReactor* pTw = nullptr;
    callGuarded(QStringLiteral("addReactor"),
                [&] { pTw = dynamic_cast<CTwEditorReactor*>(pReactor); });
    if (pTw)
        m_twReactors.add(pTw);
}

void HostEditor::removeReactor(OdEditorReactor* pReactor)
{
    if (!m_reactors.remove(pReactor))
        return;
    CTwEditorReactor* pTw = nullptr;
    callGuarded(QStringLiteral("removeReactor"),
                [&] { pTw = dynamic_cast<CTwEditorReactor*>(pReactor); });
    m_twReactors.remove(pTw);
}

void HostEditor::fireDatabaseConstructed(OdDbDatabase* pDb)
{
    m_reactors.notify("databaseConstructed",
                      [&](OdEditorReactor* r) { r->databaseConstructed(pDb); });
}

void HostEditor::fireDatabaseToBeDestroyed(OdDbDatabase* pDb)
{
    m_reactors.notify("databaseToBeDestroyed",
                      [&](OdEditorReactor* r) { r->databaseToBeDestroyed(pDb); });
}

void HostEditor::fireBeginQuit()
{
    m_reactors.notify("beginQuit", [&](OdEditorReactor* r) { r->beginQuit(); });
    m_reactors.notify("quitWillStart", [&](OdEditorReactor* r) { r->quitWillStart(); });
}

void HostEditor::fireMainUiCreated()
{
    m_twReactors.notify("mainUiCreated", [&](CTwEditorReactor* r) { r->mainUiCreated(); });
}

void HostEditor::fireMainUiToBeDestroyed()
{
    m_twReactors.notify("mainUiToBeDestroyed",
                        [&](CTwEditorReactor* r) { r->mainUiToBeDestroyed(); });
}

void HostEditor::fireAppActivated(bool bActive)
{
    if (bActive)
        m_twReactors.notify("appActivated", [&](CTwEditorReactor* r) { r->appActivated(); });
    else
        m_twReactors.notify("appDeactivated", [&](CTwEditorReactor* r) { r->appDeactivated(); });
}

template <class F> void HostEditor::fireStack(const char* pszName, F&& fn)
{
    m_twReactors.notify(pszName,
                        [&](CTwEditorReactor* r) { fn(static_cast<OdEdCommandStackReactor*>(r)); });
    m_stack.reactors().notify(pszName, fn);
}

void HostEditor::fireCommandWillStart(OdEdCommand* pCmd, OdEdCommandContext* pCtx)
{
    fireStack("commandWillStart",
              [&](OdEdCommandStackReactor* r) { r->commandWillStart(pCmd, pCtx); });
}

void HostEditor::fireCommandEnded(OdEdCommand* pCmd, OdEdCommandContext* pCtx)
{
    fireStack("commandEnded", [&](OdEdCommandStackReactor* r) { r->commandEnded(pCmd, pCtx); });
}

void HostEditor::fireCommandCancelled(OdEdCommand* pCmd, OdEdCommandContext* pCtx)
{
    fireStack("commandCancelled",
              [&](OdEdCommandStackReactor* r) { r->commandCancelled(pCmd, pCtx); });
}

void HostEditor::fireCommandFailed(OdEdCommand* pCmd, OdEdCommandContext* pCtx)
{
    fireStack("commandFailed", [&](OdEdCommandStackReactor* r) { r->commandFailed(pCmd, pCtx); });
}

void HostEditor::fireUnknownCommand(const OdString& name, OdEdCommandContext* pCtx)
{
    fireStack("unknownCommand", [&](OdEdCommandStackReactor* r) { r->unknownCommand(name, pCtx); });
}

int HostEditor::purgeImage(const void* pImageBase)
{
    int nPurged = 0;
    const QList<OdEditorReactor*> reactors = m_reactors.items();
    for (OdEditorReactor* pReactor : reactors)
    {
        if (isFromImage(pReactor, pImageBase))
        {
            removeReactor(pReactor);
            ++nPurged;
        }
    }
    return nPurged;
}
