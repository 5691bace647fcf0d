#pragma once

// Helpers shared by the host tests: a command whose body the test supplies,
// and a reactor that writes the command, dock and theme notifications it
// hears into a list.

#include "../support/HostDriving.h"

#include <CommandLine.h>
#include <TwHost.h>

class TestCommand : public CTwCommand
{
public:
    TestCommand(const char16_t* pszGlobal, const char16_t* pszLocal,
                std::function<int(OdEdCommandContext*)> body)
        : m_global(pszGlobal), m_local(pszLocal), m_body(std::move(body))
    {
    }
    // A palette toggle's command (see CTwCommand::kTwTransparent).
    void makeTransparent() { AddFlags(kTwTransparent); }
    const OdString groupName() const override { return OdString(u"TEST"); }
    const OdString globalName() const override { return m_global; }
    const OdString localName() const override { return m_local; }

protected:
    int RunCommand(OdEdCommandContext* pCtx) override { return m_body ? m_body(pCtx) : kTwNormal; }

private:
    OdString m_global, m_local;
    std::function<int(OdEdCommandContext*)> m_body;
};

inline QString qstr(const OdString& str)
{
    return QString::fromStdU16String(str.str());
}

// Each notification is written as "what" or "what:whom".
class RecordingReactor : public CTwEditorReactor, public CTwUIReactor
{
public:
    QStringList events;
    std::function<void(CTwMenu*)> onPopulate = [](CTwMenu*) {};

    void commandWillStart(OdEdCommand* c, OdEdCommandContext*) override { add("willStart", c); }
    void commandEnded(OdEdCommand* c, OdEdCommandContext*) override { add("ended", c); }
    void commandCancelled(OdEdCommand* c, OdEdCommandContext*) override { add("cancelled", c); }
    void commandFailed(OdEdCommand* c, OdEdCommandContext*) override { add("failed", c); }
    void unknownCommand(const OdString& n, OdEdCommandContext*) override
    {
        events << "unknown:" + qstr(n);
    }
    void OnMenuPopulate(CTwMenu* pMenu) override { onPopulate(pMenu); }
    void OnThemeChanged(int iTheme) override { events << "theme:" + QString::number(iTheme); }
    void OnDockPanelCreated(QDockWidget*) override { events << "dockCreated"; }
    void OnDockPanelRemoved(QDockWidget*) override { events << "dockRemoved"; }

    // Registers with the editor and the UI manager, as a module's initApp does.
    void registerAll()
    {
        odedEditor()->addReactor(this);
        GetTwSystemServices()->GetUIManager()->AddUIReactor(this);
    }

private:
    void add(const char* pszWhat, OdEdCommand* pCmd)
    {
        events << pszWhat + (':' + qstr(pCmd->globalName()));
    }
};
