#pragma once
// Shared by the panel's source files only: the generated form and the edge
// at which exceptions stop.

#include "CalculatorUI.h"
#include "InsertedNumber.h"
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

// Angle code of the evaluator for the active drawing (degrees without one).
inline int ActiveAngleUnit()
{
    OdDbDatabasePtr pDb = ActiveDatabase();
    return CalculatorAngleUnit(pDb ? pDb->getAUNITS() : 0);
}

// Decimals of a result: the active drawing's linear precision (4 without one).
inline int ActiveAccuracy()
{
    constexpr int kDefaultAccuracy = 4;
    OdDbDatabasePtr pDb = ActiveDatabase();
    return pDb ? int(pDb->getLUPREC()) : kDefaultAccuracy;
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
