// A module for the tests that load one (the host's, the module's with a
// second module, the real display's). It follows the module protocol and reports
// every call it gets to the loading process through probeRecord, a function
// the test executable exports. Built three ways: as it should be, claiming
// another API version (PROBE_API_MINOR), and forgetting to unregister at
// unload (PROBE_LEAKY).

#include <TwHost.h>

#include <dlfcn.h>

#include <string>

#ifndef PROBE_API_MINOR
#define PROBE_API_MINOR 8
#endif

// A value type Qt learns of from inside the module, as a QVariant of it makes
// Qt do: the host must make Qt forget it before the library closes.
struct ProbeValue
{
    int value = 0;
};

namespace
{
void record(const std::string& text)
{
    using RecordFn = void (*)(const char*);
    if (auto fn = reinterpret_cast<RecordFn>(::dlsym(RTLD_DEFAULT, "probeRecord")))
        fn(text.c_str());
}

class ProbeCommand : public CTwCommand
{
public:
    ProbeCommand() { AddFlags(0x00000001); }
    const OdString groupName() const override { return OdString(u"PROBE"); }
    const OdString globalName() const override { return OdString(u"_PROBE"); }
    const OdString localName() const override { return OdString(u"PROBE"); }

protected:
    int RunCommand(OdEdCommandContext* pCtx) override
    {
        CTwUserIO* io = GetTwUserIO(pCtx);
        CTwKeywordArray keywords;
        keywords.push_back(u"_Yes", u"Yes");
        keywords.push_back(u"_No", u"No");
        io->SetKeywords(0, keywords);
        CTwString answer;
        const int status =
            io->GetKeyword(io->ComposePrompt(u"Continue", keywords), keywords, answer, 0, 0);
        if (status != kTwNormal)
            return status;
        io->PutMessage(CTwString(u"Probe answered ") + answer);
        return kTwNormal;
    }
};

class ProbeReactor : public CTwEditorReactor,
                     public CTwUIReactor,
                     public CTwDocumentManagerReactor,
                     public CTwStartPageReactor
{
public:
    void mainUiCreated() override { record("mainUiCreated"); }
    void mainUiToBeDestroyed() override { record("mainUiToBeDestroyed"); }
    void OnWidgetCreated(const CTwString& name, QWidget*& pWidget) override
    {
        if (pWidget) // the host hands over the widget itself
            record("widget " + name.to_ansi_str());
    }
    void DocumentCreated(CTwDocument*) override { record("DocumentCreated"); }
    void OnStartPageActivated() override { record("OnStartPageActivated"); }
};

class ProbeModule : public OdRxModule
{
public:
    ~ProbeModule() override { record("destroyed"); }

    void initApp() override
    {
        record("initApp");
        QMetaType::fromType<ProbeValue>().id();
        odedEditor()->addReactor(&m_reactor);
        GetTwSystemServices()->GetUIManager()->AddUIReactor(&m_reactor);
        GetTwSystemServices()->GetDocumentManager()->AddReactor(&m_reactor);
        GetTwStartPageManager()->AddReactor(&m_reactor);
        odedRegCmds()->addCommand(&m_command);
    }

    void uninitApp() override
    {
        record("uninitApp");
#ifndef PROBE_LEAKY
        odedRegCmds()->removeCmd(&m_command);
        GetTwStartPageManager()->RemoveReactor(&m_reactor);
        GetTwSystemServices()->GetUIManager()->RemoveUIReactor(&m_reactor);
        GetTwSystemServices()->GetDocumentManager()->RemoveReactor(&m_reactor);
        odedEditor()->removeReactor(&m_reactor);
#endif
    }

private:
    OdStaticRxObject<ProbeCommand> m_command;
    OdStaticRxObject<ProbeReactor> m_reactor;
};

OdRxModule* g_module = nullptr;
} // namespace

ODRX_MODULE_EXPORT void odrxGetAPIVersion(int& major, int& minor, int& majorBuild, int& minorBuild)
{
    record("odrxGetAPIVersion");
    major = 26;
    minor = PROBE_API_MINOR;
    majorBuild = 0;
    minorBuild = 54832;
}

ODRX_MODULE_EXPORT OdRxModule* odrxCreateModuleObject(void*& hModule)
{
    record("odrxCreateModuleObject");
    if (!g_module)
    {
        g_module = new OdRxWin32Module<ProbeModule>(hModule, &g_module);
        hModule = nullptr;
    }
    return g_module;
}
