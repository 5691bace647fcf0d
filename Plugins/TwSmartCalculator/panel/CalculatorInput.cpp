// The input line: text insertion, the keypad and function buttons, the
// calculation, the error indication and the keys the panel handles itself.

#include "CalculatorAccessibility.h"
#include "CalculatorPrivate.h"
#include "DeadKeyNativeEventFilter.h"
#include "HistoryItemDelegate.h"
#include "InsertedNumber.h"
#include "KeyRules.h"

#include <CTwDocument.h>
#include <CTwSystemServices.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

void CalculatorUI::insertText(const QString& text, InsertKind kind)
{
    if (text.isEmpty())
        return;
    if (resultShown && kind == InsertKind::Operator)
        armChain();
    QLineEdit* pLine = form->lineEdit_calc;
    QString line = pLine->text();
    int pos = pLine->cursorPosition();
    const int len = int(line.size());

    auto isOperator = [this](QChar c)
    {
        return c.unicode() < 0x80 && std::find(operatorChars.begin(), operatorChars.end(),
                                               char(c.unicode())) != operatorChars.end();
    };
    // Between two operands the cursor is not at a boundary: after an operator
    // or ")" (or at the start), and before an operator, "(" or the end.
    auto atBoundary = [&]
    {
        if (pos != len && !isOperator(line.at(pos)) && line.at(pos) != QLatin1Char('('))
            return false;
        return pos == 0 || isOperator(line.at(pos - 1)) || line.at(pos - 1) == QLatin1Char(')');
    };

    if (kind == InsertKind::Function && !atBoundary())
    {
        // The function wraps the whole line (or the shown result, as "ans").
        QString wrapped = text;
        wrapped.insert(wrapped.size() - 1, resultShown ? QStringLiteral("ans") : line);
        pLine->setText(wrapped);
        resultShown = false;
        if (text.size() >= 2 && text.at(text.size() - 2) == QLatin1Char(','))
            pLine->setCursorPosition(int(text.size()) - 2);
        return;
    }
    if ((resultShown && kind != InsertKind::Operator) ||
        (kind == InsertKind::Number && !atBoundary()))
    {
        line.clear();
        pos = 0;
    }

    line.insert(pos, text);
    pLine->setText(line);
    resultShown = false;
    int cursor = pos + int(text.size());
    if (text.endsWith(QLatin1Char(')')) && !insertingClosingBracket)
        --cursor;
    if (text.size() > 1 && text.at(text.size() - 2) == QLatin1Char(','))
        --cursor;
    pLine->setCursorPosition(cursor);
}

void CalculatorUI::insertNumber(double value, InsertKind kind)
{
    insertText(InsertedNumberText(value), kind);
}

void CalculatorUI::pressKey(const QString& text, InsertKind kind)
{
    guarded([&] { insertText(text, kind); });
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
    insertingClosingBracket = true;
    pressKey(QStringLiteral(")"), InsertKind::Operand);
    insertingClosingBracket = false;
}

void CalculatorUI::button_del_pressed()
{
    // The button edits a shown result like any text and keeps the state.
    const bool bResultShown = resultShown;
    form->lineEdit_calc->setFocus();
    form->lineEdit_calc->backspace();
    resultShown = bResultShown;
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
    followChain(form->lineEdit_calc->text());
    refreshPreview();
}

void CalculatorUI::showError(const QString& strMessage)
{
    form->errorMessage->setText(QStringLiteral("!"));
    form->errorMessage->setToolTip(strMessage);
    CalculatorAccessibility::announceError(*form, strMessage);
}

bool CalculatorUI::runCalculation(QString strExpr, std::u16string& strResult)
{
    strExpr.remove(QLatin1Char(' '));
    if (strExpr.isEmpty())
        return false;
    const int iAccuracy = ActiveAccuracy();
    std::u16string expr = strExpr.toStdU16String();
    expr.resize(std::min(expr.size(), expr.find(u'\0')));
    try
    {
        evaluator.GetResult(std::move(expr), strResult, iAccuracy);
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
    if (resultShown)
        return;
    guarded(
        [this]
        {
            QString expr = form->lineEdit_calc->text();
            expr.remove(QLatin1Char(' '));
            const QString strChained = chainedExpression(form->lineEdit_calc->text());
            const bool bChained = strChained != form->lineEdit_calc->text();
            const QString strFullValue = chain.full;
            evaluator.SetAngleUnit(ActiveAngleUnit());
            std::u16string result;
            if (!runCalculation(strChained, result))
                return;
            const QString strResult = QString::fromStdU16String(result);
            // The result state first: the text change then shows no preview.
            resultShown = true;
            form->lineEdit_calc->setText(strResult);
            rememberShownResult(strResult);
            CalculatorAccessibility::announceResult(*form, strResult);
            // The row shows the line as the person saw it.
            addHistoryRow(expr, strResult, QString::fromStdU16String(evaluator.GetLastResult()));
            if (bChained)
            {
                QTableWidget* pHistory = form->twHistory;
                if (QTableWidgetItem* pItem = pHistory->item(pHistory->rowCount() - 1, 0))
                    pItem->setData(
                        kHistoryNoteRole,
                        tr("Calculated with the full previous result, %1.").arg(strFullValue));
            }
            form->errorMessage->setToolTip(QString());
            form->twHistory->scrollToBottom();
        });
    form->lineEdit_calc->setFocus();
}

bool CalculatorUI::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    bool bConsumed = false;
    guarded(
        [&]
        {
            if (pWatched == form->lineEdit_calc && deadKeyFilter->filterEvent(pEvent))
                bConsumed = true;
            else if (pEvent->type() == QEvent::KeyPress)
            {
                auto* pKey = static_cast<QKeyEvent*>(pEvent);
                if (pWatched == form->lineEdit_calc)
                    bConsumed = filterCalcKey(pKey);
                else if (pWatched == form->lineEdit_unitConInput)
                    bConsumed = filterUnitInputKey(pKey);
            }
            else if (pEvent->type() == QEvent::Wheel && pWatched == form->twHistory &&
                     form->twHistory->rowCount() > 0)
            {
                pEvent->accept();
                bConsumed = true;
            }
        });
    return bConsumed || QWidget::eventFilter(pWatched, pEvent);
}

bool CalculatorUI::filterCalcKey(QKeyEvent* pKey)
{
    const int key = pKey->key();
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_CapsLock)
        return true;
    if (KeyRules::isKeypadDecimal(*pKey))
    {
        insertText(QStringLiteral("."), InsertKind::Operand);
        return true;
    }
    // "=" is never part of an expression: typed, it calculates as its button does.
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
        key == Qt::Key_Equal)
    {
        button_equals_pressed();
        return true;
    }
    if (key == Qt::Key_Escape)
    {
        form->lineEdit_calc->clear();
        return true;
    }
    // The keyboard moving on to another control leaves the result as it is.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false;
    if (resultShown)
    {
        // An operator continues with the result; any other key starts anew.
        const bool bContinues = key == Qt::Key_Asterisk || key == Qt::Key_Plus ||
                                key == Qt::Key_Minus || key == Qt::Key_Slash ||
                                key == Qt::Key_Dead_Circumflex;
        if (bContinues)
            armChain();
        else
            form->lineEdit_calc->clear();
        resultShown = false;
    }
    return false;
}
