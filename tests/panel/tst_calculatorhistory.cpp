// The history: rows, their reuse, the context menu, row deletion and the
// copy buttons.

#include "../support/PanelFixture.h"

#include <QAccessible>
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
    void init() { openPanel(); }
    void cleanup() { closePanel(); }

    void rowsAndReuse();
    void chainedRow();
    void columnsStayReadable();
    void menuActions_data();
    void menuActions();
    void liveResultSwitch();
    void deleteButtonsFollowTheirRows();
    void longHistory();
    void copyButtonsCopyFromTheLastFocus_data();
    void copyButtonsCopyFromTheLastFocus();

private:
    QPoint cellCentre(int row, int column) const
    {
        return history()->visualItemRect(history()->item(row, column)).center();
    }
    // The tool tip a pause over the cell shows; empty for none.
    QString toolTipAt(int row, int column)
    {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return "(an earlier tool tip stayed up)";
        const QPoint at = cellCentre(row, column);
        QHelpEvent event(QEvent::ToolTip, at, history()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(history()->viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    // Right-clicks at pos (viewport coordinates); returns the menu's entries
    // and chooses the one named choose, if any.
    QStringList openMenu(QPoint pos, const QString& choose = QString())
    {
        QStringList entries;
        QTimer::singleShot(0, this,
                           [&]
                           {
                               auto* pMenu =
                                   qobject_cast<QMenu*>(QApplication::activePopupWidget());
                               QVERIFY(pMenu);
                               QAction* pChosen = nullptr;
                               for (QAction* pAction : pMenu->actions())
                               {
                                   entries << pAction->text();
                                   pChosen = pAction->text() == choose ? pAction : pChosen;
                               }
                               pMenu->close();
                               if (pChosen)
                                   pChosen->trigger();
                           });
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos,
                                history()->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(history()->viewport(), &event);
        return entries;
    }
};

void TestCalculatorHistory::rowsAndReuse()
{
    calculate("2 + 3");
    calculate("1/3");
    QCOMPARE(history()->item(0, 0)->text(), QString("2+3"));
    QCOMPARE(history()->item(1, 1)->text(), QString("= 0.3333"));
    QVERIFY(!(history()->item(1, 0)->flags() & Qt::ItemIsEditable));

    // The result cell gives back the fuller value that "ans" reads.
    setLine("2*");
    auto doubleClick = [this](int row, int column)
    {
        QTest::mouseClick(history()->viewport(), Qt::LeftButton, {}, cellCentre(row, column));
        QTest::mouseDClick(history()->viewport(), Qt::LeftButton, {}, cellCentre(row, column));
    };
    doubleClick(1, 1);
    QVERIFY2(line()->text().startsWith("2*0.333333333"), qPrintable(line()->text()));
    // The expression cell replaces the line and ends the result state.
    calculate("7");
    doubleClick(0, 0);
    QCOMPARE(line()->text(), QString("2+3"));
    QTest::keyClick(line(), Qt::Key_Return);
    QCOMPARE(line()->text(), QString("5"));
}

void TestCalculatorHistory::chainedRow()
{
    // An operator continues the shown result with its full value, in the
    // live result and on Return; the row writes that value out, so that it
    // gives the same result again, and says so.
    openDrawing(0, 0);
    calculate("2/3");
    QTest::keyClicks(line(), "*3");
    QTRY_COMPARE(preview()->text(), QString("= 2"));
    QTest::keyClick(line(), Qt::Key_Return);
    QCOMPARE(line()->text(), QString("2"));
    const QString row = history()->item(1, 0)->text();
    QVERIFY2(row.startsWith("0.666666666") && row.endsWith("*3"), qPrintable(row));
    QCOMPARE(toolTipAt(1, 0), "Calculated with the full previous result, " +
                                  history()->item(0, 1)->data(Qt::UserRole).toString() + ".");
    QCOMPARE(toolTipAt(0, 0), QString());
    QTest::keyClick(line(), Qt::Key_Up);
    QTest::keyClick(line(), Qt::Key_Return);
    QCOMPARE(history()->item(2, 1)->text(), QString("= 2"));
}

void TestCalculatorHistory::columnsStayReadable()
{
    panel->resize(400, 700);
    const QString longExpression = "1" + QString("+1").repeated(100);
    calculate("exp(10)");
    calculate("10^300"); // a result of 301 digits
    calculate(longExpression);
    // One long result takes half the width at most; the expressions keep the
    // rest but the delete button's narrow column (the grid line adds a pixel).
    const QHeaderView* pColumns = history()->horizontalHeader();
    const int width = history()->viewport()->width();
    QTRY_VERIFY(pColumns->sectionSize(1) <= width / 2 + 1);
    QVERIFY(pColumns->sectionSize(0) >= width / 3);
    QVERIFY(pColumns->sectionSize(2) >= 16 && pColumns->sectionSize(2) <= 24);
    // Whatever is cut off shows whole as its tool tip; what fits shows none.
    QCOMPARE(toolTipAt(1, 1).remove('\n'), history()->item(1, 1)->text());
    QCOMPARE(toolTipAt(2, 0).remove('\n'), longExpression);
    QCOMPARE(toolTipAt(0, 1), QString());
}

void TestCalculatorHistory::menuActions_data()
{
    QTest::addColumn<int>("column"); // clicked in the first row; -1: below the rows
    QTest::addColumn<int>("cursor"); // in the line "1+"
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("lineCursor");
    QTest::addColumn<QString>("copied"); // to the clipboard or, pasted, to the command line
    QTest::addColumn<int>("rows");

    // The history holds "sqrt(16)" "= 4" and "1/3" "= 0.3333"; the entry is
    // the row's name up to its colon.
    auto row = [](const char* name, int column, int cursor, const char* line, int lineCursor,
                  const char* copied, int rows)
    {
        QTest::newRow(name) << column << cursor << QString(line) << lineCursor << QString(copied)
                            << rows;
    };
    row("Copy: of a result leaves out \"= \"", 1, 2, "1+", 2, "4", 2);
    row("Paste to command-line: the expression", 0, 2, "1+", 2, "sqrt(16)", 2);
    row("Append expression to input area: one ending with ) leaves the cursor before it", 0, 2,
        "1+sqrt(16)", 9, "", 2);
    row("Insert result in input area: at the cursor, with the cursor inside the line", 1, 0, "41+",
        1, "", 2);
    row("Clear: deletes the row", 0, 2, "1+", 2, "", 1);
    row("Clear all: below the rows too", -1, 2, "1+", 2, "", 0);
}

void TestCalculatorHistory::menuActions()
{
    QFETCH(int, column);
    QFETCH(int, cursor);
    calculate("sqrt(16)");
    calculate("1/3");
    setLine("1+", cursor);
    QGuiApplication::clipboard()->clear();
    const QPoint at = column < 0 ? QPoint(5, 60) : cellCentre(0, column);
    QVERIFY(openMenu(at, QString(QTest::currentDataTag()).section(':', 0, 0)).size() > 0);
    QTEST(line()->text(), "line");
    QTEST(line()->cursorPosition(), "lineCursor");
    QTEST(QGuiApplication::clipboard()->text() + host->commandLine, "copied");
    QTEST(history()->rowCount(), "rows");
}

void TestCalculatorHistory::liveResultSwitch()
{
    setLine("2+3");
    QTRY_COMPARE(preview()->text(), QString("= 5"));
    openMenu(QPoint(5, 60), "Show live result");
    QTRY_VERIFY(preview()->text().isEmpty());
    openMenu(QPoint(5, 60), "Show live result");
    QTRY_COMPARE(preview()->text(), QString("= 5"));
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
    QCOMPARE(history()->currentRow(), 2); // the last row is selected
    QVERIFY(history()->item(2, 0)->isSelected());
    // After the deletion above the button now in row 1 deletes "3".
    clickDelete(1);
    QCOMPARE(history()->rowCount(), 2);
    QCOMPARE(history()->item(0, 0)->text(), QString("2"));
    QCOMPARE(history()->item(1, 0)->text(), QString("4"));
}

// A long history: the newest row in view after a calculation, a wheel turn
// over it scrolls nothing else, a real delete button under the mouse in
// every row in view, each deleting its own row, and none out of view.
void TestCalculatorHistory::longHistory()
{
    QTableWidget* pTable = history();
    for (int i = 0; i < 40; ++i)
        calculate(QString::number(i));
    QScrollBar* pScroll = pTable->verticalScrollBar();
    QCOMPARE(pScroll->value(), pScroll->maximum());
    pScroll->setValue(pScroll->maximum() / 2);
    QWheelEvent wheel({5, 5}, pTable->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(pTable, &wheel);
    QCOMPARE(pScroll->value(), pScroll->maximum() / 2);
    QCoreApplication::processEvents();
    auto buttonAt = [&](int row)
    {
        const QRect cell = pTable->visualRect(pTable->model()->index(row, 2));
        const QRect shown = cell.intersected(pTable->viewport()->rect());
        return qobject_cast<QAbstractButton*>(
            shown.isEmpty() ? nullptr : pTable->viewport()->childAt(shown.center()));
    };
    QStringList expressions;
    for (int row = 0; row < pTable->rowCount(); ++row)
    {
        expressions << pTable->item(row, 0)->text();
        const bool bInView = pTable->viewport()->rect().intersects(
            pTable->visualRect(pTable->model()->index(row, 2)));
        QVERIFY2(bInView == (buttonAt(row) != nullptr), qPrintable(QString::number(row)));
        QVERIFY2(bInView == (pTable->cellWidget(row, 2) != nullptr),
                 qPrintable(QString::number(row)));
    }
    // The middle row in view goes, and only it, also when a screen reader
    // presses the button (no click gives it the focus, and so its row).
    const int row = pTable->rowAt(pTable->viewport()->height() / 2);
    QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(buttonAt(row));
    QVERIFY(pAccessible && !pAccessible->text(QAccessible::Name).isEmpty());
    pAccessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    expressions.removeAt(row);
    // The press shows as a short click animation before the button clicks.
    QTRY_COMPARE(pTable->rowCount(), expressions.size());
    for (int r = 0; r < pTable->rowCount(); ++r)
        QCOMPARE(pTable->item(r, 0)->text(), expressions.at(r));
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
    child<QLineEdit>(panel.get(), "lineEdit_unitConOutput")->setText("100");
    setLine("12+5");
    QWidget* pFocus = child<QWidget>(panel.get(), focused.toLatin1().constData());
    pFocus->setFocus();
    QTRY_VERIFY(pFocus->hasFocus());
    click("button_copyClip");
    QTEST(QGuiApplication::clipboard()->text(), "copied");
    QVERIFY(pFocus->hasFocus()); // given back
}

QTEST_MAIN(TestCalculatorHistory)
#include "tst_calculatorhistory.moc"
