#include "HistoryItemDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace
{

// Texts are cut at one character per pixel of the cell, never below this.
constexpr qsizetype kMinShownCharacters = 256;
constexpr int kResultColumn = 1;
constexpr qsizetype kToolTipCharacters = 2000;
constexpr qsizetype kToolTipLineCharacters = 80;

} // namespace

QString LongTextToolTip(const QString& text)
{
    const QString shown = text.left(kToolTipCharacters);
    QStringList lines;
    for (qsizetype start = 0; start < shown.size(); start += kToolTipLineCharacters)
        lines << shown.mid(start, kToolTipLineCharacters);
    QString tip = lines.join(QLatin1Char('\n'));
    if (text.size() > shown.size())
        tip += QChar(0x2026); // "…"
    return tip;
}

QSize HistoryItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    // One long result must not squeeze every expression to a few characters.
    const auto* pView = qobject_cast<const QAbstractItemView*>(parent());
    if (index.column() == kResultColumn && pView)
        size.setWidth(std::min(size.width(), pView->viewport()->width() / 2));
    return size;
}

void HistoryItemDelegate::initStyleOption(QStyleOptionViewItem* pOption,
                                          const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(pOption, index);
    // The style shapes the whole text to elide it, on every repaint: a pasted
    // megabyte cost about half a second each time its row was in view.
    // History texts are ASCII and no ASCII glyph is narrower than a pixel, so
    // the cut text elides to the same visible prefix.
    QString& text = pOption->text;
    qsizetype shown = std::max<qsizetype>(pOption->rect.width(), kMinShownCharacters);
    if (text.size() <= shown)
        return;
    if (text.at(shown - 1).isHighSurrogate())
        --shown;
    text.truncate(shown);
}

void HistoryItemDelegate::updateEditorGeometry(QWidget* pEditor, const QStyleOptionViewItem& option,
                                               const QModelIndex&) const
{
    // The button fills its cell, as the base class places it, without asking
    // the style: the view repeats this for every button in view on each added
    // row and each scroll.
    if (pEditor)
        pEditor->setGeometry(option.rect);
}

bool HistoryItemDelegate::helpEvent(QHelpEvent* pEvent, QAbstractItemView* pView,
                                    const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (!pEvent || !pView || pEvent->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(pEvent, pView, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    // The style elides within the text rectangle less a margin on each side.
    QStyle* pStyle = pView->style();
    const int margin = pStyle->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, pView) + 1;
    const int room =
        pStyle->subElementRect(QStyle::SE_ItemViewItemText, &cell, pView).width() - 2 * margin;
    const bool bCut =
        cell.text.size() < text.size() || cell.fontMetrics.horizontalAdvance(cell.text) > room;
    QStringList tip;
    if (bCut)
        tip << LongTextToolTip(text);
    const QString note = index.data(kHistoryNoteRole).toString();
    if (!note.isEmpty())
        tip << note;
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(pEvent->globalPos(), tip.join(QStringLiteral("\n\n")), pView->viewport(),
                           option.rect);
    return true;
}
