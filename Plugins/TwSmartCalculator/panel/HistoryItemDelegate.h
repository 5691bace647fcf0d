#pragma once
// Draws the history's cells and places the rows' delete buttons. The view
// calls it for every visible cell on each repaint and for every button in view
// on each layout, so it must stay cheap for long texts and long histories.
// It also keeps the result column from taking more than half the table, and
// shows the whole text of a cell that is cut off as its tool tip, with the
// cell's note (kHistoryNoteRole) below it.

#include <QStyledItemDelegate>

// A line of its own in a cell's tool tip: how the row was calculated, or its
// result as a length in feet and inches.
inline constexpr int kHistoryNoteRole = Qt::UserRole + 1;

// A tool tip for a text shown cut off: in lines a screen holds, and only the
// start of a pasted monster.
QString LongTextToolTip(const QString& text);

class HistoryItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* pEditor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* pEvent, QAbstractItemView* pView, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    void initStyleOption(QStyleOptionViewItem* pOption, const QModelIndex& index) const override;
};
