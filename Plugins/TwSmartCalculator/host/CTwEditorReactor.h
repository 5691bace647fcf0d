#pragma once

#include "OdEditor.h"

// The host's editor reactor: editor, command-stack and script notifications
// in one object, plus the host's own. Register it with odedEditor().
//   mainUiCreated        the main window, its menus, toolbar and command line
//                        exist (after the modules named at start-up loaded)
//   mainUiToBeDestroyed  the main window is about to go; docks still exist
//   appActivated/...     the application gained or lost the focus
class CTwEditorReactor : public OdEditorReactor,
                         public OdEdCommandStackReactor,
                         public OdEdLispEngineReactor
{
public:
    virtual void mainUiCreated() {}
    virtual void mainUiToBeDestroyed() {}
    virtual void appActivated() {}
    virtual void appDeactivated() {}
};
