// The live result under the input line, and exact chaining: a line that
// continues a shown result with an operator is calculated with the result's
// full value (the `ans` text), not with its text rounded to the drawing's
// precision, for as long as the person leaves that leading result alone.

#include "CalculatorPrivate.h"

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
    if (previewEnabled && !resultShown && line.size() <= kMaxPreviewLength)
    {
        QString expr = chainedExpression(line);
        expr.remove(QLatin1Char(' '));
        std::u16string text = expr.toStdU16String();
        text.resize(std::min(text.size(), text.find(u'\0')));
        try
        {
            evaluator.SetAngleUnit(ActiveAngleUnit());
            std::u16string result;
            if (!text.empty())
                evaluator.PreviewResult(text, result, ActiveAccuracy());
            // A plain number previews as itself: nothing worth showing.
            if (!result.empty() && result != text)
                preview = QStringLiteral("= ") + QString::fromStdU16String(result);
        }
        catch (...)
        {
            // Half-typed lines are the rule here, not an error to show.
        }
    }
    form->label_preview->setText(preview);
}

void CalculatorUI::rememberShownResult(const QString& strShown)
{
    chain.shown = strShown;
    chain.full = QString::fromStdU16String(evaluator.GetLastResult());
    chain.lineText = strShown;
    chain.armed = false;
}

void CalculatorUI::armChain()
{
    if (resultShown)
        chain.armed = true;
}

void CalculatorUI::followChain(const QString& strLine)
{
    if (chain.armed)
    {
        const QString& before = chain.lineText;
        const auto mismatch =
            std::mismatch(before.begin(), before.end(), strLine.begin(), strLine.end());
        if (mismatch.first - before.begin() < chain.shown.size())
            chain.armed = false;
    }
    chain.lineText = strLine;
}

QString CalculatorUI::chainedExpression(const QString& strLine)
{
    const qsizetype shown = chain.shown.size();
    if (!chain.armed || strLine.size() <= shown || !strLine.startsWith(chain.shown))
        return strLine;
    const QChar next = strLine.at(shown);
    const bool bOperator =
        next.unicode() < 0x80 && std::find(operatorChars.begin(), operatorChars.end(),
                                           char(next.unicode())) != operatorChars.end();
    // `ans` must still hold the value this result was shown from.
    if (!bOperator || QString::fromStdU16String(evaluator.GetLastResult()) != chain.full)
        return strLine;
    return QStringLiteral("ans") + strLine.mid(shown);
}
