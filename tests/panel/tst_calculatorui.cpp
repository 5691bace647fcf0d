// The panel as built: its fresh state, slot order, collapsible groups, the
// unit conversion group coming into view and the German catalogue.

#include "PanelTestSupport.h"

#include "../support/Contrast.h"

#include <CTwCollapsibleGroupBox.h>
#include <UIManager.h>
#include <ui/HostIcons.h>
#include <ui/Theme.h>

#include <QComboBox>
#include <QHeaderView>
#include <QMetaMethod>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
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
        runtime.ui().setColorTheme(1);
        applyTheme(*qApp, 1);
    }

    void freshPanel();
    void slotsInTheirOrder();
    void groupsAndCollapsing();

    void unitPaneComesIntoView();

    void errorStandsOut_data();
    void errorStandsOut();
    void iconsFollowTheTheme();

    void germanCatalogue();

private:
    // As the host switches its theme: the palette reaches the widgets
    // through posted events.
    void switchTheme(int colorTheme)
    {
        runtime.ui().setColorTheme(colorTheme);
        applyTheme(*qApp, colorTheme);
        QCoreApplication::sendPostedEvents();
        if (panel)
            QCOMPARE(panel->palette().color(QPalette::Window),
                     qApp->palette().color(QPalette::Window));
    }
    QComboBox* combo(const char* pszName) const { return child<QComboBox>(panel.get(), pszName); }
};

void TestCalculatorUI::freshPanel()
{
    QCOMPARE(history()->rowCount(), 0);
    QCOMPARE(history()->columnCount(), 3);
    QVERIFY(history()->horizontalHeader()->isHidden());
    QVERIFY(history()->verticalHeader()->isHidden());
    QVERIFY(line()->text().isEmpty());
    QCOMPARE(line()->placeholderText(), QString("0"));
    QVERIFY(errorLabel()->text().isEmpty());
    QCOMPARE(panel->windowTitle(), QString("Smart Calculator"));
}

void TestCalculatorUI::slotsInTheirOrder()
{
    // Slot indices are part of the panel's interface.
    const QStringList expected = {"button_0_pressed()",
                                  "button_1_pressed()",
                                  "button_2_pressed()",
                                  "button_3_pressed()",
                                  "button_4_pressed()",
                                  "button_5_pressed()",
                                  "button_6_pressed()",
                                  "button_7_pressed()",
                                  "button_8_pressed()",
                                  "button_9_pressed()",
                                  "button_plus_pressed()",
                                  "button_minus_pressed()",
                                  "button_multiplication_pressed()",
                                  "button_divide_pressed()",
                                  "button_bracketOpen_pressed()",
                                  "button_bracketClose_pressed()",
                                  "button_1divx_pressed()",
                                  "button_x2_pressed()",
                                  "button_x3_pressed()",
                                  "button_xn_pressed()",
                                  "button_sqrt_pressed()",
                                  "button_nrt_pressed()",
                                  "button_10x_pressed()",
                                  "button_ex_pressed()",
                                  "button_pi_pressed()",
                                  "button_e_pressed()",
                                  "button_sin_pressed()",
                                  "button_cos_pressed()",
                                  "button_tan_pressed()",
                                  "button_asin_pressed()",
                                  "button_acos_pressed()",
                                  "button_atan_pressed()",
                                  "button_log10_pressed()",
                                  "button_ln_pressed()",
                                  "button_log_pressed()",
                                  "button_abs_pressed()",
                                  "button_rnd_pressed()",
                                  "button_trc_pressed()",
                                  "button_r2d_pressed()",
                                  "button_d2r_pressed()",
                                  "button_mset_pressed()",
                                  "button_madd_pressed()",
                                  "button_msub_pressed()",
                                  "button_mcle_pressed()",
                                  "button_mrec_pressed()",
                                  "button_cr_pressed(int)",
                                  "button_cr_pressed()",
                                  "button_ch_pressed()",
                                  "loadHistoryItem(int,int)",
                                  "unitConversionTypeChanged()",
                                  "button_convert_pressed()",
                                  "button_equals_pressed()",
                                  "button_del_pressed()",
                                  "button_delAll_pressed()",
                                  "button_decPoint_pressed()",
                                  "button_ans_pressed()",
                                  "button_copyToClip_pressed()",
                                  "button_copyToCommand_pressed()",
                                  "button_getDistance_pressed()",
                                  "button_getAngle_pressed()",
                                  "button_getArea_pressed()",
                                  "button_getCircumference_pressed()",
                                  "expressionChanged()",
                                  "showHistoryContextMenu(QPoint)"};
    const QMetaObject& meta = CalculatorUI::staticMetaObject;
    QStringList declared;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
    {
        QCOMPARE(meta.method(i).methodType(), QMetaMethod::Slot); // no signals
        declared << QString::fromLatin1(meta.method(i).methodSignature());
    }
    QCOMPARE(declared, expected);
}

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
        auto* pBox = child<CTwCollapsibleGroupBox>(panel.get(), names[i]);
        QCOMPARE(pBox->text(), titles[i]);
        QCOMPARE(pBox->contentWidget(), child<QWidget>(panel.get(), contents[i]));
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
    QTest::addColumn<int>("colorTheme");
    QTest::addColumn<bool>("switched"); // while the panel is up, else before it is made
    QTest::newRow("light") << 1 << false;
    QTest::newRow("dark") << 2 << false;
    QTest::newRow("switched to dark") << 2 << true;
    QTest::newRow("switched back to light") << 1 << true;
}

void TestCalculatorUI::errorStandsOut()
{
    QFETCH(int, colorTheme);
    QFETCH(bool, switched);
    closePanel();
    switchTheme(switched ? 3 - colorTheme : colorTheme);
    openPanel();
    if (switched)
        switchTheme(colorTheme);
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
    auto* pHelp = child<QAbstractButton>(panel.get(), "button_help");
    auto drawn = [](const QIcon& icon) { return icon.pixmap(16, 16).toImage(); };
    panel->buildGroupsAndIcons();
    QCOMPARE(drawn(pHelp->icon()), drawn(QIcon(iconPathForId(24, false))));

    // The host switches its theme while the panel is up.
    switchTheme(2);
    QCOMPARE(drawn(pHelp->icon()), drawn(QIcon(iconPathForId(24, true))));
    switchTheme(1);
    QCOMPARE(drawn(pHelp->icon()), drawn(QIcon(iconPathForId(24, false))));
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
    calculate("1/0");
    QCOMPARE(errorLabel()->toolTip(), QString("Division durch 0 ist nicht möglich."));
}

QTEST_MAIN(TestCalculatorUI)
#include "tst_calculatorui.moc"
