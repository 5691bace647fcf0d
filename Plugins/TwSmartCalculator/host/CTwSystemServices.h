#pragma once

#include "CTwDocument.h"
#include "CTwString.h"
#include "CTwUIManager.h"
#include "OdResBuf.h"

class QDockWidget;
class QMainWindow;
class QWidget;

// The host's main window as modules see it.
class CTwMainFrame
{
public:
    virtual ~CTwMainFrame() = default;

    // Wraps pWidget in a dock of the main window and returns it.
    //   iArea, iAllowedAreas  Qt::DockWidgetArea values (2 right, 3 left|right)
    //   strTitle, strName     window title and object name of the dock
    //   iMinWidth/Height      minimum size of the dock
    //   iX, iY, iWidth, iHeight  floating position and size; -1 lets the host
    //                         choose
    //   bFloating             start floating instead of docked
    //   bVisible              show at once (otherwise the dock starts hidden)
    //   bClosable             the dock has a close button
    //   strIconPath           the dock's window icon
    //   strTabifyWith         object name of a dock to share tabs with; empty
    //                         docks it on its own
    virtual QDockWidget* CreateDockPanel(QWidget* pWidget, int iArea, int iAllowedAreas,
                                         const CTwString& strTitle, const CTwString& strName,
                                         int iMinWidth, int iMinHeight, int iX, int iY, int iWidth,
                                         int iHeight, bool bFloating, bool bVisible, bool bClosable,
                                         const CTwString& strIconPath,
                                         const CTwString& strTabifyWith) = 0;
    // Takes a dock made by CreateDockPanel out of the main window. True when
    // the caller may now delete it; false for a dock the host does not know.
    virtual bool RemoveDockPanel(QDockWidget* pDock) = 0;

    // Places text in the command line's input, as if typed (nothing entered).
    virtual void SendToCommandLine(const CTwString& strText) = 0;
    virtual QMainWindow* GetMainWindow() const = 0;
};

// The host framework's services. GetTwSystemServices() is null before the host
// has set up and after it has shut down.
// The first colour theme (GetColorTheme) that is dark: modules choose their
// icon set by it, the host its palette.
inline constexpr int kTwFirstDarkTheme = 2;

class CTwSystemServices
{
public:
    // Options of a nested command request (EvaluateRequest).
    struct CTwExpressionParserData
    {
        // Run even while another command is waiting for input, nested in it.
        bool bAllowNested = false;
        // Echo the command's name on the command line as it starts.
        bool bEchoCommand = false;
    };

    virtual ~CTwSystemServices() = default;

    virtual CTwDocumentManager* GetDocumentManager() const = 0;
    virtual CTwMainFrame* GetMainFrame() const = 0;
    virtual CTwUIManager* GetUIManager() const = 0;
    // Below kTwFirstDarkTheme light, from it on dark.
    virtual int GetColorTheme() const = 0;
    // Name of the host's help, for CTwHelp::Help.
    virtual CTwString GetHelpName() const = 0;

    // Runs a macro: each "^C" cancels every running command; other text is
    // split at ';' and line breaks into command-line input. The returned
    // buffer carries kTwNormal.
    virtual OdResBufPtr SendMacro(const CTwString& strMacro, int iFlags) = 0;

    // Queues the commands of a list [kRtString name][kRtString input]...
    // [kRtNone]: the command starts after the caller has returned to the event
    // loop and no other command runs; strings after the name are its first
    // input lines. kTwNormal when queued, kTwError for a list without a name.
    virtual int ExecuteCommandList(int iFlags, const OdResBuf* pList) = 0;
    int ExecuteCommandList(int iFlags, const OdResBufPtr& pList)
    {
        return ExecuteCommandList(iFlags, pList.get());
    }

    // Runs the command named by strRequest now, nested, and returns a buffer
    // whose restype is its status: kTwNormal, kTwCancel or kTwError.
    // iRequestType must be kRtString.
    virtual OdResBufPtr EvaluateRequest(CTwExpressionParserData& parserData, int iRequestType,
                                        const CTwString& strRequest) = 0;
};

TW_HOST_API CTwSystemServices* GetTwSystemServices();
