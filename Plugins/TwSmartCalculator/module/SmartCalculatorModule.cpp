#include "SmartCalculatorModule.h"

#include "ModuleGuard.h"
#include "PanelOwner.h"

#include <CTwStartPage.h>
#include <CTwSystemServices.h>
#include <OdEditor.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{

OdRxModule* g_module = nullptr;

} // namespace

SmartCalculatorModule::SmartCalculatorModule() = default;

SmartCalculatorModule::~SmartCalculatorModule()
{
    displacedCommand.release();
}

void SmartCalculatorModule::initApp()
{
    PanelOwner::start();
    if (OdEditorPtr pEditor = odedEditor())
        pEditor->addReactor(&m_reactor);
    CTwSystemServices* pServices = GetTwSystemServices();
    if (CTwUIManager* pUi = pServices ? pServices->GetUIManager() : nullptr)
        pUi->AddUIReactor(&m_reactor);
    if (CTwDocumentManager* pDocs = pServices ? pServices->GetDocumentManager() : nullptr)
        pDocs->AddReactor(&m_reactor);
    if (CTwStartPageManager* pStartPage = GetTwStartPageManager())
        pStartPage->AddReactor(&m_reactor);

    if (OdEdCommandStackPtr pStack = odedRegCmds())
    {
        // A command of our name (an older calculator, say) steps aside while
        // this module is loaded and comes back when it goes.
        displacedCommand = pStack->lookupCmd(m_smartCalculator.globalName(), 3, OdString::kEmpty);
        if (displacedCommand)
            pStack->removeCmd(displacedCommand.get());
        pStack->addCommand(&m_smartCalculator);
        pStack->addCommand(&m_closeCommand);
        pStack->addCommand(&m_unitConversionCommand);
        pStack->addCommand(&m_getAngleCommand);
    }
    // Loaded with LOAD once the host is up: no main-UI notification follows.
    ModuleGuard::notification([] { PanelOwner::joinRunningUi(); });
}

void SmartCalculatorModule::uninitApp()
{
    PanelOwner::destroyPanel();
    if (OdEdCommandStackPtr pStack = odedRegCmds())
    {
        pStack->removeCmd(&m_smartCalculator);
        pStack->removeCmd(&m_closeCommand);
        pStack->removeCmd(&m_unitConversionCommand);
        pStack->removeCmd(&m_getAngleCommand);
        if (displacedCommand)
        {
            pStack->addCommand(displacedCommand.get());
            displacedCommand.release();
        }
    }
    if (CTwStartPageManager* pStartPage = GetTwStartPageManager())
        pStartPage->RemoveReactor(&m_reactor);
    CTwSystemServices* pServices = GetTwSystemServices();
    if (CTwUIManager* pUi = pServices ? pServices->GetUIManager() : nullptr)
        pUi->RemoveUIReactor(&m_reactor);
    if (CTwDocumentManager* pDocs = pServices ? pServices->GetDocumentManager() : nullptr)
        pDocs->RemoveReactor(&m_reactor);
    if (OdEditorPtr pEditor = odedEditor())
        pEditor->removeReactor(&m_reactor);
    PanelOwner::stop();
}

ODRX_MODULE_EXPORT void odrxGetAPIVersion(int& nMajor, int& nMinor, int& nMajorBuild,
                                          int& nMinorBuild)
{
    nMajor = 26;
    nMinor = 8;
    nMajorBuild = 0;
    nMinorBuild = 54832;
}

ODRX_MODULE_EXPORT OdRxModule* odrxCreateModuleObject(void*& hModule)
{
    if (!g_module)
    {
        g_module = new OdRxWin32Module<SmartCalculatorModule>(hModule, &g_module);
        hModule = nullptr;
    }
    return g_module;
}

#ifdef _WIN32
BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        ::DisableThreadLibraryCalls(hInstance);
    return TRUE;
}
#endif
