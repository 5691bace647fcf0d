#include "CTwPanelHost.h"

#include <CTwCollapsibleGroupBox.h>
#include <CTwDocument.h>
#include <CTwHelp.h>
#include <CTwSystemServices.h>
#include <CTwUtils.h>
#include <OdResBuf.h>

#include <QMainWindow>

namespace
{

constexpr int kIconSize = 16;

CTwMainFrame* MainFrame()
{
    CTwSystemServices* pServices = GetTwSystemServices();
    return pServices ? pServices->GetMainFrame() : nullptr;
}

} // namespace

std::optional<PanelHost::Drawing> CTwPanelHost::activeDrawing() const
{
    CTwSystemServices* pServices = GetTwSystemServices();
    CTwDocumentManager* pDocs = pServices ? pServices->GetDocumentManager() : nullptr;
    CTwDocument* pDoc = ACTIVE_DOCUMENT();
    if (!pDocs || !pDocs->HasActiveDocument() || !pDoc)
        return std::nullopt;
    OdDbDatabasePtr pDb = pDoc->GetDatabase();
    if (!pDb)
        return std::nullopt;
    return Drawing{pDb->getLUPREC(),       pDb->getAUNITS(),        pDb->getLastDistance(),
                   pDb->getLastArea(),     pDb->getLastPerimeter(), pDb->getLUNITS()};
}

bool CTwPanelHost::runMeasuringCommand(const QString& strCommand)
{
    CTwSystemServices* pServices = GetTwSystemServices();
    if (!pServices)
        return false;
    // Whatever the host is running would otherwise take the command's name as
    // its input.
    pServices->SendMacro(CTwString(QStringLiteral("^C^C")), 0).release();
    OdResBufPtr pList = OdResBuf::newRb(kRtString);
    pList->setString(CTwString(strCommand));
    pList->last()->setNext(OdResBuf::newRb(kRtNone));
    const int status = pServices->ExecuteCommandList(0, pList);
    pList.release();
    return status >= 0;
}

void CTwPanelHost::sendToCommandLine(const QString& text)
{
    if (CTwMainFrame* pFrame = MainFrame())
        pFrame->SendToCommandLine(CTwString(text));
}

QWidget* CTwPanelHost::mainWindow() const
{
    CTwMainFrame* pFrame = MainFrame();
    return pFrame ? pFrame->GetMainWindow() : nullptr;
}

bool CTwPanelHost::isDarkTheme() const
{
    CTwSystemServices* pServices = GetTwSystemServices();
    return pServices && pServices->GetColorTheme() >= kTwFirstDarkTheme;
}

QIcon CTwPanelHost::icon(int iIconId) const
{
    return CTwUtils::GetIcon(iIconId, kIconSize, false);
}

QIcon CTwPanelHost::namedIcon(const QString& strName, const QString& strSubfolder) const
{
    return CTwUtils::loadIcon(strName, strSubfolder, QStringLiteral(":/images"), 1);
}

void CTwPanelHost::showHelp()
{
    CTwSystemServices* pServices = GetTwSystemServices();
    CTwHelp* pHelp = GetTwHelp();
    if (pServices && pHelp)
        pHelp->Help(pServices->GetHelpName(), kTwSmartCalculatorTopic, false, nullptr, 16);
}

QWidget* CTwPanelHost::makeGroup(QWidget* pParent, const QString& strTitle, QWidget* pContent)
{
    auto* pBox = new CTwCollapsibleGroupBox(pParent);
    pBox->setText(strTitle);
    pBox->setContentWidget(pContent);
    return pBox;
}

void CTwPanelHost::setGroupCollapsed(QWidget* pGroup, bool bCollapse)
{
    if (auto* pBox = qobject_cast<CTwCollapsibleGroupBox*>(pGroup))
        pBox->setCollapse(bCollapse);
}
