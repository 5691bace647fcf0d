// The history: rows, their reuse, the menu, row deletion and the copy
// buttons. Rows are steps a user takes and what the panel then shows
// (PanelFixture::play).

#include "../support/PanelFixture.h"

#include <QAccessible>
#include <QHeaderView>
#include <QScrollBar>

class TestCalculatorHistory : public QObject, public PanelFixture
{
    Q_OBJECT

private slots:
    void init() { openPanel(); }
    void cleanup() { closePanel(); }

    void rows_data();
    void rows() { playRow(); }
    void menu_data();
    void menu() { playRow(); }
    void copyButtons_data();
    void copyButtons() { playRow(); }
    void columnsStayReadable();
    void longHistory();
};

void TestCalculatorHistory::rows_data()
{
    columns();
    row("a row holds the expression without spaces and the result",
        "calc=2 + 3; ?cell:0,0; ?cell:0,1", "2+3; = 5");
    row("a length keeps the space before its inch fraction, in the row and the result",
        "calc=5' - 6 1/2\"; ?cell:0,0; ?cell:0,1", "5'-6 1/2\"; = 66.5");
    row("a double-clicked result inserts the value ans reads, not the rounded one",
        "drawing=1,0; calc=0.25; line=2*; dclick:0,1; ?line; ?focus", "2*0.25; lineEdit_calc");
    row("a double-clicked expression replaces the line, ready for Return",
        "calc=2+3; calc=7; dclick:0,0; ?line; key:Return; ?line", "2+3; 5");
    row("a chained row writes the full value out, gives its result again and says so",
        "drawing=1,0; calc=0.25; type:*3; ?preview; key:Return; ?line; ?cell:1,0; ?tip:1,0; "
        "?tip:0,0; key:Up; key:Return; ?cell:2,1",
        "= 0.8; 0.8; 0.25*3; Calculated with the full previous result, 0.25.; ; = 0.8");
    row("a delete button deletes its own row, also after rows above it went",
        "calc=1; calc=2; calc=3; calc=4; delete:0; ?current; delete:1; ?cell:0,0; ?cell:1,0",
        "2; 2; 4");
}

void TestCalculatorHistory::menu_data()
{
    columns();
    const QString rows = "calc=sqrt(16); calc=1/3; line=1+; ";
    row("Copy of a result leaves out \"= \"", rows + "menu:0,1,Copy; ?clip", "4");
    row("Paste to command-line sends the cell", rows + "menu:0,0,Paste to command-line; ?cmd",
        "sqrt(16)");
    row("Append expression: at the end, the cursor before its closing bracket",
        rows + "menu:0,0,Append expression to input area; ?line; ?cursor", "1+sqrt(16); 9");
    row("Insert result: at the cursor inside the line",
        rows + "line=1+|0; menu:0,1,Insert result in input area; ?line; ?cursor", "41+; 1");
    row("Clear deletes the row, the last one then current",
        rows + "menu:0,0,Clear; ?rows; ?current", "1; 0");
    row("Clear all, below the rows too", rows + "menu:-1,-1,Clear all; ?rows", "0");
    row("Show live result switches it off and on",
        "line=2+3; ?preview; menu:-1,-1,Show live result; ?preview; "
        "menu:-1,-1,Show live result; ?preview",
        "= 5; ; = 5");
}

void TestCalculatorHistory::copyButtons_data()
{
    columns();
    // The focus goes back where it was.
    const QString panel = "calc=4+7; set:lineEdit_unitConOutput=100; line=12+5; ";
    row("the input line", panel + "focus:lineEdit_calc; button_copyClip; ?clip; ?focus",
        "12+5; lineEdit_calc");
    row("the converted value",
        panel + "focus:lineEdit_unitConOutput; button_copyClip; ?clip; ?focus",
        "100; lineEdit_unitConOutput");
    row("the history's current result", panel + "pick:0,1; button_copyClip; ?clip; ?focus",
        "11; twHistory");
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

QTEST_MAIN(TestCalculatorHistory)
#include "tst_calculatorhistory.moc"
