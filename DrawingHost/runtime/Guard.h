#pragma once

#include "RuntimeExport.h"

#include <QString>

#include <exception>
#include <functional>

// Calls into modules (commands, reactors, module entry points) run through
// callGuarded: an exception stops at this edge and becomes a message, so it
// never reaches Qt's event loop or the host. The message goes to the sink
// the runtime sets (its command line), else to qWarning.
DH_RUNTIME_EXPORT void reportGuardFailure(const QString& strWhat, const char* pszWhy);
DH_RUNTIME_EXPORT void setGuardReportSink(std::function<void(const QString&)> report);

template <class F> bool callGuarded(const QString& strWhat, F&& fn) noexcept
{
    try
    {
        fn();
        return true;
    }
    catch (const std::exception& e)
    {
        reportGuardFailure(strWhat, e.what());
    }
    catch (...)
    {
        reportGuardFailure(strWhat, nullptr);
    }
    return false;
}

// Whether the object's class comes from the library image at pImageBase (its
// virtual table lives there). Used to find what an unloaded module left
// registered.
DH_RUNTIME_EXPORT bool isFromImage(const void* pObject, const void* pImageBase);
