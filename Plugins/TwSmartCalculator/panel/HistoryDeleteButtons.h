#pragma once
// The history's delete buttons: a real button widget in every row in view,
// none in the others. The view places every cell widget again on each added
// row and each scroll, so one button per row made a calculation cost grow
// with the history; this keeps the count to the rows that fit the viewport.
// Buttons are made as rows scroll in (or the table grows, shrinks or is
// resized) and dropped as they scroll out.

#include <QObject>
#include <QPersistentModelIndex>
#include <QPointer>

#include <exception>
#include <functional>
#include <vector>

class QTableWidget;

class HistoryDeleteButtons : public QObject
{
    Q_OBJECT

public:
    // makeButton returns a new button (made as a row is inserted, before the
    // row has its items); failed hears of anything thrown while the buttons
    // were brought in line (they are retried on the next change).
    using MakeButton = std::function<QWidget*()>;
    using Failed = std::function<void(const std::exception*)>;

    HistoryDeleteButtons(QTableWidget* pTable, int iColumn, MakeButton makeButton, Failed failed);
    ~HistoryDeleteButtons() override;

    // Gives each row in view a button and takes it from each row out of view.
    void sync();
    // The row a button made here stands in now; -1 once its row is gone.
    int rowOf(const QWidget* pButton) const;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void syncGuarded() noexcept;
    // Once, when the events now queued have run.
    void syncLater();

    struct Placed
    {
        QPersistentModelIndex index;
        QPointer<QWidget> button;
    };

    QTableWidget* table;
    int column;
    MakeButton makeButton;
    Failed failed;
    // The buttons this made that the view still holds, a viewport's worth.
    std::vector<Placed> placed;
    bool syncPending = false;
};
