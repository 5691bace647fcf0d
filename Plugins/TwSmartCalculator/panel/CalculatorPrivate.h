#pragma once
// Shared by the panel's source files only: the generated form and the edge
// at which exceptions stop.

#include "CalculatorUI.h"
#include "InsertedNumber.h"
#include "ui_CalculatorForm.h"

#include <exception>
#include <new>

// The widget pointers that setupUi fills, one per widget, layout and spacer.
class CalculatorForm : public Ui::CalculatorUI
{
};

// The history's columns: expression, result, the row's delete button.
inline constexpr int kDeleteColumn = 2;

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
