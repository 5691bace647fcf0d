// The panel as assistive technology sees it, through Qt's accessibility
// interfaces: names in words, announcements of results and errors, Tab in
// reading order, Return on buttons, and queries while the panel goes away.

#include "../support/PanelFixture.h"

#include <QAccessible>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

// Qt's private headers are not installed; these two functions and the
// integration pointer are exported by QtGui.
class QPlatformAccessibility
{
public:
    void setActive(bool active);
};
class QPlatformIntegration
{
public:
    QPlatformAccessibility* accessibility() const;
};
class QGuiApplicationPrivate
{
public:
    static QPlatformIntegration* platform_integration;
};

namespace
{

struct Heard
{
    QObject* source;
    QAccessible::Event type;
    QString description;
};

std::vector<Heard> g_heard;
int g_queried = 0;

// Reads what a screen reader reads of an interface and its subtree.
void QueryTree(QAccessibleInterface* pInterface, int depth)
{
    if (!pInterface || !pInterface->isValid() || depth > 6)
        return;
    ++g_queried;
    (void)pInterface->text(QAccessible::Name), (void)pInterface->text(QAccessible::Description);
    (void)pInterface->text(QAccessible::Value), (void)pInterface->role();
    (void)pInterface->state(), (void)pInterface->rect();
    const int count = pInterface->childCount();
    for (int i = 0; i < count; ++i)
        QueryTree(pInterface->child(i), depth + 1);
}

// A screen reader's side of the bridge: it records every event and, as
// readers do, asks the source at once what it is.
void Listen(QAccessibleEvent* pEvent)
{
    QAccessibleInterface* pInterface = pEvent->accessibleInterface();
    g_heard.push_back({pEvent->object(), pEvent->type(),
                       pInterface && pInterface->isValid()
                           ? pInterface->text(QAccessible::Description)
                           : QString()});
    QueryTree(pInterface, 0);
    if (pInterface && pInterface->isValid())
        QueryTree(pInterface->parent(), 0);
}

} // namespace

class TestCalculatorAccessibility : public QObject, public PanelFixture
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QAccessible::installUpdateHandler(&Listen);
        // Qt sends accessibility events only while its platform bridge is
        // on, which a screen reader turns on; the offscreen platform's is
        // switched on here as Qt's own tests do.
        QGuiApplicationPrivate::platform_integration->accessibility()->setActive(true);
        QVERIFY(QAccessible::isActive());
    }
    void init()
    {
        openPanel();
        g_heard.clear();
    }
    void cleanup() { closePanel(); }

    void controlsAreNamedInWords();
    void outcomesAreAnnounced_data();
    void outcomesAreAnnounced();
    void tabFollowsReadingOrder();
    void keyPressesFocusedButton_data();
    void keyPressesFocusedButton();
    void queriesWhilePanelIsDestroyed();

private:
    // All groups built and open, so every control is shown.
    void openAllGroups()
    {
        panel->buildGroupsAndIcons();
        panel->collapseFunctions(false);
        panel->collapseScientific(false);
        panel->collapseMeasurementTools(false);
        panel->collapseUnitConversion(false);
        panel->resize(400, 1400);
        QCoreApplication::processEvents();
    }
    std::vector<QWidget*> interactiveWidgets() const
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

void TestCalculatorAccessibility::controlsAreNamedInWords()
{
    openAllGroups();
    // A digit says itself; otherwise a word: a letter followed by small ones
    // (so "xⁿ", "MC", "ANS" or an empty icon button's text do not pass).
    const QRegularExpression inWords(QStringLiteral("^\\d$|\\p{L}\\p{Ll}"));
    const std::vector<QWidget*> widgets = interactiveWidgets();
    QVERIFY(widgets.size() > 60);
    for (QWidget* pWidget : widgets)
    {
        QAccessibleInterface* pInterface = QAccessible::queryAccessibleInterface(pWidget);
        QVERIFY(pInterface);
        const QString name = pInterface->text(QAccessible::Name);
        QVERIFY2(inWords.match(name).hasMatch(),
                 qPrintable(pWidget->objectName() + QStringLiteral(": \"") + name + '"'));
    }
    // The fields also say what goes in.
    for (const char* pszField : {"lineEdit_calc", "twHistory", "comboBox_unit",
                                 "lineEdit_unitConInput", "lineEdit_unitConOutput"})
    {
        QAccessibleInterface* pInterface =
            QAccessible::queryAccessibleInterface(child(panel.get(), pszField));
        QVERIFY2(!pInterface->text(QAccessible::Description).isEmpty(), pszField);
    }
}

void TestCalculatorAccessibility::outcomesAreAnnounced_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("heard");
    QTest::newRow("a result is announced") << QStringList{"1+1"} << QStringList{"Result: 2"};
    QTest::newRow("an error is announced with its message")
        << QStringList{"1/0"} << QStringList{"Error: Cannot divide by 0."};
    QTest::newRow("the same error twice is announced twice")
        << QStringList{"1/0", "1/0"}
        << QStringList{"Error: Cannot divide by 0.", "Error: Cannot divide by 0."};
}

void TestCalculatorAccessibility::outcomesAreAnnounced()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, heard);
    for (const QString& text : lines)
        calculate(text);
    QStringList announced;
    for (const Heard& event : g_heard)
    {
        if (event.source == line() && event.type == QAccessible::DescriptionChanged)
            announced << event.description;
    }
    QCOMPARE(announced, heard);
}

void TestCalculatorAccessibility::tabFollowsReadingOrder()
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
    const std::vector<QWidget*> controls = interactiveWidgets();
    const auto expected = std::count_if(controls.begin(), controls.end(), outsideHistory);
    QCOMPARE(qsizetype(inOrder.size()), qsizetype(expected));
    auto place = [this](QWidget* pWidget)
    { return QRect(pWidget->mapTo(panel.get(), QPoint(0, 0)), pWidget->size()); };
    for (std::size_t i = 1; i < inOrder.size(); ++i)
    {
        const QRect before = place(inOrder[i - 1]);
        const QRect now = place(inOrder[i]);
        const bool bSameRow =
            now.center().y() >= before.top() && now.center().y() <= before.bottom();
        const bool bReadOn = bSameRow ? now.left() > before.left() : now.top() >= before.bottom();
        QVERIFY2(bReadOn, qPrintable(inOrder[i - 1]->objectName() + QStringLiteral(" -> ") +
                                     inOrder[i]->objectName()));
    }
}

void TestCalculatorAccessibility::keyPressesFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("historyRows");
    QTest::newRow("Return presses a keypad button")
        << "button_7" << int(Qt::Key_Return) << "7" << 1;
    QTest::newRow("Enter presses a function button")
        << "button_sqrt" << int(Qt::Key_Enter) << "sqrt()" << 1;
}

void TestCalculatorAccessibility::keyPressesFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QString, line);
    QFETCH(int, historyRows);
    calculate("1+1");
    QTest::keyClick(this->line(), Qt::Key_Escape);
    auto* pButton = child<QAbstractButton>(panel.get(), qPrintable(button));
    pButton->setFocus();
    QTest::keyClick(pButton, Qt::Key(key));
    QCOMPARE(this->line()->text(), line);
    QCOMPARE(history()->rowCount(), historyRows);
}

void TestCalculatorAccessibility::queriesWhilePanelIsDestroyed()
{
    // The panel goes with the keyboard in its line, a history row, an error
    // shown and the memory set, while a reader asks about every event.
    openAllGroups();
    calculate("2");
    click("button_ms");
    calculate("1/0");
    line()->setFocus();
    g_heard.clear();
    g_queried = 0;
    closePanel();
    QVERIFY(!g_heard.empty());
    QVERIFY(g_queried > 0);
}

QTEST_MAIN(TestCalculatorAccessibility)
#include "tst_calculatoraccessibility.moc"
