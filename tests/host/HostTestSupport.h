#pragma once

// Helpers shared by the host tests: a command whose body the test supplies,
// and a reactor of every kind that writes what it hears into a list.

#include <CommandLine.h>
#include <CommandProcessor.h>
#include <Documents.h>
#include <HostRuntime.h>
#include <TwHost.h>
#include <UserInput.h>

#include <QStringList>

#include <functional>

class TestCommand : public CTwCommand
{
public:
    TestCommand(const char16_t* pszGlobal, const char16_t* pszLocal,
                std::function<int(OdEdCommandContext*)> body, const char16_t* pszGroup = u"TEST")
        : m_global(pszGlobal), m_local(pszLocal), m_group(pszGroup), m_body(std::move(body))
    {
    }
    // A palette toggle's command (see CTwCommand::kTwTransparent).
    void makeTransparent() { AddFlags(kTwTransparent); }
    const OdString groupName() const override { return m_group; }
    const OdString globalName() const override { return m_global; }
    const OdString localName() const override { return m_local; }

protected:
    int RunCommand(OdEdCommandContext* pCtx) override { return m_body ? m_body(pCtx) : kTwNormal; }

private:
    OdString m_global, m_local, m_group;
    std::function<int(OdEdCommandContext*)> m_body;
};

inline QString qstr(const OdString& str)
{
    return QString::fromStdU16String(str.str());
}

// Each notification is written as "what" or "what:whom".
class RecordingReactor : public CTwEditorReactor,
                         public CTwUIReactor,
                         public CTwDocumentManagerReactor,
                         public CTwStartPageReactor
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
        add("unknown", qstr(n));
    }
    void mainUiCreated() override { events << "mainUiCreated"; }
    void mainUiToBeDestroyed() override { events << "mainUiToBeDestroyed"; }

    void OnMenuCreated(CTwMenu* pMenu) override { add("menuCreated", pMenu->GetName()); }
    void OnMenuPopulate(CTwMenu* pMenu) override { onPopulate(pMenu); }
    void OnToolBarCreated(const CTwString& name, QToolBar*) override { add("toolBar", name); }
    void OnWidgetCreated(const CTwString& name, QWidget*&) override { add("widget", name); }
    void OnCommandLineCreated(QWidget*) override { events << "commandLineCreated"; }
    void OnDockPanelCreated(QDockWidget*) override { events << "dockCreated"; }
    void OnDockPanelRemoved(QDockWidget*) override { events << "dockRemoved"; }
    void OnThemeChanged(int iTheme) override { add("theme", QString::number(iTheme)); }
    void OnWorkspaceChanged(CTwWorkspace* pWs) override { add("workspace", pWs->GetName()); }

    void DocumentCreateStarted(CTwDocument* pDoc) override { add("CreateStarted", pDoc); }
    void DocumentCreated(CTwDocument* pDoc) override { add("Created", pDoc); }
    void DocumentToBeDestroyed(CTwDocument* pDoc) override { add("ToBeDestroyed", pDoc); }
    void DocumentDestroyed(CTwDocument* pDoc) override
    {
        // What a reactor sees at this moment matters: the module decides on it.
        add("Destroyed", pDoc);
        events.last() += QStringLiteral("(open:%1)")
                             .arg(GetTwSystemServices()->GetDocumentManager()->DocumentCount());
    }
    void DocumentToBeActivated(CTwDocument* pDoc) override { add("ToBeActivated", pDoc); }
    void DocumentToBeDeactivated(CTwDocument* pDoc) override { add("ToBeDeactivated", pDoc); }
    void DocumentActivated(CTwDocument* pDoc) override { add("Activated", pDoc); }
    void DocumentDeactivated(CTwDocument* pDoc) override { add("Deactivated", pDoc); }

    void OnWorkspaceCreated() override { events << "workspaceCreated"; }
    void OnStartPageShown() override { events << "StartPageShown"; }
    void OnStartPageHidden() override { events << "StartPageHidden"; }
    void OnStartPageCreated() override { events << "StartPageCreated"; }
    void OnStartPageActivated() override { events << "StartPageActivated"; }
    void OnStartPageDeactivated() override { events << "StartPageDeactivated"; }

    // Registers with every host manager, as a module's initApp does.
    void registerAll()
    {
        odedEditor()->addReactor(this);
        GetTwSystemServices()->GetUIManager()->AddUIReactor(this);
        GetTwSystemServices()->GetDocumentManager()->AddReactor(this);
        GetTwStartPageManager()->AddReactor(this);
    }

private:
    void add(const char* pszWhat, const QString& who) { events << pszWhat + (':' + who); }
    void add(const char* pszWhat, OdEdCommand* pCmd) { add(pszWhat, qstr(pCmd->globalName())); }
    void add(const char* pszWhat, CTwDocument* pDoc) { add(pszWhat, QString(pDoc->GetTitle())); }
};
