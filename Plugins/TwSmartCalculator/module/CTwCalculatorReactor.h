#pragma once

#include <CTwDocument.h>
#include <CTwEditorReactor.h>
#include <CTwStartPage.h>
#include <CTwUIManager.h>

// Keeps the panel in step with the host: builds it when the host's UI is up
// and takes it down before the UI goes, enables the measuring tools while a
// drawing is open, puts the panel's entry into menus, binds the host's toggle
// button, and closes a measurement when its command ends or is cancelled.
class CTwCalculatorReactor : public CTwEditorReactor,
                             public CTwUIReactor,
                             public CTwDocumentManagerReactor,
                             public CTwStartPageReactor
{
public:
    void mainUiCreated() override;
    void mainUiToBeDestroyed() override;

    // Every start and end goes to the panel, which tells the run it asked
    // for from the commands around and inside it. A measuring command that
    // fails (no drawing to measure in) releases the panel as a cancelled one
    // does; an unknown one was never started.
    void commandWillStart(OdEdCommand* pCmd, OdEdCommandContext* pCmdCtx) override;
    void commandEnded(OdEdCommand* pCmd, OdEdCommandContext* pCmdCtx) override;
    void commandCancelled(OdEdCommand* pCmd, OdEdCommandContext* pCmdCtx) override;
    void commandFailed(OdEdCommand* pCmd, OdEdCommandContext* pCmdCtx) override;
    void unknownCommand(const OdString& strName, OdEdCommandContext* pCmdCtx) override;

    void OnMenuToBeDestroyed(CTwMenu* pMenu) override;
    void OnMenuPopulate(CTwMenu* pMenu) override;
    void OnWidgetCreated(const CTwString& strName, QWidget*& pWidget) override;

    void DocumentCreated(CTwDocument* pDoc) override;
    void DocumentDestroyed(CTwDocument* pDoc) override;
    void DocumentActivated(CTwDocument* pDoc) override;

    void OnStartPageShown() override;
    void OnStartPageActivated() override;
};
