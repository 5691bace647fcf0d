// The input line: text insertion, the keypad and function buttons, the
// calculation, the error indication and the keys the panel handles itself.

#include "CalculatorAccessibility.h"
#include "CalculatorPrivate.h"
#include "DeadKeyNativeEventFilter.h"
#include "HistoryItemDelegate.h"
#include "InsertedNumber.h"
#include "KeyRules.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

void CalculatorUI::insertText(const QString& text, InsertKind kind, bool bBracketButton)
{
    QLineEdit* pLine = form->lineEdit_calc;
    const InputLine::Text edit =
        input.insert({pLine->text(), pLine->cursorPosition()}, text, kind, bBracketButton);
    pLine->setText(edit.text);
    pLine->setCursorPosition(edit.cursor);
}

void CalculatorUI::insertNumber(double value, InsertKind kind)
{
    insertText(InsertedNumberText(value), kind);
}

void CalculatorUI::pressKey(const QString& text, InsertKind kind, bool bBracketButton)
{
    guarded([&] { insertText(text, kind, bBracketButton); });
    form->lineEdit_calc->setFocus();
}

// clang-format off
void CalculatorUI::button_0_pressed() { pressKey(QStringLiteral("0"), InsertKind::Operand); }
void CalculatorUI::button_1_pressed() { pressKey(QStringLiteral("1"), InsertKind::Operand); }
void CalculatorUI::button_2_pressed() { pressKey(QStringLiteral("2"), InsertKind::Operand); }
void CalculatorUI::button_3_pressed() { pressKey(QStringLiteral("3"), InsertKind::Operand); }
void CalculatorUI::button_4_pressed() { pressKey(QStringLiteral("4"), InsertKind::Operand); }
void CalculatorUI::button_5_pressed() { pressKey(QStringLiteral("5"), InsertKind::Operand); }
void CalculatorUI::button_6_pressed() { pressKey(QStringLiteral("6"), InsertKind::Operand); }
void CalculatorUI::button_7_pressed() { pressKey(QStringLiteral("7"), InsertKind::Operand); }
void CalculatorUI::button_8_pressed() { pressKey(QStringLiteral("8"), InsertKind::Operand); }
void CalculatorUI::button_9_pressed() { pressKey(QStringLiteral("9"), InsertKind::Operand); }
void CalculatorUI::button_plus_pressed() { pressKey(QStringLiteral("+"), InsertKind::Operator); }
void CalculatorUI::button_minus_pressed() { pressKey(QStringLiteral("-"), InsertKind::Operator); }
void CalculatorUI::button_multiplication_pressed() { pressKey(QStringLiteral("*"), InsertKind::Operator); }
void CalculatorUI::button_divide_pressed() { pressKey(QStringLiteral("/"), InsertKind::Operator); }
void CalculatorUI::button_bracketOpen_pressed() { pressKey(QStringLiteral("("), InsertKind::Operand); }
void CalculatorUI::button_1divx_pressed() { pressKey(QStringLiteral("1/()"), InsertKind::Function); }
void CalculatorUI::button_x2_pressed() { pressKey(QStringLiteral("^2"), InsertKind::Operator); }
void CalculatorUI::button_x3_pressed() { pressKey(QStringLiteral("^3"), InsertKind::Operator); }
void CalculatorUI::button_xn_pressed() { pressKey(QStringLiteral("^"), InsertKind::Operator); }
void CalculatorUI::button_sqrt_pressed() { pressKey(QStringLiteral("sqrt()"), InsertKind::Function); }
void CalculatorUI::button_nrt_pressed() { pressKey(QStringLiteral("nrt(,)"), InsertKind::Function); }
void CalculatorUI::button_10x_pressed() { pressKey(QStringLiteral("10^()"), InsertKind::Function); }
void CalculatorUI::button_ex_pressed() { pressKey(QStringLiteral("e^()"), InsertKind::Function); }
void CalculatorUI::button_pi_pressed() { pressKey(QStringLiteral("pi"), InsertKind::Operand); }
void CalculatorUI::button_e_pressed() { pressKey(QStringLiteral("e"), InsertKind::Operand); }
void CalculatorUI::button_sin_pressed() { pressKey(QStringLiteral("sin()"), InsertKind::Function); }
void CalculatorUI::button_cos_pressed() { pressKey(QStringLiteral("cos()"), InsertKind::Function); }
void CalculatorUI::button_tan_pressed() { pressKey(QStringLiteral("tan()"), InsertKind::Function); }
void CalculatorUI::button_asin_pressed() { pressKey(QStringLiteral("asin()"), InsertKind::Function); }
void CalculatorUI::button_acos_pressed() { pressKey(QStringLiteral("acos()"), InsertKind::Function); }
void CalculatorUI::button_atan_pressed() { pressKey(QStringLiteral("atan()"), InsertKind::Function); }
void CalculatorUI::button_log10_pressed() { pressKey(QStringLiteral("log10()"), InsertKind::Function); }
void CalculatorUI::button_ln_pressed() { pressKey(QStringLiteral("ln()"), InsertKind::Function); }
void CalculatorUI::button_log_pressed() { pressKey(QStringLiteral("log(,)"), InsertKind::Function); }
void CalculatorUI::button_abs_pressed() { pressKey(QStringLiteral("abs()"), InsertKind::Function); }
void CalculatorUI::button_rnd_pressed() { pressKey(QStringLiteral("rnd()"), InsertKind::Function); }
void CalculatorUI::button_trc_pressed() { pressKey(QStringLiteral("trc()"), InsertKind::Function); }
void CalculatorUI::button_r2d_pressed() { pressKey(QStringLiteral("RtoD()"), InsertKind::Function); }
void CalculatorUI::button_d2r_pressed() { pressKey(QStringLiteral("DtoR()"), InsertKind::Function); }
void CalculatorUI::button_decPoint_pressed() { pressKey(QStringLiteral("."), InsertKind::Operand); }
void CalculatorUI::button_ans_pressed() { pressKey(QStringLiteral("ans"), InsertKind::Operand); }
// clang-format on

void CalculatorUI::button_bracketClose_pressed()
{
    // From its button the cursor goes behind the bracket; from a pasted text
    // ending with ")" it stays inside.
    pressKey(QStringLiteral(")"), InsertKind::Operand, true);
}

void CalculatorUI::button_del_pressed()
{
    // The button edits a shown result like any text and keeps the state.
    const bool bResultShown = input.isResultShown();
    form->lineEdit_calc->setFocus();
    form->lineEdit_calc->backspace();
    if (bResultShown)
        input.resumeResult();
}

void CalculatorUI::button_delAll_pressed()
{
    form->lineEdit_calc->clear();
    form->lineEdit_calc->setFocus();
}

void CalculatorUI::expressionChanged()
{
    form->errorMessage->setText(QString());
    form->errorMessage->setToolTip(QString());
    input.textChanged(form->lineEdit_calc->text());
    refreshPreview();
}

void CalculatorUI::showError(const QString& strMessage)
{
    form->errorMessage->setText(QStringLiteral("!"));
    form->errorMessage->setToolTip(strMessage);
    CalculatorAccessibility::announceError(*form, strMessage);
}

bool CalculatorUI::runCalculation(QString strExpr, std::u16string& strResult, double* pValue)
{
    // The engine reads spaces itself: one inside a length (6 1/2") counts.
    if (strExpr.trimmed().isEmpty())
        return false;
    // Every calculation follows the drawing in front, also one for the memory.
    evaluator.SetAngleUnit(angleUnit());
    const int iAccuracy = accuracy();
    std::u16string expr = strExpr.toStdU16String();
    expr.resize(std::min(expr.size(), expr.find(u'\0')));
    try
    {
        double value = 0.0;
        evaluator.GetResult(std::move(expr), strResult, iAccuracy, value);
        if (pValue)
            *pValue = value;
        return true;
    }
    catch (int iCode)
    {
        showError(QCoreApplication::translate("CalculatorUI", MyTools::ErrorMessage(iCode)));
    }
    catch (const std::exception& e)
    {
        showFailure(&e);
    }
    return false;
}

void CalculatorUI::button_equals_pressed()
{
    if (input.isResultShown())
        return;
    guarded(
        [this]
        {
            const InputLine::Calculation calc =
                input.calculation(form->lineEdit_calc->text(), lastResultText());
            std::u16string result;
            double value = 0.0;
            if (!runCalculation(calc.expression, result, &value))
                return;
            const QString strResult = QString::fromStdU16String(result);
            const QString strFull = lastResultText();
            // The result state first: the text change then shows no preview.
            input.showResult(strResult, strFull);
            form->lineEdit_calc->setText(strResult);
            CalculatorAccessibility::announceResult(*form, strResult);
            addHistoryRow(calc.row, strResult, strFull);
            QTableWidget* pHistory = form->twHistory;
            const QString length = lengthBeside(value);
            QTableWidgetItem* pResult = pHistory->item(pHistory->rowCount() - 1, 1);
            if (pResult && !length.isEmpty())
                pResult->setData(kHistoryNoteRole, QStringLiteral("= ") + strResult + length);
            if (calc.chained)
            {
                if (QTableWidgetItem* pItem = pHistory->item(pHistory->rowCount() - 1, 0))
                    pItem->setData(
                        kHistoryNoteRole,
                        tr("Calculated with the full previous result, %1.").arg(calc.fullValue));
            }
            form->errorMessage->setToolTip(QString());
            form->twHistory->scrollToBottom();
        });
    form->lineEdit_calc->setFocus();
}

int CalculatorUI::accuracy() const
{
    constexpr int kDefaultAccuracy = 4;
    const std::optional<PanelHost::Drawing> drawing = host->activeDrawing();
    return drawing ? drawing->precision : kDefaultAccuracy;
}

int CalculatorUI::angleUnit() const
{
    const std::optional<PanelHost::Drawing> drawing = host->activeDrawing();
    return CalculatorAngleUnit(drawing ? drawing->angularUnit : 0);
}

QString CalculatorUI::lastResultText()
{
    return QString::fromStdU16String(evaluator.GetLastResult());
}

bool CalculatorUI::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    bool bConsumed = false;
    guarded(
        [&]
        {
            if (pWatched == form->lineEdit_calc && deadKeyFilter->filterEvent(pEvent))
                bConsumed = true;
            else if (pEvent->type() == QEvent::MouseButtonPress && pWatched == form->lineEdit_calc)
                input.clicked();
            else if (pEvent->type() == QEvent::KeyPress)
            {
                auto* pKey = static_cast<QKeyEvent*>(pEvent);
                if (pWatched == form->lineEdit_calc)
                    bConsumed = filterCalcKey(pKey);
                else if (pWatched == form->lineEdit_unitConInput)
                    bConsumed = filterUnitInputKey(pKey);
                else if (pWatched == form->twHistory && pKey->matches(QKeySequence::Undo))
                {
                    undoClearHistory();
                    bConsumed = true;
                }
            }
            else if (pEvent->type() == QEvent::ShortcutOverride && pWatched == form->twHistory &&
                     static_cast<QKeyEvent*>(pEvent)->matches(QKeySequence::Undo))
            {
                // Undo in the history is the history's, not a host shortcut's.
                pEvent->accept();
                bConsumed = true;
            }
            else if (pEvent->type() == QEvent::Wheel && pWatched == form->twHistory &&
                     form->twHistory->rowCount() > 0)
            {
                pEvent->accept();
                bConsumed = true;
            }
            else if ((pEvent->type() == QEvent::LayoutRequest &&
                      pWatched == form->scrollAreaWidgetContents) ||
                     (pEvent->type() == QEvent::Resize && pWatched == form->scrollArea))
                fitKeypadArea();
            else if (pEvent->type() == QEvent::Resize && pWatched == form->label_preview)
                showPreview();
        });
    return bConsumed || QWidget::eventFilter(pWatched, pEvent);
}

bool CalculatorUI::filterCalcKey(QKeyEvent* pKey)
{
    if (KeyRules::isKeypadDecimal(*pKey))
    {
        insertText(QStringLiteral("."), InsertKind::Operand);
        return true;
    }
    QLineEdit* pLine = form->lineEdit_calc;
    const InputLine::KeyDecision decision =
        input.key({pKey->key(), pKey->modifiers()},
                  {pLine->text(), pLine->cursorPosition(), pLine->hasSelectedText()});
    switch (decision.action)
    {
    case InputLine::KeyAction::PassOn:
        return false;
    case InputLine::KeyAction::ClearFirst:
        pLine->clear();
        return false;
    case InputLine::KeyAction::Consume:
        return true;
    case InputLine::KeyAction::Calculate:
        button_equals_pressed();
        return true;
    case InputLine::KeyAction::Clear:
        pLine->clear();
        return true;
    case InputLine::KeyAction::Copy:
        copyToClipboard(decision.text);
        return true;
    case InputLine::KeyAction::Show:
        pLine->setText(decision.text);
        return true;
    }
    return false;
}
