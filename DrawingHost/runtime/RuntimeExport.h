#pragma once

#include <QtCore/qglobal.h>

#if defined(DRAWINGHOST_RUNTIME_BUILD)
#define DH_RUNTIME_EXPORT Q_DECL_EXPORT
#else
#define DH_RUNTIME_EXPORT Q_DECL_IMPORT
#endif
