#pragma once

// The host platform interface: everything the module may call in its host,
// and nothing else. The drawing host's runtime library implements it; a
// module includes these headers only, so it builds against any host that
// implements them.
//
// How data flows:
//   host -> module  module protocol (OdRxModule: initApp, uninitApp), command
//                   execution (CTwCommand::RunCommand), notifications to the
//                   reactors the module registered (CTwEditorReactor,
//                   CTwUIReactor, CTwDocumentManagerReactor,
//                   CTwStartPageReactor)
//   module -> host  registrations (odedRegCmds, odedEditor, the managers),
//                   requests (GetTwSystemServices: macros, command lists,
//                   nested requests, docks, command line), prompts
//                   (GetTwUserIO), drawing settings and measured values
//                   (ACTIVE_DOCUMENT()->GetDatabase())
// Counted objects (OdSmartPtr) are released as soon as the holder is done.
// Neither side lets an exception cross into the other.

#include "CTwCommand.h"
#include "CTwDocument.h"
#include "CTwEditorReactor.h"
#include "CTwHelp.h"
#include "CTwStartPage.h"
#include "CTwString.h"
#include "CTwSystemServices.h"
#include "CTwUIManager.h"
#include "CTwUserIO.h"
#include "CTwUtils.h"
#include "OdEdCommand.h"
#include "OdEditor.h"
#include "OdResBuf.h"
#include "OdRxModule.h"
#include "OdRxObject.h"
#include "OdString.h"
