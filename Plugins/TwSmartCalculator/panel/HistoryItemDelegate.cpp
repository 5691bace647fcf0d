#include "HistoryItemDelegate.h"

#include <QWidget>

#include <algorithm>

namespace
{

// Texts are cut at one character per pixel of the cell, never below this.
constexpr qsizetype kMinShownCharacters = 256;

} // namespace

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

void HistoryItemDelegate::updateEditorGeometry(QWidget* pEditor,
                                               const QStyleOptionViewItem& option,
                                               const QModelIndex&) const
{
    // The button fills its cell, as the base class places it, without asking
    // the style: the view repeats this for every row's button on each added
    // row and each scroll.
    if (pEditor)
        pEditor->setGeometry(option.rect);
}
