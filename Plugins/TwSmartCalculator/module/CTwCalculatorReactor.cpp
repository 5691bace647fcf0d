#include "CTwCalculatorReactor.h"

#include "ModuleGuard.h"
#include "PanelOwner.h"

#include <CTwSystemServices.h>

#include <QToolButton>

#include <initializer_list>

namespace
{

bool isOneOf(OdEdCommand* pCmd, std::initializer_list<const char16_t*> names)
{
    if (!pCmd)
        return false;
    const CTwString name(pCmd->globalName());
    for (const char16_t* pszName : names)
    {
        if (name.equalNoCase(CTwString(pszName)))
            return true;
    }
    return false;
}

bool isCancellingMeasurement(OdEdCommand* pCmd)
{
    return isOneOf(pCmd, {u"_GETDISTANCE", u"_SCGETANGLE", u"_GETAREA", u"_GETANGLE"});
}

} // namespace

void CTwCalculatorReactor::mainUiCreated()
{
    ModuleGuard::notification(
        [&]
        {
            PanelOwner::ensurePanel(PanelLayout::Calculator);
            PanelOwner::buildGroupsAndIcons();
        });
}

void CTwCalculatorReactor::mainUiToBeDestroyed()
{
    ModuleGuard::notification([&] { PanelOwner::destroyPanel(); });
}

void CTwCalculatorReactor::commandEnded(OdEdCommand* pCmd, OdEdCommandContext*)
{
    ModuleGuard::notification(
        [&]
        {
            if (isOneOf(pCmd, {u"_GETDISTANCE", u"_SCGETANGLE", u"_GETAREA"}))
                PanelOwner::completeMeasurement();
        });
}

void CTwCalculatorReactor::commandCancelled(OdEdCommand* pCmd, OdEdCommandContext*)
{
    ModuleGuard::notification(
        [&]
        {
            if (isCancellingMeasurement(pCmd))
                PanelOwner::resetPendingMeasurement();
        });
}

void CTwCalculatorReactor::commandFailed(OdEdCommand* pCmd, OdEdCommandContext*)
{
    ModuleGuard::notification(
        [&]
        {
            if (isCancellingMeasurement(pCmd))
                PanelOwner::resetPendingMeasurement();
        });
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
            if (pWidget && strName.equalNoCase(CTwString("TwQuickCalcCommandToggleButton")))
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
