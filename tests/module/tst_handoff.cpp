// Where the keyboard goes when work passes between the panel and the host,
// and what the host's command line keeps: text pasted there is answered
// with Return in the command line; a reused history entry or a measured
// value leaves the keyboard in the panel's input line, docked or floating;
// the panel's measurement takes back text left on the command line; the
// panel's live result follows the drawing's settings as commands change them.

#include "ModuleTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>

class TestHandOff : public QObject, public ModuleHost
{
    Q_OBJECT

private slots:
    void init()
    {
        start();
        run({"SMARTCALCULATOR"});
        activate(runtime->mainWindow());
    }
    void cleanup() { stop(); }

    void pasteGivesTheCommandLineTheKeyboard_data();
    void pasteGivesTheCommandLineTheKeyboard();
    void reusedHistoryKeepsTheKeyboardInTheLine_data();
    void reusedHistoryKeepsTheKeyboardInTheLine();
    void measuredValueKeepsTheKeyboardInTheLine_data();
    void measuredValueKeepsTheKeyboardInTheLine();
    void measurementTakesBackCommandLineText_data();
    void measurementTakesBackCommandLineText();
    void previewFollowsTheDrawing();

private:
    static void activate(QWidget* pWindow)
    {
        QApplication::setActiveWindow(pWindow);
        QVERIFY(QTest::qWaitForWindowActive(pWindow));
    }
    QLineEdit* commandInput() const
    {
        return runtime->mainWindow()->findChild<QLineEdit*>("commandInput");
    }
    QTableWidget* history() const { return panelChild<QTableWidget>("twHistory"); }
    void calculate(const QString& strExpr)
    {
        line()->setFocus();
        QTest::keyClicks(line(), strExpr);
        QTest::keyClick(line(), Qt::Key_Return);
    }
    QPoint cellCentre(int row, int column) const
    {
        return history()->visualItemRect(history()->item(row, column)).center();
    }
    // Right-clicks the cell and chooses strEntry from its menu.
    void chooseFromMenu(int row, int column, const QString& strEntry)
    {
        QTimer::singleShot(0, this,
                           [strEntry]
                           {
                               auto* pMenu =
                                   qobject_cast<QMenu*>(QApplication::activePopupWidget());
                               QVERIFY(pMenu);
                               for (QAction* pAction : pMenu->actions())
                               {
                                   if (pAction->text() == strEntry)
                                   {
                                       pMenu->setActiveAction(pAction);
                                       QTest::keyClick(pMenu, Qt::Key_Return);
                                       return;
                                   }
                               }
                               pMenu->close();
                               QFAIL("no such menu entry");
                           });
        QWidget* pViewport = history()->viewport();
        const QPoint pos = cellCentre(row, column);
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, pViewport->mapToGlobal(pos));
        QApplication::sendEvent(pViewport, &event);
    }
};

void TestHandOff::pasteGivesTheCommandLineTheKeyboard_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<bool>("floating");
    QTest::newRow("the copy-to-command-line button, docked") << false << false;
    QTest::newRow("the copy-to-command-line button, floating") << false << true;
    QTest::newRow("the history menu's paste, docked") << true << false;
    QTest::newRow("the history menu's paste, floating") << true << true;
}

void TestHandOff::pasteGivesTheCommandLineTheKeyboard()
{
    QFETCH(bool, fromMenu);
    QFETCH(bool, floating);
    if (floating)
    {
        dock()->setFloating(true);
        activate(dock());
    }
    calculate("6*7");
    if (fromMenu)
        chooseFromMenu(0, 1, "Paste to command-line");
    else
        click("button_copyCommand");

    QCOMPARE(commandInput()->text(), QString("42"));
    QTRY_COMPARE(QApplication::activeWindow(), runtime->mainWindow());
    QTRY_COMPARE(QApplication::focusWidget(), commandInput());
    // Return now enters the text at the host's prompt.
    runtime->commandLine().clearMessages();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(runtime->processor().isQuiet());
    QCOMPARE(runtime->commandLine().messages().value(0), QString("Command: 42"));
}

void TestHandOff::reusedHistoryKeepsTheKeyboardInTheLine_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("reused");
    QTest::newRow("the expression, double-clicked") << 0 << "6*7";
    QTest::newRow("the result, double-clicked") << 1 << "42";
}

void TestHandOff::reusedHistoryKeepsTheKeyboardInTheLine()
{
    QFETCH(int, column);
    calculate("6*7");
    line()->clear();
    history()->setFocus();
    QTest::mouseClick(history()->viewport(), Qt::LeftButton, {}, cellCentre(0, column));
    QTest::mouseDClick(history()->viewport(), Qt::LeftButton, {}, cellCentre(0, column));
    QTEST(line()->text(), "reused");
    QCOMPARE(QApplication::focusWidget(), line());
    // Return calculates what was reused.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(line()->text(), QString("42"));
    QCOMPARE(history()->rowCount(), 2);
}

void TestHandOff::measuredValueKeepsTheKeyboardInTheLine_data()
{
    QTest::addColumn<bool>("floating");
    QTest::newRow("docked") << false;
    QTest::newRow("floating") << true;
}

void TestHandOff::measuredValueKeepsTheKeyboardInTheLine()
{
    QFETCH(bool, floating);
    if (floating)
        dock()->setFloating(true);
    // The person clicks the tool, then points in the drawing: the host's
    // window has the keyboard while it measures.
    click("button_getDistance");
    activate(runtime->mainWindow());
    run({"0,0", "3,4"});
    QCOMPARE(line()->text(), QString("5"));
    QTRY_COMPARE(QApplication::activeWindow(), line()->window());
    QTRY_COMPARE(QApplication::focusWidget(), line());
}

void TestHandOff::measurementTakesBackCommandLineText_data()
{
    QTest::addColumn<bool>("pasted");
    QTest::newRow("text typed on the command line without Return") << false;
    QTest::newRow("text the panel pasted there") << true;
}

void TestHandOff::measurementTakesBackCommandLineText()
{
    QFETCH(bool, pasted);
    if (pasted)
    {
        calculate("15");
        click("button_copyCommand");
    }
    else
    {
        commandInput()->setFocus();
        QTest::keyClicks(commandInput(), "abc");
    }
    QVERIFY(!commandInput()->text().isEmpty());
    click("button_getDistance");
    QCOMPARE(commandInput()->text(), QString());
    // Typed answers start afresh at the panel's prompt.
    runtime->input().setInteractive(true);
    QTimer answer;
    connect(&answer, &QTimer::timeout, this,
            [&]
            {
                if (!runtime->input().isWaitingForPoint())
                    return;
                QTest::keyClicks(commandInput(), "3,4");
                QTest::keyClick(commandInput(), Qt::Key_Return);
            });
    answer.start(5);
    QTRY_VERIFY(runtime->processor().isQuiet() && dock()->widget()->isEnabled());
    answer.stop();
    QVERIFY(runtime->commandLine().messages().contains("Specify first point: 3,4"));
    QCOMPARE(line()->text(), QString("0"));
}

void TestHandOff::previewFollowsTheDrawing()
{
    auto* pPreview = panelChild<QLabel>("label_preview");
    QVERIFY(pPreview);
    line()->setFocus();
    QTest::keyClicks(line(), "asin(1)/7");
    QTRY_COMPARE(pPreview->text(), QString("= 12.8571"));
    run({"LUPREC", "2"});
    QTRY_COMPARE(pPreview->text(), QString("= 12.86"));
    run({"AUNITS", "3"});
    QTRY_COMPARE(pPreview->text(), QString("= 0.22"));
    // No drawing: degrees and 4 decimals.
    run({"CLOSE"});
    QTRY_COMPARE(pPreview->text(), QString("= 12.8571"));
}

QTEST_MAIN(TestHandOff)
#include "tst_handoff.moc"
