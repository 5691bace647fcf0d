#pragma once
// Draws the history's cells and places the rows' delete buttons. The view
// calls it for every visible cell on each repaint and for every row's button
// on each layout, so it must stay cheap for long texts and long histories.

#include <QStyledItemDelegate>

class HistoryItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void updateEditorGeometry(QWidget* pEditor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* pOption, const QModelIndex& index) const override;
};
