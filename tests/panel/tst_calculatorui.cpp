// The panel as built: how its room is shared at three sizes, the unit
// conversion group scrolled into view, its look in either theme, the German catalogue, and what assistive technology and the
// keyboard alone make of it: names in words, announced outcomes, Return on
// buttons, Tab in reading order.

#include "../support/Contrast.h"
#include "../support/PanelFixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QTranslator>

class TestCalculatorUI : public QObject, public PanelFixture
{
    Q_OBJECT

private slots:
    void init() { openPanel(); }
    void cleanup()
    {
        closePanel();
        qApp->setPalette(QPalette());
    }

    void geometry_data();
    void geometry();
    void unitPaneComesIntoView();
    void theme_data();
    void theme();
    void germanCatalogue();
    void controlsAreNamedInWords();
    void keyboardAndReaders_data();
    void keyboardAndReaders() { playRow(); }
    void tabFollowsReadingOrder();

private:
    // As the host switches its theme: a dark or light palette, which reaches
    // the widgets through posted events.
    void switchTheme(bool bDark)
    {
        host->dark = bDark;
        QPalette palette;
        if (bDark)
        {
            palette.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x2d));
            palette.setColor(QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
        }
        qApp->setPalette(palette);
        QCoreApplication::sendPostedEvents();
    }
    // All groups built and open, so that every control is shown.
    void openAllGroups()
    {
        panel->buildGroupsAndIcons();
        panel->collapseScientific(false);
        panel->collapseMeasurementTools(false);
        panel->collapseUnitConversion(false);
        panel->resize(400, 1400);
        QCoreApplication::processEvents();
    }
    std::vector<QWidget*> controls() const
    {
        std::vector<QWidget*> widgets;
        for (QWidget* pWidget : panel->findChildren<QWidget*>())
        {
            if (pWidget->isVisible() && ((pWidget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus ||
                                         qobject_cast<QAbstractButton*>(pWidget)))
                widgets.push_back(pWidget);
        }
        return widgets;
    }
};

void TestCalculatorUI::geometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("keypadScrolls");
    QTest::newRow("as short as a 640 x 480 window leaves it: the keypad area scrolls")
        << QSize(362, 280) << true;
    QTest::newRow("a common height: still too short for every group") << QSize(460, 700) << true;
    QTest::newRow("a tall screen: every group whole, the history takes the rest")
        << QSize(600, 1400) << false;
}

void TestCalculatorUI::geometry()
{
    QFETCH(QSize, size);
    openAllGroups();
    const QString longExpression = "1" + QString("+1").repeated(100);
    play("rows=30; calc=10^300; calc=" + longExpression);
    // Shrunk to it, as the host window is: that hid the newest row.
    panel->resize(size + QSize(100, 300));
    QCoreApplication::processEvents();
    panel->resize(size);
    QCoreApplication::processEvents();
    QCOMPARE(panel->size(), size);
    QVERIFY(history()->viewport()->height() >= 4 * history()->rowHeight(0));
    QVERIFY(newestRowShown());
    // The keypad and groups at their natural height: whatever the panel has
    // beyond them goes to the history.
    auto* pArea = child<QScrollArea>(panel.get(), "scrollArea");
    QWidget* pContent = pArea->widget();
    QCOMPARE(pContent->height(), pContent->minimumSizeHint().height());
    QTEST(pArea->verticalScrollBar()->isVisible(), "keypadScrolls");
    // A long result takes half the width at most; a cell cut off shows whole
    // as its tool tip.
    const QHeaderView* pColumns = history()->horizontalHeader();
    QVERIFY(pColumns->sectionSize(1) <= history()->viewport()->width() / 2 + 1);
    QCOMPARE(toolTipAt(30, 1).remove('\n'), history()->item(30, 1)->text());
    QCOMPARE(toolTipAt(31, 0).remove('\n'), longExpression);
    // So does a live result of hundreds of digits, which widens nothing.
    const int width = panel->sizeHint().width();
    QCOMPARE(play("line=10^300; ?preview").right(1), QString(QChar(0x2026)));
    QCOMPARE(panel->sizeHint().width(), width);
    const QString tip = preview()->toolTip().remove('\n');
    QCOMPARE("= " + play("key:Return; ?line"), tip);
}

void TestCalculatorUI::unitPaneComesIntoView()
{
    // Smaller than the panel's content: the unit group starts below the fold.
    panel->resize(460, 520);
    panel->buildGroupsAndIcons();
    auto* pArea = child<QScrollArea>(panel.get(), "scrollArea");
    auto* pGroup = child<QWidget>(panel.get(), "gb_UnitConv");
    auto inView = [&]
    {
        const QRect group(pGroup->mapTo(pArea->viewport(), QPoint(0, 0)), pGroup->size());
        return pArea->viewport()->rect().contains(group);
    };
    auto waitUntilIdle = []
    {
        // A loop that waits for events, as the host's does, not a busy one.
        QEventLoop idle;
        QTimer::singleShot(100, &idle, &QEventLoop::quit);
        idle.exec();
    };
    panel->collapseUnitConversion(true);
    waitUntilIdle();
    QVERIFY(!inView());
    // As UNITCONVERSION lays the groups out, while the panel is hidden.
    panel->hide();
    panel->collapseScientific(true);
    panel->collapseMeasurementTools(true);
    panel->collapseUnitConversion(false);
    panel->show();
    waitUntilIdle();
    QVERIFY(inView());
    // The user scrolls back up and opens another group: the view stays.
    pArea->verticalScrollBar()->setValue(0);
    panel->collapseScientific(false);
    waitUntilIdle();
    QCOMPARE(pArea->verticalScrollBar()->value(), 0);
}

void TestCalculatorUI::theme_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("switched"); // while the panel is up, else before it is made
    QTest::newRow("light") << false << false;
    QTest::newRow("dark") << true << false;
    QTest::newRow("switched to dark") << true << true;
}

// The "!" in a red that reads on the panel, where the rest of its text is
// grey, and the icons drawn for the theme (the fake's are white for dark).
void TestCalculatorUI::theme()
{
    QFETCH(bool, dark);
    QFETCH(bool, switched);
    if (!switched)
    {
        switchTheme(dark);
        closePanel();
        openPanel();
        host->dark = dark; // the host's theme, not the fake's
    }
    panel->buildGroupsAndIcons();
    switchTheme(dark);
    calculate("1/0");
    QVERIFY(errorLabel()->font().bold());
    const QColor ink = errorLabel()->palette().color(QPalette::WindowText);
    QVERIFY2(contrastRatio(ink, panel->palette().color(QPalette::Window)) >= 4.5,
             qPrintable(ink.name()));
    QVERIFY2(ink.red() > ink.green() + 64 && ink.red() > ink.blue() + 64, qPrintable(ink.name()));
    const QImage help =
        child<QAbstractButton>(panel.get(), "button_help")->icon().pixmap(16).toImage();
    QCOMPARE(help.pixelColor(8, 8) == Qt::white, dark);
}

void TestCalculatorUI::germanCatalogue()
{
    // The catalogue travels inside the panel library; a German host installs
    // it before the panel is made. Form, names, unit names, engine messages.
    QTranslator translator;
    QVERIFY(translator.load(":/i18n/TwSmartCalculator_de.qm"));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    closePanel();
    openPanel();
    QCOMPARE(child(panel.get(), "button_ch")->toolTip(), QString("Verlauf löschen"));
    QCOMPARE(child(panel.get(), "button_sqrt")->accessibleName(), QString("Quadratwurzel"));
    QCOMPARE(child<QComboBox>(panel.get(), "comboBox_unit")->currentText(), QString("Länge"));
    calculate("1/0");
    QCOMPARE(errorLabel()->toolTip(), QString("Division durch 0 ist nicht möglich."));
}

void TestCalculatorUI::controlsAreNamedInWords()
{
    openAllGroups();
    // A digit says itself; otherwise a word: a letter followed by small ones
    // (so "xⁿ", "MC", "ANS" or an empty icon button's text do not pass).
    const QRegularExpression inWords("^\\d$|\\p{L}\\p{Ll}");
    const std::vector<QWidget*> widgets = controls();
    QVERIFY(widgets.size() > 60);
    for (QWidget* pWidget : widgets)
    {
        const QString name =
            QAccessible::queryAccessibleInterface(pWidget)->text(QAccessible::Name);
        QVERIFY2(inWords.match(name).hasMatch(), qPrintable(pWidget->objectName() + ": " + name));
    }
    // The fields also say what goes in.
    for (const char* pszField : {"lineEdit_calc", "twHistory", "comboBox_unit",
                                 "lineEdit_unitConInput", "lineEdit_unitConOutput"})
    {
        QAccessibleInterface* pField =
            QAccessible::queryAccessibleInterface(child(panel.get(), pszField));
        QVERIFY2(!pField->text(QAccessible::Description).isEmpty(), pszField);
    }
}

void TestCalculatorUI::keyboardAndReaders_data()
{
    columns();
    // An outcome is announced as the description of the input line, which
    // has the keyboard: readers speak a change of it.
    row("a result and an error are announced", "calc=1+1; ?said; calc=1/0; ?said",
        "Result: 2; Error: Cannot divide by 0.");
    row("Return presses a focused button", "focus:button_sqrt; key:Return; ?line", "sqrt()");
}

void TestCalculatorUI::tabFollowsReadingOrder()
{
    openAllGroups();
    calculate("1+1");
    auto* pFirst = child(panel.get(), "button_ch");
    pFirst->setFocus();
    // The history's own cell widgets aside, every control once, each to the
    // right of the one before in its row or in a row below.
    auto outsideHistory = [this](QWidget* pWidget)
    { return !history()->viewport()->isAncestorOf(pWidget); };
    std::vector<QWidget*> inOrder{pFirst};
    for (int i = 0; i < 200; ++i)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == pFirst)
            break;
        if (outsideHistory(QApplication::focusWidget()))
            inOrder.push_back(QApplication::focusWidget());
    }
    QCOMPARE(QApplication::focusWidget(), pFirst);
    const std::vector<QWidget*> all = controls();
    QCOMPARE(qsizetype(inOrder.size()),
             qsizetype(std::count_if(all.begin(), all.end(), outsideHistory)));
    auto place = [this](QWidget* pWidget)
    { return QRect(pWidget->mapTo(panel.get(), QPoint(0, 0)), pWidget->size()); };
    for (std::size_t i = 1; i < inOrder.size(); ++i)
    {
        const QRect before = place(inOrder[i - 1]);
        const QRect now = place(inOrder[i]);
        const bool bSameRow =
            now.center().y() >= before.top() && now.center().y() <= before.bottom();
        QVERIFY2(bSameRow ? now.left() > before.left() : now.top() >= before.bottom(),
                 qPrintable(inOrder[i - 1]->objectName() + " -> " + inOrder[i]->objectName()));
    }
}

QTEST_MAIN(TestCalculatorUI)
#include "tst_calculatorui.moc"
