#include "HistoryDeleteButtons.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

HistoryDeleteButtons::HistoryDeleteButtons(QTableWidget* pTable, int iColumn, MakeButton makeButton,
                                           Failed failed)
    : table(pTable), column(iColumn), makeButton(std::move(makeButton)), failed(std::move(failed))
{
    // Each of these can bring rows into view or take them out. The view and
    // its header connected first, so the rows' positions are current here.
    QAbstractItemModel* pModel = table->model();
    connect(table->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &HistoryDeleteButtons::syncGuarded);
    // The header tells of each resized row before it places the rows again.
    connect(table->verticalHeader(), &QHeaderView::sectionResized, this,
            &HistoryDeleteButtons::syncLater);
    connect(pModel, &QAbstractItemModel::rowsInserted, this, &HistoryDeleteButtons::syncGuarded);
    connect(pModel, &QAbstractItemModel::rowsRemoved, this, &HistoryDeleteButtons::syncGuarded);
    connect(pModel, &QAbstractItemModel::modelReset, this, &HistoryDeleteButtons::syncGuarded);
    table->viewport()->installEventFilter(this);
}

HistoryDeleteButtons::~HistoryDeleteButtons()
{
    table->viewport()->removeEventFilter(this);
}

bool HistoryDeleteButtons::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::Resize && pWatched == table->viewport())
        syncGuarded();
    return QObject::eventFilter(pWatched, pEvent);
}

void HistoryDeleteButtons::syncLater()
{
    if (syncPending)
        return;
    syncPending = true;
    QMetaObject::invokeMethod(
        this,
        [this]
        {
            syncPending = false;
            syncGuarded();
        },
        Qt::QueuedConnection);
}

void HistoryDeleteButtons::syncGuarded() noexcept
{
    try
    {
        sync();
    }
    catch (const std::exception& e)
    {
        failed(&e);
    }
    catch (...)
    {
        failed(nullptr);
    }
}

void HistoryDeleteButtons::sync()
{
    // The rows in view, [first, last]; none while the table is empty.
    int first = -1;
    int last = -2;
    if (table->rowCount() > 0)
    {
        first = table->rowAt(0);
        last = table->rowAt(table->viewport()->height() - 1);
        if (first < 0)
            last = -2;
        else if (last < 0) // the rows end above the viewport's bottom
            last = table->rowCount() - 1;
    }

    std::erase_if(placed,
                  [&](const Placed& p)
                  {
                      // A removed row's button went with its row (the view
                      // deletes it later: it may be the one being clicked).
                      if (!p.button || !p.index.isValid())
                          return true;
                      const int iRow = p.index.row();
                      if (iRow >= first && iRow <= last)
                          return false;
                      QPointer<QWidget> pButton = p.button;
                      table->removeCellWidget(iRow, column);
                      // At once rather than later: until then the viewport
                      // would move it along with every scroll.
                      delete pButton.data();
                      return true;
                  });

    for (int iRow = std::max(first, 0); iRow <= last; ++iRow)
    {
        if (table->cellWidget(iRow, column))
            continue;
        QWidget* pButton = makeButton();
        placed.push_back({QPersistentModelIndex(table->model()->index(iRow, column)), pButton});
        table->setCellWidget(iRow, column, pButton);
    }
}

int HistoryDeleteButtons::rowOf(const QWidget* pButton) const
{
    for (const Placed& p : placed)
    {
        if (p.button == pButton)
            return p.index.isValid() ? p.index.row() : -1;
    }
    return -1;
}
