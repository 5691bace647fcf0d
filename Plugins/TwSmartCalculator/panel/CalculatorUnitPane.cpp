// The unit conversion pane: unit lists that follow the unit type, and the
// converted value, which follows every change of the type, the units and the
// value at once. Positions in the combo boxes are all the pane knows of a
// selection; the catalogue turns them into ids. What a value text means and
// what to show for it is decided in ConvertValueText; this file only wires
// the widgets to it.

#include "CalculatorPrivate.h"
#include "KeyRules.h"

#include <UnitCatalogue.h>
#include <UnitConverter.h>
#include <UnitValueText.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QValidator>

namespace
{

QString UnitText(const char* pszSource)
{
    return QCoreApplication::translate("CalculatorUI", pszSource);
}

// Takes every text as it stands, so that nothing typed is lost or changed
// behind the user's back; only spaces around a pasted value go (" 7 " copied
// from a table is 7). A text that is no number is shown as such instead.
class UnitValueValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        const QString trimmed = input.trimmed();
        if (trimmed.size() != input.size())
        {
            qsizetype leading = 0;
            while (leading < input.size() && input.at(leading).isSpace())
                ++leading;
            pos = int(qBound<qsizetype>(0, pos - leading, trimmed.size()));
            input = trimmed;
        }
        return Acceptable;
    }
};

// The layouts between the pane and its scroll area give a wrapped label the
// height of its preferred width, not of the width it got: at a narrow panel a
// long message would lose its last lines. Its minimum height follows instead.
// (Measured from the text: the label's own heightForWidth never goes below
// its minimum height, so it could not shrink again.)
void FitWrappedHeight(QLabel* pLabel)
{
    const QMargins margins = pLabel->contentsMargins();
    const int width = pLabel->width() - margins.left() - margins.right();
    int height = 0;
    if (!pLabel->text().isEmpty() && width > 0)
        height =
            pLabel->fontMetrics()
                .boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::TextWordWrap, pLabel->text())
                .height() +
            margins.top() + margins.bottom();
    if (height != pLabel->minimumHeight())
        pLabel->setMinimumHeight(height);
}

class WrappedHeightKeeper : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        try
        {
            if (pEvent->type() == QEvent::Resize)
                FitWrappedHeight(static_cast<QLabel*>(pWatched));
        }
        catch (...)
        {
        }
        return false;
    }
};

UnitType SelectedType(int iPosition)
{
    return iPosition >= 0 && iPosition < int(UnitTypes().size()) ? UnitType(iPosition)
                                                                 : UnitType::Length;
}

// Why the pane shows no converted value; empty when there is nothing to say.
QString ConversionMessage(ConversionStatus status, bool bAsked)
{
    switch (status)
    {
    case ConversionStatus::NotANumber:
        return QCoreApplication::translate(
            "CalculatorUI",
            "Not a number. The value takes digits, one decimal point or comma, a sign and an "
            "exponent, as in -2,5 or 1.5e-3; from Feet or Inches also feet and inches, as in "
            "5'-6 1/2\".");
    case ConversionStatus::TooLarge:
        return QCoreApplication::translate("CalculatorUI", "The value is too large to convert.");
    case ConversionStatus::Incomplete:
        // Said only when asked: "1e" on the way to "1e5" is no mistake.
        if (bAsked)
            return QCoreApplication::translate("CalculatorUI", "The number is incomplete.");
        break;
    case ConversionStatus::Converted:
    case ConversionStatus::Empty:
        break;
    }
    return QString();
}

} // namespace

void CalculatorUI::setUpUnitPane()
{
    for (const UnitTypeEntry& entry : UnitTypes())
        form->comboBox_unit->addItem(QIcon(), UnitText(entry.text));
    unitConversionTypeChanged();
    form->lineEdit_unitConInput->setValidator(new UnitValueValidator(this));
    form->label_unitConMessage->hide();
    form->label_unitConMessage->installEventFilter(
        new WrappedHeightKeeper(form->label_unitConMessage));
    const auto follow = [this] { showConversion(false); };
    connections.push_back(
        connect(form->lineEdit_unitConInput, &QLineEdit::textChanged, this, follow));
    for (QComboBox* pList : {form->comboBox_convertFrom, form->comboBox_convertTo})
        connections.push_back(connect(pList, &QComboBox::currentIndexChanged, this, follow));
}

void CalculatorUI::unitConversionTypeChanged()
{
    guarded(
        [this]
        {
            const int iType = form->comboBox_unit->currentIndex();
            if (iType < 0 || iType >= int(UnitTypes().size()))
                return;
            QStringList texts;
            for (const UnitEntry& unit : UnitsOf(UnitType(iType)))
                texts << UnitText(unit.text);
            // One conversion once both lists are refilled, not one per item
            // with the other list still holding the old type's units.
            for (QComboBox* pList : {form->comboBox_convertFrom, form->comboBox_convertTo})
            {
                const QSignalBlocker blocker(pList);
                pList->clear();
                pList->addItems(texts);
            }
        });
    showConversion(false);
}

void CalculatorUI::button_convert_pressed()
{
    showConversion(true);
    form->lineEdit_unitConInput->setFocus();
}

void CalculatorUI::showConversion(bool bAsked)
{
    guarded(
        [&]
        {
            QLabel* pMessage = form->label_unitConMessage;
            const QString strBefore = pMessage->isHidden() ? QString() : pMessage->text();
            // Should anything below fail, no earlier value stays beside the new input.
            form->lineEdit_unitConOutput->clear();
            pMessage->hide();
            const UnitType type = SelectedType(form->comboBox_unit->currentIndex());
            const Conversion conversion =
                ConvertValueText(type, UnitIdAt(type, form->comboBox_convertFrom->currentIndex()),
                                 UnitIdAt(type, form->comboBox_convertTo->currentIndex()),
                                 form->lineEdit_unitConInput->text().toStdU16String());
            form->lineEdit_unitConOutput->setText(QString::fromStdString(conversion.text));
            // A text wider than the field reads from its start.
            form->lineEdit_unitConOutput->setCursorPosition(0);
            const QString strMessage = ConversionMessage(conversion.status, bAsked);
            pMessage->setText(strMessage);
            FitWrappedHeight(pMessage);
            pMessage->setVisible(!strMessage.isEmpty());
            if (!strMessage.isEmpty() && strMessage != strBefore)
            {
                // A new message grows the pane, often below the part of the
                // panel in view: the layouts run now, so that its place is known.
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                form->scrollArea->ensureWidgetVisible(pMessage);
            }
        });
}

bool CalculatorUI::filterUnitInputKey(QKeyEvent* pKey)
{
    QLineEdit* pInput = form->lineEdit_unitConInput;
    const int key = pKey->key();
    // A point whatever the layout prints on the key; typed like any other
    // character, so a second one shows as no number instead of vanishing.
    if (KeyRules::isKeypadDecimal(*pKey))
    {
        pInput->insert(QStringLiteral("."));
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
    {
        button_convert_pressed();
        return true;
    }
    if (key == Qt::Key_Escape)
    {
        pInput->clear();
        return true;
    }
    return false;
}
