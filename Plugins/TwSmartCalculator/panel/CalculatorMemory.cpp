// The memory buttons over the panel's register: MS, M+ and M- evaluate the
// input line and hand the value to the register; MR inserts it; MC clears it.
// While the register holds anything but 0, "M" beside the input line says so,
// and MR's tool tip shows the value.

#include "CalculatorPrivate.h"
#include "InsertedNumber.h"

#include <TMyUtf8.h>

namespace
{

// Longer fixed texts (1e300 has 301 digits) show in exponent form instead.
constexpr qsizetype kMaxShownDigits = 24;

} // namespace

void CalculatorUI::changeMemory(bool (TMyMemory::*pOperation)(const std::string&),
                                const char* pszRefusal)
{
    guarded(
        [&]
        {
            std::u16string result;
            // The line as Return would calculate it, chained on a shown
            // result included.
            const QString strExpr =
                input.calculation(form->lineEdit_calc->text(), lastResultText()).expression;
            if (!runCalculation(strExpr, result))
                return;
            // The fuller previous result text, not the rounded one shown.
            if (!(memory.*pOperation)(MyTools::Utf16ToUtf8(evaluator.GetLastResult())))
            {
                showError(tr(pszRefusal));
                return;
            }
            form->lineEdit_calc->clear();
            insertNumber(memory.Recall(), InsertKind::Number);
        });
    showMemory();
    form->lineEdit_calc->setFocus();
}

void CalculatorUI::showMemory()
{
    guarded(
        [this]
        {
            const double value = memory.Recall();
            QString text = InsertedNumberText(value);
            if (text.size() > kMaxShownDigits)
                text = QString::number(value, 'g', 10);
            form->button_mr->setToolTip(tr("Memory recall: %1").arg(text));
            form->label_memory->setToolTip(tr("Memory: %1").arg(text));
            form->label_memory->setVisible(value != 0.0);
        });
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
    showMemory();
    form->lineEdit_calc->setFocus();
}

void CalculatorUI::button_mrec_pressed()
{
    guarded([this] { insertNumber(memory.Recall(), InsertKind::Number); });
    form->lineEdit_calc->setFocus();
}
