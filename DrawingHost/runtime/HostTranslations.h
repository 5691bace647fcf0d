#pragma once

#include "RuntimeExport.h"

#include <QLocale>

// The host in the user interface language: its own catalogue (German is
// embedded) and Qt's, where the system has it, installed in the application.
// Nothing happens for English or a language without a catalogue. Returns
// whether the host's own catalogue was installed.
DH_RUNTIME_EXPORT bool installHostTranslations(const QLocale& locale = QLocale());
