#include "CTwCalculatorReactor.h"

#include "ModuleGuard.h"
#include "PanelOwner.h"

#include <CTwSystemServices.h>

#include <QToolButton>

namespace
{

QString globalNameOf(OdEdCommand* pCmd)
{
    return pCmd ? CTwString(pCmd->globalName()).toQString() : QString();
}

} // namespace

void CTwCalculatorReactor::mainUiCreated()
{
    ModuleGuard::notification([&] { PanelOwner::mainUiCreated(); });
}

void CTwCalculatorReactor::mainUiToBeDestroyed()
{
    ModuleGuard::notification([&] { PanelOwner::destroyPanel(); });
}

void CTwCalculatorReactor::commandWillStart(OdEdCommand* pCmd, OdEdCommandContext*)
{
    ModuleGuard::notification([&] { PanelOwner::hostCommandWillStart(globalNameOf(pCmd)); });
}

void CTwCalculatorReactor::commandEnded(OdEdCommand* pCmd, OdEdCommandContext*)
{
    ModuleGuard::notification([&] { PanelOwner::hostCommandFinished(globalNameOf(pCmd), true); });
}

void CTwCalculatorReactor::commandCancelled(OdEdCommand* pCmd, OdEdCommandContext*)
{
    ModuleGuard::notification([&] { PanelOwner::hostCommandFinished(globalNameOf(pCmd), false); });
}

void CTwCalculatorReactor::commandFailed(OdEdCommand* pCmd, OdEdCommandContext*)
{
    ModuleGuard::notification([&] { PanelOwner::hostCommandFinished(globalNameOf(pCmd), false); });
}

void CTwCalculatorReactor::unknownCommand(const OdString& strName, OdEdCommandContext*)
{
    ModuleGuard::notification([&]
                              { PanelOwner::hostCommandUnknown(CTwString(strName).toQString()); });
}

void CTwCalculatorReactor::OnMenuToBeDestroyed(CTwMenu* pMenu)
{
    ModuleGuard::notification([&] { PanelOwner::forgetMenu(pMenu); });
}

void CTwCalculatorReactor::OnMenuPopulate(CTwMenu* pMenu)
{
    ModuleGuard::notification(
        [&]
        {
            CTwSystemServices* pServices = GetTwSystemServices();
            CTwUIManager* pUi = pServices ? pServices->GetUIManager() : nullptr;
            if (!pMenu)
                return;
            CTwMenuItems& items = pMenu->GetItems();
            if (pMenu->GetKind() == 2)
            {
                CTwMenuItem* pAnchor = nullptr;
                for (CTwMenuItem* pItem : items)
                {
                    if (pItem && pItem->GetId().equalNoCase(CTwString("PMI_SMARTSELECT")))
                    {
                        pAnchor = pItem;
                        break;
                    }
                }
                PanelOwner::addMenuEntry(items, true, pAnchor);
                PanelOwner::rememberMenu(pMenu);
                return;
            }
            CTwDocumentManager* pDocs = pServices ? pServices->GetDocumentManager() : nullptr;
            CTwWorkspace* pWorkspace = pUi ? pUi->GetCurrentWorkspace() : nullptr;
            if (pMenu->GetName().equalNoCase(CTwString("ID_MnView")) && pDocs &&
                pDocs->DocumentCount() == 0 && pWorkspace &&
                pWorkspace->GetName().equalNoCase(CTwString("Classic")))
            {
                PanelOwner::addMenuEntry(items, false, nullptr);
                PanelOwner::rememberMenu(pMenu);
            }
        });
}

void CTwCalculatorReactor::OnWidgetCreated(const CTwString& strName, QWidget*& pWidget)
{
    ModuleGuard::notification(
        [&]
        {
            if (pWidget && strName.equalNoCase(CTwString(kTwToggleButtonName)))
                PanelOwner::registerToggleButton(qobject_cast<QToolButton*>(pWidget));
        });
}

void CTwCalculatorReactor::DocumentCreated(CTwDocument*)
{
    ModuleGuard::notification([&] { PanelOwner::setHostToolsEnabled(true); });
}

void CTwCalculatorReactor::DocumentDestroyed(CTwDocument*)
{
    ModuleGuard::notification(
        [&]
        {
            CTwSystemServices* pServices = GetTwSystemServices();
            CTwDocumentManager* pDocs = pServices ? pServices->GetDocumentManager() : nullptr;
            if (pDocs && pDocs->DocumentCount() == 0)
                PanelOwner::setHostToolsEnabled(false);
        });
}

void CTwCalculatorReactor::DocumentActivated(CTwDocument*)
{
    ModuleGuard::notification([&] { PanelOwner::setHostToolsEnabled(true); });
}

void CTwCalculatorReactor::OnStartPageShown()
{
    ModuleGuard::notification([&] { PanelOwner::setHostToolsEnabled(false); });
}

void CTwCalculatorReactor::OnStartPageActivated()
{
    ModuleGuard::notification([&] { PanelOwner::setHostToolsEnabled(false); });
}
