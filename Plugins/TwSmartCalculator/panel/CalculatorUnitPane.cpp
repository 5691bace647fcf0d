// The unit conversion pane: unit lists that follow the unit type, and the
// conversion of the typed value. Positions in the combo boxes are all the
// pane knows of a selection; the catalogue turns them into ids.

#include "CalculatorPrivate.h"

#include <UnitCatalogue.h>
#include <UnitConverter.h>
#include <UnitValueText.h>

#include <QCoreApplication>

namespace
{

QString UnitText(const char* pszSource)
{
    return QCoreApplication::translate("CalculatorUI", pszSource);
}

} // namespace

void CalculatorUI::setUpUnitPane()
{
    for (const UnitTypeEntry& entry : UnitTypes())
        form->comboBox_unit->addItem(QIcon(), UnitText(entry.text));
    unitConversionTypeChanged();
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
        bool bOk = false;
        double value = form->lineEdit_unitConInput->text().toDouble(&bOk);
        if (!bOk)
            value = 0.0; // the empty text and a lone "."
        UnitConverter converter(type, UnitIdAt(type, form->comboBox_convertFrom->currentIndex()),
                                UnitIdAt(type, form->comboBox_convertTo->currentIndex()), value);
        form->lineEdit_unitConOutput->setText(
            QString::fromStdString(ConvertedValueText(converter.Convert())));
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
