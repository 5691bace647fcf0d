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
    const OdString groupName() const override { return m_group; }
    const OdString globalName() const override { return m_global; }
    const OdString localName() const override { return m_local; }

protected:
    int RunCommand(OdEdCommandContext* pCtx) override { return m_body ? m_body(pCtx) : kTwNormal; }

private:
    OdString m_global;
    OdString m_local;
    OdString m_group;
    std::function<int(OdEdCommandContext*)> m_body;
};

inline QString qstr(const OdString& str)
{
    return QString::fromStdU16String(str.str());
}

class RecordingReactor : public CTwEditorReactor,
                         public CTwUIReactor,
                         public CTwDocumentManagerReactor,
                         public CTwStartPageReactor
{
public:
    QStringList events;
    std::function<void(CTwMenu*)> onPopulate;

    void commandWillStart(OdEdCommand* pCmd, OdEdCommandContext*) override
    {
        add("willStart", pCmd);
    }
    void commandEnded(OdEdCommand* pCmd, OdEdCommandContext*) override { add("ended", pCmd); }
    void commandCancelled(OdEdCommand* pCmd, OdEdCommandContext*) override
    {
        add("cancelled", pCmd);
    }
    void commandFailed(OdEdCommand* pCmd, OdEdCommandContext*) override { add("failed", pCmd); }
    void unknownCommand(const OdString& name, OdEdCommandContext*) override
    {
        events << QStringLiteral("unknown:") + qstr(name);
    }
    void mainUiCreated() override { events << QStringLiteral("mainUiCreated"); }
    void mainUiToBeDestroyed() override { events << QStringLiteral("mainUiToBeDestroyed"); }

    void OnMenuCreated(CTwMenu* pMenu) override
    {
        events << QStringLiteral("menuCreated:") + pMenu->GetName();
    }
    void OnMenuPopulate(CTwMenu* pMenu) override
    {
        events << QStringLiteral("populate:") + pMenu->GetName();
        if (onPopulate)
            onPopulate(pMenu);
    }
    void OnToolBarCreated(const CTwString& name, QToolBar*) override
    {
        events << QStringLiteral("toolBar:") + QString(name);
    }
    void OnWidgetCreated(const CTwString& name, QWidget*& pWidget) override
    {
        events << QStringLiteral("widget:") + QString(name);
        lastWidget = pWidget;
    }
    void OnCommandLineCreated(QWidget*) override { events << QStringLiteral("commandLineCreated"); }
    void OnDockPanelCreated(QDockWidget*) override { events << QStringLiteral("dockCreated"); }
    void OnDockPanelRemoved(QDockWidget*) override { events << QStringLiteral("dockRemoved"); }
    void OnThemeChanged(int iTheme) override { events << QStringLiteral("theme:%1").arg(iTheme); }
    void OnWorkspaceChanged(CTwWorkspace* pWs) override
    {
        events << QStringLiteral("workspace:") + QString(pWs->GetName());
    }

    void DocumentCreateStarted(CTwDocument* pDoc) override { add("CreateStarted", pDoc); }
    void DocumentCreated(CTwDocument* pDoc) override { add("Created", pDoc); }
    void DocumentToBeDestroyed(CTwDocument* pDoc) override { add("ToBeDestroyed", pDoc); }
    void DocumentDestroyed(CTwDocument* pDoc) override
    {
        // What a reactor sees at this moment matters: the module decides on it.
        add("Destroyed", pDoc);
        events.last() += QStringLiteral("(%1 open)")
                             .arg(GetTwSystemServices()->GetDocumentManager()->DocumentCount());
    }
    void DocumentToBeActivated(CTwDocument* pDoc) override { add("ToBeActivated", pDoc); }
    void DocumentToBeDeactivated(CTwDocument* pDoc) override { add("ToBeDeactivated", pDoc); }
    void DocumentActivated(CTwDocument* pDoc) override { add("Activated", pDoc); }
    void DocumentDeactivated(CTwDocument* pDoc) override { add("Deactivated", pDoc); }

    void OnWorkspaceCreated() override { events << QStringLiteral("workspaceCreated"); }
    void OnStartPageShown() override { events << QStringLiteral("StartPageShown"); }
    void OnStartPageHidden() override { events << QStringLiteral("StartPageHidden"); }
    void OnStartPageCreated() override { events << QStringLiteral("StartPageCreated"); }
    void OnStartPageActivated() override { events << QStringLiteral("StartPageActivated"); }
    void OnStartPageDeactivated() override { events << QStringLiteral("StartPageDeactivated"); }

    QWidget* lastWidget = nullptr;

    // Registers with every host manager, as a module's initApp does.
    void registerAll()
    {
        odedEditor()->addReactor(this);
        GetTwSystemServices()->GetUIManager()->AddUIReactor(this);
        GetTwSystemServices()->GetDocumentManager()->AddReactor(this);
        GetTwStartPageManager()->AddReactor(this);
    }

private:
    void add(const char* pszWhat, OdEdCommand* pCmd)
    {
        events << QString::fromLatin1(pszWhat) + QLatin1Char(':') + qstr(pCmd->globalName());
    }
    void add(const char* pszWhat, CTwDocument* pDoc)
    {
        events << QString::fromLatin1(pszWhat) + QLatin1Char(':') + QString(pDoc->GetTitle());
    }
};
