#pragma once
// The edge where exceptions stop: nothing the module throws reaches the host
// or Qt. A command reports it on the command line and fails; a notification
// shows it on the panel (when there is one) and the host goes on.

#include "PanelOwner.h"

#include <CTwUserIO.h>
#include <CalculatorUI.h>
#include <OdResBuf.h>

#include <QCoreApplication>

#include <exception>
#include <new>

namespace ModuleGuard
{

// The message for the exception being handled. Call only inside a catch.
inline QString currentFailureText()
{
    try
    {
        throw;
    }
    catch (const std::bad_alloc&)
    {
        return QCoreApplication::translate(
            "CalculatorUI", "There is not enough memory to complete this operation.");
    }
    catch (...)
    {
        return QCoreApplication::translate("CalculatorUI", "The operation could not be completed.");
    }
}

template <class F> void notification(F&& fn) noexcept
{
    try
    {
        fn();
    }
    catch (...)
    {
        try
        {
            if (CalculatorUI* pPanel = PanelOwner::panel())
                pPanel->showError(currentFailureText());
        }
        catch (...)
        {
        }
    }
}

template <class F> int command(OdEdCommandContext* pCmdCtx, F&& fn) noexcept
{
    try
    {
        return fn();
    }
    catch (...)
    {
        try
        {
            if (CTwUserIO* pIO = GetTwUserIO(pCmdCtx))
                pIO->PutMessage(currentFailureText());
        }
        catch (...)
        {
        }
    }
    return kTwError;
}

} // namespace ModuleGuard
