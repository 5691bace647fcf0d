// The live result under the input line: what Return would give, chaining
// included (see InputLine), in the drawing's precision and angle unit, and
// in a drawing in feet and inches also as a length in its format.

#include "CalculatorPrivate.h"
#include "HistoryItemDelegate.h"

#include <LengthText.h>

#include <QTimer>

#include <algorithm>

namespace
{

// One preview of a line this long takes about 2 ms on the machines we
// measured (bench_panel, BM_PreviewAfterKeystroke); longer lines, pasted
// rather than typed, show none, so that no keystroke waits for it.
constexpr qsizetype kMaxPreviewLength = 100'000;

} // namespace

void CalculatorUI::setPreviewEnabled(bool bEnabled)
{
    previewEnabled = bEnabled;
    refreshPreview();
}

void CalculatorUI::refreshPreview()
{
    // Deferred to the event loop: many edits in a row cost one evaluation,
    // made once the result state they leave behind is settled.
    if (previewTimer)
        previewTimer->start();
}

void CalculatorUI::updatePreview()
{
    QString preview;
    const QString line = form->lineEdit_calc->text();
    if (previewEnabled && !input.isResultShown() && line.size() <= kMaxPreviewLength)
    {
        const QString expr = input.calculation(line, lastResultText()).expression;
        std::u16string text = MyTools::WithoutSpaces(expr.toStdU16String());
        text.resize(std::min(text.size(), text.find(u'\0')));
        try
        {
            evaluator.SetAngleUnit(angleUnit());
            std::u16string result;
            double value = 0.0;
            if (!text.empty())
                evaluator.PreviewResult(text, result, accuracy(), value);
            // A plain number previews as itself: nothing worth showing.
            if (!result.empty() && result != text)
                preview = QStringLiteral("= ") + QString::fromStdU16String(result) +
                          lengthBeside(value);
        }
        catch (...)
        {
            // Half-typed lines are the rule here, not an error to show.
        }
    }
    previewText = preview;
    showPreview();
}

void CalculatorUI::showPreview()
{
    // A result of hundreds of digits must neither widen the panel nor show
    // only its end.
    QLabel* pLabel = form->label_preview;
    const QString shown =
        pLabel->fontMetrics().elidedText(previewText, Qt::ElideRight, pLabel->width());
    pLabel->setText(shown);
    pLabel->setToolTip(shown == previewText ? QString() : LongTextToolTip(previewText));
}

QString CalculatorUI::lengthBeside(double dValue) const
{
    // The line keeps the decimal result, which computes; the length beside
    // it is for reading only.
    const std::optional<PanelHost::Drawing> drawing = host->activeDrawing();
    if (!drawing || drawing->lengthUnits < 3 || drawing->lengthUnits > 5)
        return QString();
    return QStringLiteral("  (%1)").arg(
        QString::fromStdString(LengthText(dValue, drawing->lengthUnits, drawing->precision)));
}
