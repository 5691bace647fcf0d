// The panel as built: its collapsible groups, the unit conversion pane, its
// look in either theme and the German catalogue.

#include "../support/Contrast.h"
#include "../support/PanelFixture.h"

#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>
#include <QVBoxLayout>

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

    void groupsAndCollapsing();

    void valueToConvert_data();
    void valueToConvert();

    void conversion_data();
    void conversion();

    void unitListsFollowTheType();
    void conversionKeys();
    void unitPaneComesIntoView();

    void errorStandsOut_data();
    void errorStandsOut();
    void iconsFollowTheTheme();

    void germanCatalogue();

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
    QComboBox* combo(const char* pszName) const { return child<QComboBox>(panel.get(), pszName); }
    QLineEdit* valueField() const { return child<QLineEdit>(panel.get(), "lineEdit_unitConInput"); }
    QLineEdit* output() const { return child<QLineEdit>(panel.get(), "lineEdit_unitConOutput"); }
};

void TestCalculatorUI::groupsAndCollapsing()
{
    auto* pContainer = child<QWidget>(panel.get(), "wCollapsableContainers");
    auto* pFunctions = child<QWidget>(panel.get(), "w_calcFunc");
    QCOMPARE(pContainer->layout()->count(), 4);
    panel->collapseFunctions(true); // nothing to collapse yet
    QVERIFY(pFunctions->isVisible());

    panel->buildGroupsAndIcons();
    // The groups took their content widgets over.
    QCOMPARE(pContainer->layout()->count(), 4);
    const QStringList titles = {"Functions", "Scientific", "Measurement tools", "Unit conversion"};
    const char* names[] = {"gb_calcFunc", "gb_Scientific", "gb_MeasurementTools", "gb_UnitConv"};
    const char* contents[] = {"w_calcFunc", "w_Scientific", "w_MeasurementTools", "w_UnitConv"};
    for (int i = 0; i < 4; ++i)
    {
        auto* pBox = child<FakeGroup>(panel.get(), names[i]);
        QCOMPARE(pBox->header->text(), titles[i]);
        QVERIFY(pBox->isAncestorOf(child<QWidget>(panel.get(), contents[i])));
    }
    QVERIFY(!child<QAbstractButton>(panel.get(), "button_getArea")->icon().isNull());

    panel->collapseUnitConversion(true);
    panel->collapseScientific(true);
    QTRY_VERIFY(child<QWidget>(panel.get(), "w_calcFunc")->isVisible());
    QVERIFY(!child<QWidget>(panel.get(), "w_UnitConv")->isVisible());
    QVERIFY(!child<QWidget>(panel.get(), "w_Scientific")->isVisible());
    panel->collapseScientific(false);
    QTRY_VERIFY(child<QWidget>(panel.get(), "w_Scientific")->isVisible());
}

void TestCalculatorUI::valueToConvert_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("pasted"); // false: typed key by key
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("hint"); // something was refused

    // The field holds "7" before: a paste replaces it, typing appends.
    QTest::newRow("one decimal point") << "2.5" << false << "72.5" << false;
    QTest::newRow("a typed decimal comma is the point") << "2,5" << false << "72.5" << false;
    QTest::newRow("a pasted decimal comma is the point") << "2,5" << true << "2.5" << false;
    QTest::newRow("typed: no sign") << "-1" << false << "71" << true;
    QTest::newRow("typed: no second point") << "1.2.3" << false << "71.23" << true;
    QTest::newRow("pasted letters change nothing") << "12abc" << true << "7" << true;
    QTest::newRow("a pasted comma and point change nothing") << "1.234,5" << true << "7" << true;
}

void TestCalculatorUI::valueToConvert()
{
    QFETCH(QString, input);
    QFETCH(bool, pasted);
    QFETCH(bool, hint);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    valueField()->setFocus();
    valueField()->setText("7");
    if (pasted)
    {
        QGuiApplication::clipboard()->setText(input);
        valueField()->selectAll();
        QTest::keyClick(valueField(), Qt::Key_V, Qt::ControlModifier);
    }
    else
        QTest::keyClicks(valueField(), input);
    QTEST(valueField()->text(), "kept");
    // A refusal is not silent: a tool tip at the field says what it takes.
    QCOMPARE(QToolTip::isVisible() && QToolTip::text() == "Only digits and one decimal point",
             hint);
}

void TestCalculatorUI::conversion_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("converted");

    QTest::newRow("metres to centimetres") << 0 << 5 << 1 << "1"
                                           << "100";
    QTest::newRow("degrees to radians") << 3 << 0 << 2 << "85"
                                        << "1.4835298642";
    QTest::newRow("a lone point is 0") << 0 << 0 << 1 << "."
                                       << "0";
    QTest::newRow("nothing typed is 0") << 3 << 1 << 3 << ""
                                        << "0";
    QTest::newRow("400 nines are beyond a double: said, not 0")
        << 0 << 0 << 1 << QString(400, '9') << "The value is too large to convert.";
    QTest::newRow("a result beyond a double is said, not inf")
        << 2 << 6 << 0 << "1" + QString(300, '0') << "The value is too large to convert.";
    QTest::newRow("a value below the smallest double is 0")
        << 0 << 0 << 0 << "0." + QString(400, '0') + "1"
        << "0";
}

void TestCalculatorUI::conversion()
{
    QFETCH(int, type);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, value);
    combo("comboBox_unit")->setCurrentIndex(type);
    combo("comboBox_convertFrom")->setCurrentIndex(from);
    combo("comboBox_convertTo")->setCurrentIndex(to);
    valueField()->setText(value);
    click("button_convert");
    QTEST(output()->text(), "converted");
    QVERIFY(valueField()->hasFocus());
}

void TestCalculatorUI::unitListsFollowTheType()
{
    combo("comboBox_convertFrom")->setCurrentIndex(3);
    valueField()->setText("7");
    output()->setText("earlier");
    combo("comboBox_unit")->setCurrentIndex(1);
    for (const char* name : {"comboBox_convertFrom", "comboBox_convertTo"})
    {
        QCOMPARE(combo(name)->count(), 10);
        QCOMPARE(combo(name)->currentText(), QString("Square Millimeters"));
    }
    QCOMPARE(valueField()->text(), QString("7"));
    QCOMPARE(output()->text(), QString("earlier"));
    combo("comboBox_unit")->setCurrentIndex(3);
    QCOMPARE(combo("comboBox_convertTo")->itemText(3), QString("Circles"));
}

void TestCalculatorUI::conversionKeys()
{
    combo("comboBox_convertFrom")->setCurrentIndex(5); // metres
    combo("comboBox_convertTo")->setCurrentIndex(1);   // centimetres
    valueField()->setFocus();
    QTest::keyClicks(valueField(), "2");
    // The keypad's decimal key, twice: only one point.
    for (int i = 0; i < 2; ++i)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Comma, Qt::KeypadModifier, 0, 110, 0, ",");
        QApplication::sendEvent(valueField(), &press);
    }
    QTest::keyClicks(valueField(), "5");
    QCOMPARE(valueField()->text(), QString("2.5"));

    QTest::keyClick(valueField(), Qt::Key_Space);
    QCOMPARE(output()->text(), QString("250"));
    QCOMPARE(valueField()->text(), QString("2.5"));

    QTest::keyClick(valueField(), Qt::Key_Escape);
    QVERIFY(valueField()->text().isEmpty());
    QCOMPARE(output()->text(), QString("250"));
    QTest::keyClick(valueField(), Qt::Key_Return);
    QCOMPARE(output()->text(), QString("0"));
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

    // As UNITCONVERSION lays the groups out, here while the panel is hidden
    // and only shown afterwards.
    panel->hide();
    panel->collapseFunctions(false);
    panel->collapseScientific(true);
    panel->collapseMeasurementTools(true);
    panel->collapseUnitConversion(false);
    panel->show();
    waitUntilIdle();
    QVERIFY(inView());
    QVERIFY(child<QWidget>(panel.get(), "button_convert")->isVisible());

    // Only then: the user scrolls back up and opens another group, and the
    // view stays where the user put it.
    pArea->verticalScrollBar()->setValue(0);
    panel->collapseScientific(false);
    waitUntilIdle();
    QCOMPARE(pArea->verticalScrollBar()->value(), 0);
}

void TestCalculatorUI::errorStandsOut_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("switched"); // while the panel is up, else before it is made
    QTest::newRow("light") << false << false;
    QTest::newRow("dark") << true << false;
    QTest::newRow("switched to dark") << true << true;
}

void TestCalculatorUI::errorStandsOut()
{
    QFETCH(bool, dark);
    QFETCH(bool, switched);
    if (!switched)
    {
        switchTheme(dark);
        closePanel();
        openPanel();
    }
    switchTheme(dark);
    calculate("1/0");
    QLabel* pLabel = errorLabel();
    QCOMPARE(pLabel->text(), QString("!"));
    QVERIFY(pLabel->font().bold());

    // The "!" as drawn: its most contrasting pixel against the panel.
    const QColor background = panel->palette().color(QPalette::Window);
    const QImage image = pLabel->grab().toImage();
    QColor ink = background;
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
        {
            if (contrastRatio(image.pixelColor(x, y), background) > contrastRatio(ink, background))
                ink = image.pixelColor(x, y);
        }
    }
    QVERIFY2(contrastRatio(ink, background) >= 4.5, qPrintable(ink.name()));
    // Red, where the rest of the panel's text is grey.
    QVERIFY2(ink.red() > ink.green() + 64 && ink.red() > ink.blue() + 64, qPrintable(ink.name()));
}

void TestCalculatorUI::iconsFollowTheTheme()
{
    // The fake host draws its icons white for the dark theme.
    auto* pHelp = child<QAbstractButton>(panel.get(), "button_help");
    auto drawnWhite = [pHelp]
    { return pHelp->icon().pixmap(16, 16).toImage().pixelColor(8, 8) == Qt::white; };
    panel->buildGroupsAndIcons();
    QVERIFY(!drawnWhite());
    // The host switches its theme while the panel is up.
    switchTheme(true);
    QVERIFY(drawnWhite());
    switchTheme(false);
    QVERIFY(!drawnWhite());
}

void TestCalculatorUI::germanCatalogue()
{
    // The catalogue travels inside the panel library; a German host installs
    // it before the panel is made. Form, unit names and engine messages.
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/TwSmartCalculator_de.qm")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    closePanel();
    openPanel();
    QCOMPARE(child<QAbstractButton>(panel.get(), "button_ch")->toolTip(),
             QString("Verlauf löschen"));
    QCOMPARE(combo("comboBox_unit")->currentText(), QString("Länge"));
    QCOMPARE(child(panel.get(), "button_sqrt")->accessibleName(), QString("Quadratwurzel"));
    calculate("1/0");
    QCOMPARE(errorLabel()->toolTip(), QString("Division durch 0 ist nicht möglich."));
}

QTEST_MAIN(TestCalculatorUI)
#include "tst_calculatorui.moc"
