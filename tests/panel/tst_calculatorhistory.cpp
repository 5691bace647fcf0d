// The history: rows, their reuse, the context menu, row deletion and the
// copy buttons.

#include "../support/PanelFixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>

class TestCalculatorHistory : public QObject, public PanelFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        openPanel();
        // The host's window is up behind the panel, for a paste to activate.
        host->window.show();
        QApplication::setActiveWindow(panel.get());
        QTRY_COMPARE(QApplication::activeWindow(), panel.get());
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { closePanel(); }

    void rowsAndReuse();
    void columnsStayReadable();

    void menuEntries_data();
    void menuEntries();

    void menuActions_data();
    void menuActions();

    void deleteButtonsFollowTheirRows();
    void deleteButtonsOnlyInRowsInView_data();
    void deleteButtonsOnlyInRowsInView();
    void clearAllOnEmptyHistory();
    void liveResultSwitch();
    void chainedRow();
    void newestRowShownAndWheelConsumed();

    void copyButtonsCopyFromTheLastFocus_data();
    void copyButtonsCopyFromTheLastFocus();

private:
    QPoint cellCentre(int row, int column) const
    {
        return history()->visualItemRect(history()->item(row, column)).center();
    }
    void doubleClick(int row, int column)
    {
        // A double click follows a click on the same cell.
        QTest::mouseClick(history()->viewport(), Qt::LeftButton, {}, cellCentre(row, column));
        QTest::mouseDClick(history()->viewport(), Qt::LeftButton, {}, cellCentre(row, column));
    }
    // The tool tip a pause over the cell shows; empty for none.
    QString toolTipAt(int row, int column)
    {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return QStringLiteral("(an earlier tool tip stayed up)");
        const QPoint at = cellCentre(row, column);
        QHelpEvent event(QEvent::ToolTip, at, history()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(history()->viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    // Right-clicks at pos (viewport coordinates); returns the entries of the
    // menu and chooses the one named choose, if any.
    QStringList openMenu(QPoint pos, const QString& choose = QString());
};

QStringList TestCalculatorHistory::openMenu(QPoint pos, const QString& choose)
{
    QStringList entries;
    QTimer::singleShot(0, this,
                       [&]
                       {
                           auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                           QVERIFY(pMenu);
                           QAction* pChosen = nullptr;
                           for (QAction* pAction : pMenu->actions())
                           {
                               entries << pAction->text();
                               if (pAction->text() == choose)
                                   pChosen = pAction;
                           }
                           pMenu->close();
                           if (pChosen)
                               pChosen->trigger();
                       });
    QWidget* pViewport = history()->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, pViewport->mapToGlobal(pos));
    QApplication::sendEvent(pViewport, &event);
    return entries;
}

void TestCalculatorHistory::rowsAndReuse()
{
    calculate("2 + 3");
    calculate("1/3");
    QCOMPARE(history()->rowCount(), 2);
    QCOMPARE(history()->item(0, 0)->text(), QString("2+3"));
    QCOMPARE(history()->item(0, 1)->text(), QString("= 5"));
    QCOMPARE(history()->item(1, 1)->text(), QString("= 0.3333"));
    QVERIFY(!(history()->item(1, 0)->flags() & Qt::ItemIsEditable));

    // The result cell gives back the fuller value that "ans" reads.
    setLine("2*");
    doubleClick(1, 1);
    QCOMPARE(line()->text(), QString("2*0.3333333333"));

    // The expression cell replaces the line and ends the result state.
    calculate("7");
    doubleClick(0, 0);
    QCOMPARE(line()->text(), QString("2+3"));
    QTest::keyClick(line(), Qt::Key_Return);
    QCOMPARE(line()->text(), QString("5"));
    QCOMPARE(history()->rowCount(), 4);
}

void TestCalculatorHistory::columnsStayReadable()
{
    panel->resize(400, 700);
    const QString longExpression = "1" + QString("+1").repeated(100);
    calculate("exp(10)");
    calculate("10^300"); // a result of 301 digits
    calculate(longExpression);

    // One long result takes half the width at most; the expressions keep the
    // rest but the delete button's narrow column.
    const QHeaderView* pColumns = history()->horizontalHeader();
    const int width = history()->viewport()->width();
    // (The grid line adds a pixel.)
    QTRY_VERIFY(pColumns->sectionSize(1) <= width / 2 + 1);
    QVERIFY(pColumns->sectionSize(0) >= width / 3);
    QVERIFY(pColumns->sectionSize(2) >= 16 && pColumns->sectionSize(2) <= 24);

    // Whatever is cut off shows whole as its tool tip; what fits shows none.
    QCOMPARE(toolTipAt(1, 1).remove('\n'), history()->item(1, 1)->text());
    QCOMPARE(toolTipAt(2, 0).remove('\n'), longExpression);
    QCOMPARE(toolTipAt(0, 0), QString());
    QCOMPARE(toolTipAt(0, 1), QString());
}

void TestCalculatorHistory::menuEntries_data()
{
    QTest::addColumn<int>("column"); // -1: below the last row
    QTest::addColumn<bool>("cursorAtEnd");
    QTest::addColumn<QStringList>("entries");

    const QString copy = "Copy", paste = "Paste to command-line", clear = "Clear",
                  clearAll = "Clear all", live = "Show live result";
    QTest::newRow("expression cell, cursor at the end")
        << 0 << true
        << QStringList{copy, paste, "Append expression to input area", clear, clearAll, "", live};
    QTest::newRow("result cell, cursor inside")
        << 1 << false
        << QStringList{copy, paste, "Insert result in input area", clear, clearAll, "", live};
    QTest::newRow("below the last row: clear all and the live result switch")
        << -1 << true << QStringList{clearAll, "", live};
}

void TestCalculatorHistory::menuEntries()
{
    QFETCH(int, column);
    QFETCH(bool, cursorAtEnd);
    calculate("2+3");
    setLine("12", cursorAtEnd ? 2 : 1);
    const QPoint pos =
        column >= 0 ? cellCentre(0, column) : QPoint(5, history()->rowViewportPosition(0) + 60);
    QTEST(openMenu(pos), "entries");
}

void TestCalculatorHistory::menuActions_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("hostActive");

    // The history holds "sqrt(16)" "= 4" and "1/3" "= 0.3333"; the first row
    // is clicked; the line reads "1+" with the cursor at its end.
    QTest::newRow("Copy of a result leaves out \"= \"") << 1 << "Copy"
                                                        << "1+" << 2 << "4"
                                                        << "" << 2 << false;
    QTest::newRow("Paste puts the text on the command line") << 0 << "Paste to command-line"
                                                             << "1+" << 2 << ""
                                                             << "sqrt(16)" << 2 << true;
    QTest::newRow("an expression ending with ) leaves the cursor before it")
        << 0 << "Append expression to input area"
        << "1+sqrt(16)" << 9 << ""
        << "" << 2 << false;
    QTest::newRow("a result is inserted as its fuller text") << 1 << "Append result to input area"
                                                             << "1+4" << 3 << ""
                                                             << "" << 2 << false;
    QTest::newRow("Clear deletes the row") << 0 << "Clear"
                                           << "1+" << 2 << ""
                                           << "" << 1 << false;
    QTest::newRow("Clear all deletes every row") << 0 << "Clear all"
                                                 << "1+" << 2 << ""
                                                 << "" << 0 << false;
}

void TestCalculatorHistory::menuActions()
{
    QFETCH(int, column);
    QFETCH(QString, entry);
    calculate("sqrt(16)");
    calculate("1/3");
    setLine("1+");
    QGuiApplication::clipboard()->clear();
    QCOMPARE(QApplication::activeWindow(), panel.get());

    openMenu(cellCentre(0, column), entry);
    QFETCH(bool, hostActive);
    if (hostActive) // (a closed menu leaves no window active here otherwise)
        QTRY_COMPARE(QApplication::activeWindow(), &host->window);
    QTEST(line()->text(), "line");
    QTEST(line()->cursorPosition(), "cursor");
    QTEST(QGuiApplication::clipboard()->text(), "clipboard");
    QTEST(host->commandLine, "commandLine");
    QTEST(history()->rowCount(), "rows");
}

void TestCalculatorHistory::deleteButtonsFollowTheirRows()
{
    for (const char* expr : {"1", "2", "3", "4"})
        calculate(expr);
    // Clicks the button the user sees in the row's last cell.
    auto clickDelete = [this](int row)
    {
        auto* pButton =
            qobject_cast<QAbstractButton*>(history()->viewport()->childAt(cellCentre(row, 2)));
        QVERIFY2(pButton, "no button in the row's last cell");
        QTest::mouseClick(pButton, Qt::LeftButton);
    };
    clickDelete(0);
    QCOMPARE(history()->rowCount(), 3);
    QCOMPARE(history()->currentRow(), 2); // the last row is selected
    QVERIFY(history()->item(2, 0)->isSelected());

    // After the deletion above the button now in row 1 deletes "3".
    clickDelete(1);
    QCOMPARE(history()->rowCount(), 2);
    QCOMPARE(history()->item(0, 0)->text(), QString("2"));
    QCOMPARE(history()->item(1, 0)->text(), QString("4"));
}

// What changes the rows in view before the buttons are checked.
enum class ViewChange
{
    None,
    ScrollToMiddle,
    DeleteInView,
    ShorterRows,
    TallerTable,
};

void TestCalculatorHistory::deleteButtonsOnlyInRowsInView_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("the newest rows in view after the calculations") << int(ViewChange::None);
    QTest::newRow("rows scrolled in get buttons, rows scrolled out lose theirs")
        << int(ViewChange::ScrollToMiddle);
    QTest::newRow("a row deleted in view leaves the buttons with their rows")
        << int(ViewChange::DeleteInView);
    QTest::newRow("more rows fitting the view get buttons") << int(ViewChange::ShorterRows);
    QTest::newRow("a taller table gives the rows it uncovers buttons")
        << int(ViewChange::TallerTable);
}

// A long history keeps a real delete button under the mouse in every row in
// view, each deleting its own row, and none in the rows out of view.
void TestCalculatorHistory::deleteButtonsOnlyInRowsInView()
{
    QFETCH(int, change);
    QTableWidget* pTable = history();
    for (int i = 0; i < 40; ++i)
        calculate(QString::number(i));
    // The button under the mouse in the part of the row's last cell in view.
    auto buttonAt = [&](int row)
    {
        const QRect cell = pTable->visualRect(pTable->model()->index(row, 2));
        const QRect shown = cell.intersected(pTable->viewport()->rect());
        return qobject_cast<QAbstractButton*>(
            shown.isEmpty() ? nullptr : pTable->viewport()->childAt(shown.center()));
    };
    switch (ViewChange(change))
    {
    case ViewChange::None:
        break;
    case ViewChange::ScrollToMiddle:
        pTable->verticalScrollBar()->setValue(pTable->verticalScrollBar()->maximum() / 2);
        break;
    case ViewChange::DeleteInView:
    {
        // A row in the middle of the view: the buttons below it move up.
        const int row = pTable->rowAt(pTable->viewport()->height() / 2);
        QVERIFY(buttonAt(row));
        QTest::mouseClick(buttonAt(row), Qt::LeftButton);
        break;
    }
    case ViewChange::ShorterRows:
        pTable->scrollToTop();
        pTable->verticalHeader()->setMinimumSectionSize(8);
        pTable->verticalHeader()->setDefaultSectionSize(10);
        break;
    case ViewChange::TallerTable:
        pTable->scrollToTop();
        pTable->setMinimumHeight(pTable->height() + 100);
        QTRY_VERIFY(pTable->viewport()->height() > 250);
        break;
    }
    QCoreApplication::processEvents();

    QStringList expressions;
    int inView = 0;
    for (int row = 0; row < pTable->rowCount(); ++row)
    {
        expressions << pTable->item(row, 0)->text();
        const QRect cell = pTable->visualRect(pTable->model()->index(row, 2));
        const bool bInView = pTable->viewport()->rect().intersects(cell);
        inView += bInView;
        QAbstractButton* pButton = buttonAt(row);
        QVERIFY2(bInView == (pButton != nullptr),
                 qPrintable(QStringLiteral("row %1, in view: %2").arg(row).arg(bInView)));
        QVERIFY2(bInView == (pTable->cellWidget(row, 2) != nullptr),
                 qPrintable(QString::number(row)));
        if (pButton)
            QVERIFY2(!pButton->accessibleName().isEmpty(), "a name a screen reader can say");
    }
    QVERIFY2(inView > 1 && inView < pTable->rowCount(), "a part of the rows in view");

    // The middle row in view goes, and only it, also when a screen reader
    // presses the button (no click gives it the focus, and so its row).
    const int row = pTable->rowAt(pTable->viewport()->height() / 2);
    QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(buttonAt(row));
    QVERIFY(pAccessible && pAccessible->actionInterface());
    pAccessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    expressions.removeAt(row);
    // The press shows as a short click animation before the button clicks.
    QTRY_COMPARE(pTable->rowCount(), expressions.size());
    QStringList left;
    for (int r = 0; r < pTable->rowCount(); ++r)
        left << pTable->item(r, 0)->text();
    QCOMPARE(left, expressions);
}

void TestCalculatorHistory::clearAllOnEmptyHistory()
{
    child<QWidget>(panel.get(), "comboBox_unit")->setFocus();
    click("button_ch");
    QCOMPARE(history()->rowCount(), 0);
    QCOMPARE(history()->columnCount(), 3);
    QVERIFY(line()->hasFocus());
}

void TestCalculatorHistory::liveResultSwitch()
{
    const QPoint belowRows(5, 60);
    setLine("2+3");
    QTRY_COMPARE(preview()->text(), QString("= 5"));
    openMenu(belowRows, "Show live result");
    QTRY_VERIFY(preview()->text().isEmpty());
    setLine("4+3");
    QTest::qWait(20);
    QVERIFY(preview()->text().isEmpty());
    openMenu(belowRows, "Show live result");
    QTRY_COMPARE(preview()->text(), QString("= 7"));
}

void TestCalculatorHistory::chainedRow()
{
    // An operator continues the shown result with its full value, in the
    // live result and on Return; the row says so.
    calculate("1/3");
    QTest::keyClicks(line(), "*3");
    QTRY_COMPARE(preview()->text(), QString("= 1"));
    QTest::keyClick(line(), Qt::Key_Return);
    QCOMPARE(line()->text(), QString("1"));
    QCOMPARE(history()->item(1, 0)->text(), QString("0.3333*3"));
    QCOMPARE(toolTipAt(1, 0), QString("Calculated with the full previous result, 0.3333333333."));
    QCOMPARE(toolTipAt(0, 0), QString());
}

void TestCalculatorHistory::newestRowShownAndWheelConsumed()
{
    for (int i = 0; i < 30; ++i)
        calculate(QString::number(i));
    QScrollBar* pScroll = history()->verticalScrollBar();
    QVERIFY2(pScroll->maximum() > 0, "more rows than the table shows");
    QCOMPARE(pScroll->value(), pScroll->maximum());
    QVERIFY(history()->viewport()->rect().contains(cellCentre(29, 0)));

    history()->scrollToTop();
    const QPointF at(5, 5);
    QWheelEvent wheel(at, history()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(history(), &wheel);
    QVERIFY(wheel.isAccepted());
    QCOMPARE(history()->verticalScrollBar()->value(), 0);
}

void TestCalculatorHistory::copyButtonsCopyFromTheLastFocus_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("copied");

    QTest::newRow("the input line") << "lineEdit_calc"
                                    << "12+5";
    QTest::newRow("the converted value") << "lineEdit_unitConOutput"
                                         << "100";
    QTest::newRow("the history's current result") << "twHistory"
                                                  << "11";
}

void TestCalculatorHistory::copyButtonsCopyFromTheLastFocus()
{
    QFETCH(QString, focused);
    calculate("4+7");
    history()->setCurrentCell(0, 1);
    auto* pOutput = child<QLineEdit>(panel.get(), "lineEdit_unitConOutput");
    pOutput->setText("100");
    setLine("12+5");
    QGuiApplication::clipboard()->setText("untouched");

    QWidget* pFocus = child<QWidget>(panel.get(), focused.toLatin1().constData());
    pFocus->setFocus();
    QTRY_VERIFY(pFocus->hasFocus());
    click("button_copyClip");
    QTEST(QGuiApplication::clipboard()->text(), "copied");
    QVERIFY(pFocus->hasFocus()); // given back

    QCOMPARE(QApplication::activeWindow(), panel.get());
    click("button_copyCommand");
    QTEST(host->commandLine, "copied");
    QTRY_COMPARE(QApplication::activeWindow(), &host->window);
}

QTEST_MAIN(TestCalculatorHistory)
#include "tst_calculatorhistory.moc"
