// The history table: one row per successful calculation (expression, "= "
// and result, a delete button), its reuse, copying and context menu, and the
// place it keeps: a deletion or a resize leaves the view where it was, and
// Clear all can be undone once.

#include "CalculatorPrivate.h"
#include "HistoryDeleteButtons.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>

namespace
{

constexpr int kIconDelete = 2;
constexpr int kDeleteColumn = 2;
constexpr int kColumns = 3;

void ScheduleButtonDeletion(QTableWidget* pTable, int iRow)
{
    if (QWidget* pButton = pTable->cellWidget(iRow, kDeleteColumn))
    {
        // A click already queued must not reach a row that is gone.
        pButton->disconnect();
        pButton->deleteLater();
    }
}

} // namespace

QTableWidgetItem* CalculatorUI::makeHistoryItem(const QString& text)
{
    auto* pItem = new QTableWidgetItem(text);
    pItem->setFlags(pItem->flags() & ~Qt::ItemIsEditable);
    return pItem;
}

void CalculatorUI::addHistoryRow(const QString& strExpr, const QString& strResult,
                                 const QString& strPreviousResult)
{
    QTableWidget* pTable = form->twHistory;
    // A new calculation ends the chance to undo Clear all.
    clearedHistory.reset();
    const int iRow = pTable->rowCount();
    pTable->insertRow(iRow);

    QTableWidgetItem* pResult = makeHistoryItem(QStringLiteral("= ") + strResult);
    // As an int: a QFlags value would register its type with Qt from inside
    // the module, and Qt would read that registration from the closed
    // library after an unload.
    pResult->setData(Qt::TextAlignmentRole, int(Qt::AlignRight | Qt::AlignVCenter));
    pResult->setData(Qt::UserRole, strPreviousResult);
    QTableWidgetItem* pDelete = makeHistoryItem(QString());
    pDelete->setFlags(Qt::ItemIsEnabled);
    pTable->setItem(iRow, 0, makeHistoryItem(strExpr));
    pTable->setItem(iRow, 1, pResult);
    pTable->setItem(iRow, kDeleteColumn, pDelete);
    // Its delete button comes with the row into view (HistoryDeleteButtons).
}

QWidget* CalculatorUI::makeDeleteButton()
{
    auto* pButton = new QPushButton(form->twHistory);
    pButton->setIcon(host->icon(kIconDelete));
    pButton->setIconSize(QSize(16, 16));
    pButton->setFlat(true);
    // Without text the button would have no name for a screen reader.
    pButton->setAccessibleName(tr("Delete this row"));
    // The row is looked up when clicked: earlier deletions move it up. A
    // button whose row has left the table deletes the current row (-1).
    connect(pButton, &QPushButton::clicked, this,
            [this, pButton] { button_cr_pressed(deleteButtons->rowOf(pButton)); });
    return pButton;
}

QString CalculatorUI::historyItemText(const QTableWidgetItem* pItem) const
{
    if (!pItem || !pItem->tableWidget())
        return QString();
    switch (pItem->column())
    {
    case 0:
        return pItem->text();
    case 1:
        return pItem->text().mid(2); // without "= "
    default:
        return QString();
    }
}

void CalculatorUI::button_cr_pressed(int iRow)
{
    guarded(
        [&]
        {
            QTableWidget* pTable = form->twHistory;
            if (iRow < 0)
                iRow = pTable->currentRow();
            if (iRow < 0 || iRow >= pTable->rowCount())
                return;
            // The view stays where it was, and the row that takes the deleted
            // row's place on screen becomes current: the next one, or where
            // the rows end, the one above, which moves down.
            QScrollBar* pScroll = pTable->verticalScrollBar();
            const int scrollValue = pScroll->value();
            const int place = pTable->rowViewportPosition(iRow) + pTable->rowHeight(iRow) / 2;
            ScheduleButtonDeletion(pTable, iRow);
            pTable->removeRow(iRow);
            input.historyChanged();
            // The view would shorten its scroll range later; where the rows
            // end, that moves them, so it must happen before looking.
            pTable->doItemsLayout();
            int next = pTable->rowAt(place);
            if (next < 0)
                next = std::min(iRow, pTable->rowCount() - 1);
            if (next >= 0)
                pTable->setCurrentCell(next, 0);
            // Making a half-shown row current would scroll it into view.
            pScroll->setValue(scrollValue);
        });
}

void CalculatorUI::button_ch_pressed()
{
    guarded(
        [this]
        {
            QTableWidget* pTable = form->twHistory;
            // Clearing an empty history keeps what an earlier clear took.
            if (pTable->rowCount() > 0)
            {
                ClearedHistory cleared;
                cleared.scrollValue = pTable->verticalScrollBar()->value();
                cleared.currentRow = pTable->currentRow();
                cleared.items.reserve(std::size_t(pTable->rowCount()) * kColumns);
                for (int iRow = 0; iRow < pTable->rowCount(); ++iRow)
                {
                    for (int iColumn = 0; iColumn < kColumns; ++iColumn)
                    {
                        const QTableWidgetItem* pItem = pTable->item(iRow, iColumn);
                        cleared.items.emplace_back(pItem ? pItem->clone() : nullptr);
                    }
                }
                clearedHistory = std::move(cleared);
            }
            for (int iRow = 0; iRow < pTable->rowCount(); ++iRow)
                ScheduleButtonDeletion(pTable, iRow);
            pTable->clear();
            pTable->setRowCount(0);
            input.historyChanged();
        });
    form->lineEdit_calc->setFocus();
}

void CalculatorUI::undoClearHistory()
{
    guarded(
        [this]
        {
            QTableWidget* pTable = form->twHistory;
            // Only a calculation adds rows, and it drops what was cleared.
            if (!clearedHistory || pTable->rowCount() > 0)
                return;
            ClearedHistory cleared = std::move(*clearedHistory);
            clearedHistory.reset();
            const int rows = int(cleared.items.size() / kColumns);
            pTable->setRowCount(rows);
            for (std::size_t i = 0; i < cleared.items.size(); ++i)
                pTable->setItem(int(i / kColumns), int(i % kColumns), cleared.items[i].release());
            input.historyChanged();
            if (cleared.currentRow >= 0 && cleared.currentRow < rows)
                pTable->setCurrentCell(cleared.currentRow, 0);
            pTable->verticalScrollBar()->setValue(cleared.scrollValue);
        });
}

void CalculatorUI::followNewestRow()
{
    // A resize changes how many rows fit, and so the scroll bar's range:
    // where the newest row was shown, the view goes with the range's end;
    // elsewhere it stays on the rows it showed.
    QScrollBar* pScroll = form->twHistory->verticalScrollBar();
    connections.push_back(connect(pScroll, &QScrollBar::valueChanged, this,
                                  [this, pScroll](int value)
                                  { historyAtNewest = value == pScroll->maximum(); }));
    connections.push_back(connect(pScroll, &QScrollBar::rangeChanged, this,
                                  [this, pScroll](int, int maximum)
                                  {
                                      if (historyAtNewest)
                                          pScroll->setValue(maximum);
                                  }));
}

void CalculatorUI::loadHistoryItem(int iRow, int column)
{
    guarded(
        [&]
        {
            QTableWidgetItem* pItem = form->twHistory->item(iRow, column);
            if (!pItem)
                return;
            if (column == 0)
            {
                // The row as calculated, not chained on whatever is shown now.
                input.replaced();
                form->lineEdit_calc->setText(pItem->text());
            }
            else
            {
                // The fuller previous result text, not the rounded one shown.
                insertText(pItem->data(Qt::UserRole).toString(), InsertKind::Operand);
            }
            // Return calculates what was just reused.
            form->lineEdit_calc->setFocus(Qt::OtherFocusReason);
        });
}

QString CalculatorUI::selectedText() const
{
    const QObject* pLast = focusTracker.lastFocused();
    if (pLast == form->twHistory && form->twHistory->currentItem())
        return historyItemText(form->twHistory->currentItem());
    if (pLast == form->lineEdit_unitConOutput)
        return form->lineEdit_unitConOutput->text();
    if (pLast == form->lineEdit_calc)
        return form->lineEdit_calc->text();
    return QString();
}

void CalculatorUI::copyToClipboard(const QString& text)
{
    if (QClipboard* pClipboard = QGuiApplication::clipboard())
        pClipboard->setText(text, QClipboard::Clipboard);
}

void CalculatorUI::giveFocusBack()
{
    if (auto* pWidget = qobject_cast<QWidget*>(focusTracker.lastFocused()))
        pWidget->setFocus();
}

void CalculatorUI::button_copyToClip_pressed()
{
    guarded(
        [this]
        {
            copyToClipboard(selectedText());
            giveFocusBack();
        });
}

void CalculatorUI::button_copyToCommand_pressed()
{
    guarded(
        [this]
        {
            // The keyboard stays with the host's command line, so that Return
            // answers its prompt with the text.
            sendToCommandLine(selectedText());
        });
}

void CalculatorUI::sendToCommandLine(const QString& text)
{
    host->sendToCommandLine(text);
    if (QWidget* pWindow = host->mainWindow())
        pWindow->activateWindow();
}

void CalculatorUI::showHistoryContextMenu(const QPoint& pos)
{
    guarded(
        [&]
        {
            QTableWidget* pTable = form->twHistory;
            const int iRow = pTable->rowAt(pos.y());
            const int iColumn = pTable->columnAt(pos.x());
            QPointer<QMenu> pMenu = new QMenu(this);
            bool bPaste = false;
            QString text;

            if (iRow >= 0)
            {
                text = historyItemText(pTable->item(iRow, iColumn));
                pMenu->addAction(tr("Copy"), this,
                                 [this, text] { guarded([&] { copyToClipboard(text); }); });
                // Pasted once the menu is gone, which would otherwise give the
                // keyboard back to the table.
                pMenu->addAction(tr("Paste to command-line"), this, [&bPaste] { bPaste = true; });
                const bool bAtEnd =
                    form->lineEdit_calc->cursorPosition() == form->lineEdit_calc->text().size();
                if (iColumn == 0)
                {
                    pMenu->addAction(bAtEnd ? tr("Append expression to input area")
                                            : tr("Insert expression in input area"),
                                     this,
                                     [this, text]
                                     { guarded([&] { insertText(text, InsertKind::Operand); }); });
                }
                else if (iColumn == 1)
                {
                    pMenu->addAction(bAtEnd ? tr("Append result to input area")
                                            : tr("Insert result in input area"),
                                     this, [this, iRow] { loadHistoryItem(iRow, 1); });
                }
                pMenu->addAction(tr("Clear"), this, [this, iRow] { button_cr_pressed(iRow); });
            }
            pMenu->addAction(tr("Clear all"), this, &CalculatorUI::button_ch_pressed)
                ->setEnabled(pTable->rowCount() > 0);
            QAction* pUndo = pMenu->addAction(tr("Undo clear"), this, [this] { undoClearHistory(); });
            pUndo->setShortcut(QKeySequence::Undo);
            pUndo->setEnabled(clearedHistory.has_value());
            pMenu->addSeparator();
            QAction* pPreview = pMenu->addAction(tr("Show live result"));
            pPreview->setCheckable(true);
            pPreview->setChecked(previewEnabled);
            connect(pPreview, &QAction::toggled, this,
                    [this](bool bOn) { guarded([&] { setPreviewEnabled(bOn); }); });

            pMenu->exec(pTable->mapToGlobal(pos));
            // Gone already if the host took the panel down meanwhile.
            const bool bStillHere = !pMenu.isNull();
            delete pMenu;
            if (bStillHere && bPaste)
                sendToCommandLine(text);
        });
}
