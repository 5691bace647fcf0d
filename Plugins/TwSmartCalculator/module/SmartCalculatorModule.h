#pragma once
// The plug-in module: what the host loads, the commands it adds, the single
// calculator panel with its dock, and the reactor that keeps the panel in
// step with the host.
//
// How it runs:
//   load     odrxGetAPIVersion, odrxCreateModuleObject -> initApp: the reactor
//            registers with the editor, the UI manager, the document manager
//            and the start page; a command already named "_SMARTCALCULATOR"
//            is set aside; the four commands are added. No panel yet.
//   panel    made by the first command that needs it or when the host's UI is
//            up (mainUiCreated), docked on the right (ensurePanel).
//   events   documents and the start page enable or disable the measuring
//            tools; menus get the panel's entry; the host's toggle button
//            follows the dock; a measuring command that ended hands its value
//            to the panel, a cancelled one only releases it.
//   unload   uninitApp undoes initApp in reverse and leaves nothing of the
//            module behind: panel, dock, menu entries, connections,
//            translator. Then deleteModule, then the library is closed.
// Everything runs on the host's UI thread.

#include "CTwCalculatorReactor.h"
#include "CTwSCGetAngleCommand.h"
#include "PanelCommands.h"

#include <OdRxModule.h>

class SmartCalculatorModule : public OdRxModule
{
public:
    SmartCalculatorModule();
    ~SmartCalculatorModule() override;

    void initApp() override;
    void uninitApp() override;

private:
    OdStaticRxObject<SmartCalculator> m_smartCalculator;
    OdStaticRxObject<CloseCommand> m_closeCommand;
    OdStaticRxObject<UnitConversionCommand> m_unitConversionCommand;
    OdStaticRxObject<CTwSCGetAngleCommand> m_getAngleCommand;
    OdStaticRxObject<CTwCalculatorReactor> m_reactor;
    OdEdCommandPtr displacedCommand;
};
