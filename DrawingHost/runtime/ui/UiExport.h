#pragma once

// Export macro for the standalone widgets that drawinghost_runtime ships to
// the app and to loaded modules. The runtime target defines
// DRAWINGHOST_RUNTIME_BUILD; everyone else imports.

#include <QtCore/qglobal.h>

#if defined(DRAWINGHOST_RUNTIME_BUILD)
#define DRAWINGHOST_UI_EXPORT Q_DECL_EXPORT
#else
#define DRAWINGHOST_UI_EXPORT Q_DECL_IMPORT
#endif
