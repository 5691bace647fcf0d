// The memory buttons over the panel's register: MS, M+ and M- evaluate the
// input line and hand the value to the register; MR inserts it; MC clears it.

#include "CalculatorPrivate.h"

#include <TMyUtf8.h>

void CalculatorUI::changeMemory(bool (TMyMemory::*pOperation)(const std::string&),
                                const char* pszRefusal)
{
    guarded(
        [&]
        {
            std::u16string result;
            // The angle unit stays as the last calculation set it.
            if (!runCalculation(form->lineEdit_calc->text(), result))
                return;
            // The fuller previous result text, not the rounded one.
            const std::string value = MyTools::Utf16ToUtf8(evaluator.GetLastResult());
            if (!(memory.*pOperation)(value))
            {
                showError(tr(pszRefusal));
                return;
            }
            form->lineEdit_calc->clear();
            insertNumber(memory.Recall(), InsertKind::Number);
        });
    form->lineEdit_calc->setFocus();
}

void CalculatorUI::button_mset_pressed()
{
    changeMemory(&TMyMemory::Set, QT_TR_NOOP("Cannot save this in the memory"));
}

void CalculatorUI::button_madd_pressed()
{
    changeMemory(&TMyMemory::Add, QT_TR_NOOP("Cannot add this to the memory"));
}

void CalculatorUI::button_msub_pressed()
{
    changeMemory(&TMyMemory::Subtract, QT_TR_NOOP("Cannot subtract this from the memory"));
}

void CalculatorUI::button_mcle_pressed()
{
    memory.Clear();
    form->lineEdit_calc->setFocus();
}

void CalculatorUI::button_mrec_pressed()
{
    guarded([this] { insertNumber(memory.Recall(), InsertKind::Number); });
    form->lineEdit_calc->setFocus();
}
