#pragma once

// Export marker for what the drawing host's runtime library defines and
// modules call: the free functions (GetTwSystemServices, odedRegCmds, ...),
// the static helpers and the few host classes with out-of-line code.

#include <QtCore/qglobal.h>

#ifndef TW_HOST_API
#if defined(DRAWINGHOST_RUNTIME_BUILD)
#define TW_HOST_API Q_DECL_EXPORT
#else
#define TW_HOST_API Q_DECL_IMPORT
#endif
#endif

#include <cstdint>

using OdInt16 = std::int16_t;
using OdUInt16 = std::uint16_t;
using OdInt32 = std::int32_t;
using OdUInt32 = std::uint32_t;
