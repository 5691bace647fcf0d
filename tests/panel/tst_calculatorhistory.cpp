// The history: rows, their reuse, the menu, row deletion and the copy
// buttons. Rows are steps a user takes and what the panel then shows
// (PanelFixture::play).

#include "../support/PanelFixture.h"

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
    void place_data();
    void place() { playRow(); }
    void tenThousandRows();
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
}

void TestCalculatorHistory::place_data()
{
    columns();
    const QString rows = "rows=40; ";
    row("a delete button deletes its row; the view stays, the next row takes its place",
        rows + "scroll=10; delete:14; ?top; ?current; ?cell:14,0; delete:14; ?cell:14,0",
        "10; 14; 15; 16");
    row("where the rows end, the row above moves into the place; the newest stays in view",
        rows + "delete:38; ?current; ?cell:37,0; ?cell:38,0; ?newest", "37; 37; 39; shown");
    row("Clear all is undone once by Ctrl+Z, with the view and current row it had",
        rows + "scroll=10; pick:12,0; button_ch; ?rows; focus:twHistory; key:ctrl+Z; ?rows; "
               "?top; ?current; key:ctrl+Z; ?rows",
        "0; 40; 10; 12; 40");
    row("the menu's Undo clear, until the next calculation",
        "calc=1; calc=2; menu:-1,-1,Clear all; menu:-1,-1,Undo clear; ?rows; "
        "menu:-1,-1,Clear all; calc=3; menu:-1,-1,Undo clear; ?rows",
        "2; 1");
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
    row("Clear deletes the row, the next one then current",
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

// Nothing lost and nothing hangs at either end of a long history. (Rows
// added to a hidden panel: a shown one repaints every row.)
void TestCalculatorHistory::tenThousandRows()
{
    panel->hide();
    for (int i = 0; i < 10'000; ++i)
        panel->addHistoryRow(QString::number(i), QString::number(i), QString::number(i));
    panel->show();
    QApplication::setActiveWindow(panel.get());
    for (int row : {0, 5'000, 9'997})
        panel->button_cr_pressed(row);
    QCOMPARE(play("?rows; ?cell:0,0; ?cell:4999,0; ?cell:5000,0; ?cell:9996,0; ?current; ?newest; "
                  "button_ch; focus:twHistory; key:ctrl+Z; ?rows; ?cell:9996,0; ?newest"),
             QString("9997; 1; 5000; 5002; 9998; 9996; shown; 9997; 9998; shown"));
}

QTEST_MAIN(TestCalculatorHistory)
#include "tst_calculatorhistory.moc"
