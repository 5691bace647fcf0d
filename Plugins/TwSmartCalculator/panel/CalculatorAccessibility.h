#pragma once
// What assistive technology reads of the panel and how the keyboard alone
// works it. The form's symbols ("√(x)", "←") and icons say nothing to a
// screen reader, so every such button gets a name in words; the fields get
// names and descriptions; Tab runs through the panel as a person reads it;
// Return presses a focused button as Space does.
//
// The outcome of a calculation is announced on the input line, which has the
// keyboard once it is done: its description becomes "Result: ..." or
// "Error: ..." and a description change goes out even when the text repeats.
// All texts are in the context "CalculatorUI", like the form's.

class CalculatorForm;
class QString;
class QWidget;

namespace CalculatorAccessibility
{

// Once the form is set up: names, descriptions, Return on buttons.
void describe(QWidget* pPanel);
// Once the collapsible groups exist: each header before its content.
void orderTabs(QWidget* pPanel);
void announceResult(CalculatorForm& form, const QString& strResult);
void announceError(CalculatorForm& form, const QString& strMessage);

} // namespace CalculatorAccessibility
