// The unit conversion pane: unit lists that follow the unit type, and the
// conversion of the typed value. Positions in the combo boxes are all the
// pane knows of a selection; the catalogue turns them into ids.

#include "CalculatorPrivate.h"
#include "KeyRules.h"

#include <UnitCatalogue.h>
#include <UnitConverter.h>
#include <UnitValueText.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QToolTip>
#include <QValidator>

#include <cmath>

namespace
{

QString UnitText(const char* pszSource)
{
    return QCoreApplication::translate("CalculatorUI", pszSource);
}

// Digits with at most one decimal point: no sign, exponent or space. A comma
// becomes the point as it is typed or pasted, so that "2,5" from a German
// keyboard is 2.5 and not 25; a text with both, or with two of either, is
// refused whole.
class UnitValueValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        input.replace(QLatin1Char(','), QLatin1Char('.'));
        bool bPoint = false;
        for (const QChar c : input)
        {
            if (c == QLatin1Char('.') && !bPoint)
                bPoint = true;
            else if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        }
        return Acceptable;
    }
};

} // namespace

void CalculatorUI::setUpUnitPane()
{
    for (const UnitTypeEntry& entry : UnitTypes())
        form->comboBox_unit->addItem(QIcon(), UnitText(entry.text));
    unitConversionTypeChanged();
    form->lineEdit_unitConInput->setValidator(new UnitValueValidator(this));
    // A refused key or paste changes nothing; the hint says why.
    connections.push_back(connect(form->lineEdit_unitConInput, &QLineEdit::inputRejected, this,
                                  [this] { guarded([this] { showValueHint(); }); }));
}

void CalculatorUI::showValueHint()
{
    QLineEdit* pInput = form->lineEdit_unitConInput;
    QToolTip::showText(pInput->mapToGlobal(QPoint(0, pInput->height())),
                       tr("Only digits and one decimal point"), pInput);
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
            for (QComboBox* pList : {form->comboBox_convertFrom, form->comboBox_convertTo})
            {
                pList->clear();
                pList->addItems(texts);
            }
        });
}

void CalculatorUI::button_convert_pressed()
{
    try
    {
        const int iType = form->comboBox_unit->currentIndex();
        const UnitType type =
            (iType >= 0 && iType < int(UnitTypes().size())) ? UnitType(iType) : UnitType::Length;
        double value = 0.0;
        const QByteArray text = form->lineEdit_unitConInput->text().toLatin1();
        const bool bInRange = ReadValueText(std::string_view(text.constData(), text.size()), value);
        UnitConverter converter(type, UnitIdAt(type, form->comboBox_convertFrom->currentIndex()),
                                UnitIdAt(type, form->comboBox_convertTo->currentIndex()), value);
        const double converted = converter.Convert();
        // Beyond the double range a number would show as "inf" or, read
        // silently as 0, as a wrong value.
        form->lineEdit_unitConOutput->setText(
            bInRange && std::isfinite(converted)
                ? QString::fromStdString(ConvertedValueText(converted))
                : tr("The value is too large to convert."));
        // A text wider than the field reads from its start.
        form->lineEdit_unitConOutput->setCursorPosition(0);
    }
    catch (const std::exception& e)
    {
        form->lineEdit_unitConOutput->setText(QString::fromLocal8Bit(e.what()));
    }
    catch (...)
    {
    }
    form->lineEdit_unitConInput->setFocus();
}

bool CalculatorUI::filterUnitInputKey(QKeyEvent* pKey)
{
    QLineEdit* pInput = form->lineEdit_unitConInput;
    const int key = pKey->key();
    if (KeyRules::isKeypadDecimal(*pKey))
    {
        QString text = pInput->text();
        if (!text.contains(QLatin1Char('.')))
        {
            const int pos = pInput->cursorPosition();
            text.insert(pos, QLatin1Char('.'));
            pInput->setText(text);
            pInput->setCursorPosition(pos + 1);
        }
        else
            showValueHint();
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
