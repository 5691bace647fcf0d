#pragma once
// Shared by the panel's source files only: the generated form and the edge
// at which exceptions stop.

#include "CalculatorUI.h"
#include "ui_CalculatorForm.h"

#include <CTwDocument.h>
#include <CTwSystemServices.h>

#include <exception>
#include <new>

// The widget pointers that setupUi fills, one per widget, layout and spacer.
class CalculatorForm : public Ui::CalculatorUI
{
};

// The active drawing's database; null while no drawing is current.
inline OdDbDatabasePtr ActiveDatabase()
{
    CTwSystemServices* pServices = GetTwSystemServices();
    CTwDocumentManager* pDocs = pServices ? pServices->GetDocumentManager() : nullptr;
    CTwDocument* pDoc = ACTIVE_DOCUMENT();
    if (!pDocs || !pDocs->HasActiveDocument() || !pDoc)
        return OdDbDatabasePtr();
    return pDoc->GetDatabase();
}

template <class F> void CalculatorUI::guarded(F&& fn) noexcept
{
    try
    {
        fn();
    }
    catch (const std::exception& e)
    {
        showFailure(&e);
    }
    catch (...)
    {
        showFailure(nullptr);
    }
}
