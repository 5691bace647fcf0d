#include "CalculatorAccessibility.h"

#include "CalculatorPrivate.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>

namespace
{

const char* const kContext = "CalculatorUI";

struct Text
{
    const char* objectName;
    const char* text;
};

// Buttons whose face is a symbol, an abbreviation or an icon, with what a
// screen reader should say instead. The digits say themselves.
const Text kButtonNames[] = {
    {"button_ch", QT_TRANSLATE_NOOP("CalculatorUI", "Clear history")},
    {"button_copyClip", QT_TRANSLATE_NOOP("CalculatorUI", "Copy to clipboard")},
    {"button_copyCommand", QT_TRANSLATE_NOOP("CalculatorUI", "Copy to command line")},
    {"button_help", QT_TRANSLATE_NOOP("CalculatorUI", "Help")},
    {"button_mc", QT_TRANSLATE_NOOP("CalculatorUI", "Clear memory")},
    {"button_ms", QT_TRANSLATE_NOOP("CalculatorUI", "Set memory")},
    {"button_madd", QT_TRANSLATE_NOOP("CalculatorUI", "Add to memory")},
    {"button_msub", QT_TRANSLATE_NOOP("CalculatorUI", "Subtract from memory")},
    {"button_mr", QT_TRANSLATE_NOOP("CalculatorUI", "Memory recall")},
    {"button_delAll", QT_TRANSLATE_NOOP("CalculatorUI", "Clear all")},
    {"button_del", QT_TRANSLATE_NOOP("CalculatorUI", "Backspace")},
    {"button_multiplication", QT_TRANSLATE_NOOP("CalculatorUI", "Multiply")},
    {"button_divide", QT_TRANSLATE_NOOP("CalculatorUI", "Divide")},
    {"button_plus", QT_TRANSLATE_NOOP("CalculatorUI", "Add")},
    {"button_minus", QT_TRANSLATE_NOOP("CalculatorUI", "Subtract")},
    {"button_decPoint", QT_TRANSLATE_NOOP("CalculatorUI", "Decimal point")},
    {"button_ans", QT_TRANSLATE_NOOP("CalculatorUI", "Last Result")},
    {"button_equals", QT_TRANSLATE_NOOP("CalculatorUI", "Equals")},
    {"button_sqrt", QT_TRANSLATE_NOOP("CalculatorUI", "Square root")},
    {"button_nrt", QT_TRANSLATE_NOOP("CalculatorUI", "Nth root")},
    {"button_10x", QT_TRANSLATE_NOOP("CalculatorUI", "Power of 10")},
    {"button_ex", QT_TRANSLATE_NOOP("CalculatorUI", "Power of e")},
    {"button_e", QT_TRANSLATE_NOOP("CalculatorUI", "Euler's number")},
    {"button_pi", QT_TRANSLATE_NOOP("CalculatorUI", "Pi")},
    {"button_x2", QT_TRANSLATE_NOOP("CalculatorUI", "Square")},
    {"button_x3", QT_TRANSLATE_NOOP("CalculatorUI", "Cube")},
    {"button_xn", QT_TRANSLATE_NOOP("CalculatorUI", "Power")},
    {"button_1divx", QT_TRANSLATE_NOOP("CalculatorUI", "Inverse")},
    {"button_bracketOpen", QT_TRANSLATE_NOOP("CalculatorUI", "Left parenthesis")},
    {"button_bracketClose", QT_TRANSLATE_NOOP("CalculatorUI", "Right parenthesis")},
    {"button_sin", QT_TRANSLATE_NOOP("CalculatorUI", "Sine")},
    {"button_cos", QT_TRANSLATE_NOOP("CalculatorUI", "Cosine")},
    {"button_tan", QT_TRANSLATE_NOOP("CalculatorUI", "Tangent")},
    {"button_asin", QT_TRANSLATE_NOOP("CalculatorUI", "Arcsine")},
    {"button_acos", QT_TRANSLATE_NOOP("CalculatorUI", "Arccosine")},
    {"button_atan", QT_TRANSLATE_NOOP("CalculatorUI", "Arctangent")},
    {"button_log", QT_TRANSLATE_NOOP("CalculatorUI", "Logarithm to a base")},
    {"button_log10", QT_TRANSLATE_NOOP("CalculatorUI", "Log base 10")},
    {"button_ln", QT_TRANSLATE_NOOP("CalculatorUI", "Log base e")},
    {"button_rnd", QT_TRANSLATE_NOOP("CalculatorUI", "Round")},
    {"button_abs", QT_TRANSLATE_NOOP("CalculatorUI", "Absolute value")},
    {"button_trc", QT_TRANSLATE_NOOP("CalculatorUI", "Truncate")},
    {"button_r2d", QT_TRANSLATE_NOOP("CalculatorUI", "Radians to degrees")},
    {"button_d2r", QT_TRANSLATE_NOOP("CalculatorUI", "Degree to radians")},
    {"button_getDistance", QT_TRANSLATE_NOOP("CalculatorUI", "Measure distance")},
    {"button_getAngle", QT_TRANSLATE_NOOP("CalculatorUI", "Measure angle")},
    {"button_getArea", QT_TRANSLATE_NOOP("CalculatorUI", "Measure area")},
    {"button_getCircumference", QT_TRANSLATE_NOOP("CalculatorUI", "Measure circumference")},
    {"button_convert", QT_TRANSLATE_NOOP("CalculatorUI", "Convert")},
};

// The fields: a name, and a description of what goes in. The memory and error
// indicators have no description of their own: their tool tips, which hold
// the value and the message, serve as one.
const Text kFieldNames[] = {
    {"twHistory", QT_TRANSLATE_NOOP("CalculatorUI", "History")},
    {"lineEdit_calc", QT_TRANSLATE_NOOP("CalculatorUI", "Expression")},
    {"label_memory", QT_TRANSLATE_NOOP("CalculatorUI", "Memory in use")},
    {"errorMessage", QT_TRANSLATE_NOOP("CalculatorUI", "Error")},
    {"comboBox_unit", QT_TRANSLATE_NOOP("CalculatorUI", "Units Type")},
    {"comboBox_convertFrom", QT_TRANSLATE_NOOP("CalculatorUI", "Convert from")},
    {"comboBox_convertTo", QT_TRANSLATE_NOOP("CalculatorUI", "Convert to")},
    {"lineEdit_unitConInput", QT_TRANSLATE_NOOP("CalculatorUI", "Value to convert")},
    {"lineEdit_unitConOutput", QT_TRANSLATE_NOOP("CalculatorUI", "Converted value")},
};

const Text kFieldDescriptions[] = {
    {"twHistory",
     QT_TRANSLATE_NOOP("CalculatorUI", "Earlier calculations, one per row: expression and result. "
                                       "Double-click to reuse one; the context menu has more.")},
    {"lineEdit_calc",
     QT_TRANSLATE_NOOP("CalculatorUI", "Type an expression; Return calculates it.")},
    {"comboBox_unit", QT_TRANSLATE_NOOP("CalculatorUI", "What kind of quantity to convert")},
    {"comboBox_convertFrom", QT_TRANSLATE_NOOP("CalculatorUI", "The unit of the value")},
    {"comboBox_convertTo", QT_TRANSLATE_NOOP("CalculatorUI", "The unit to convert into")},
    {"lineEdit_unitConInput",
     QT_TRANSLATE_NOOP("CalculatorUI",
                       "A number; a comma counts as the decimal point. Return converts it.")},
    {"lineEdit_unitConOutput",
     QT_TRANSLATE_NOOP("CalculatorUI", "The value in the unit converted into")},
};

// A push or tool button clicks on Space only, outside a dialog; from the
// keyboard alone Return must do it too.
class ReturnPressesButton : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() != QEvent::KeyPress)
            return false;
        const auto* pKey = static_cast<QKeyEvent*>(pEvent);
        if (pKey->key() != Qt::Key_Return && pKey->key() != Qt::Key_Enter)
            return false;
        // The panel's slots report their own failures; nothing thrown may
        // leave a filter.
        try
        {
            if (auto* pButton = qobject_cast<QAbstractButton*>(pWatched);
                pButton && !pKey->isAutoRepeat())
                pButton->click();
        }
        catch (...)
        {
        }
        return true;
    }
};

template <std::size_t N, class Setter>
void ApplyTexts(QWidget* pPanel, const Text (&texts)[N], Setter set)
{
    for (const Text& entry : texts)
    {
        if (auto* pWidget = pPanel->findChild<QWidget*>(QLatin1String(entry.objectName)))
            (pWidget->*set)(QCoreApplication::translate(kContext, entry.text));
    }
}

void Announce(QWidget* pLine, const QString& text)
{
    // Qt tells of a changed description only; the same result or error twice
    // in a row must be heard twice.
    if (pLine->accessibleDescription() != text)
    {
        pLine->setAccessibleDescription(text);
        return;
    }
    QAccessibleEvent event(pLine, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace

namespace CalculatorAccessibility
{

void describe(QWidget* pPanel)
{
    ApplyTexts(pPanel, kButtonNames, &QWidget::setAccessibleName);
    ApplyTexts(pPanel, kFieldNames, &QWidget::setAccessibleName);
    ApplyTexts(pPanel, kFieldDescriptions, &QWidget::setAccessibleDescription);

    // A container, not a control: Tab would stop on it with nothing to say.
    if (auto* pScroll = pPanel->findChild<QWidget*>(QStringLiteral("scrollArea")))
        pScroll->setFocusPolicy(Qt::NoFocus);
    // Tab moving from cell to cell would keep the keyboard in the history for
    // good; the arrow keys move between cells.
    if (auto* pHistory = pPanel->findChild<QAbstractItemView*>(QStringLiteral("twHistory")))
        pHistory->setTabKeyNavigation(false);

    auto* pReturnFilter = new ReturnPressesButton(pPanel);
    for (QAbstractButton* pButton : pPanel->findChildren<QAbstractButton*>())
        pButton->installEventFilter(pReturnFilter);
}

void orderTabs(QWidget* pPanel)
{
    // The form lists its widgets as a person reads the panel, so the panel's
    // children, depth first, are in that order; but each group took its
    // content away and made its header after everything else, which Qt's
    // chain would visit last.
    QWidget* pPrevious = nullptr;
    for (QWidget* pWidget : pPanel->findChildren<QWidget*>())
    {
        // Popups (a combo box's list) are windows of their own.
        if ((pWidget->focusPolicy() & Qt::TabFocus) != Qt::TabFocus ||
            pWidget->window() != pPanel->window())
            continue;
        if (pPrevious)
            QWidget::setTabOrder(pPrevious, pWidget);
        pPrevious = pWidget;
    }
}

void announceResult(CalculatorForm& form, const QString& strResult)
{
    Announce(form.lineEdit_calc,
             QCoreApplication::translate("CalculatorUI", "Result: %1").arg(strResult));
}

void announceError(CalculatorForm& form, const QString& strMessage)
{
    Announce(form.lineEdit_calc,
             QCoreApplication::translate("CalculatorUI", "Error: %1").arg(strMessage));
}

} // namespace CalculatorAccessibility
