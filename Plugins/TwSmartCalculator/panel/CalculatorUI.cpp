#include "CalculatorUI.h"

#include "CalculatorAccessibility.h"
#include "CalculatorPrivate.h"
#include "DeadKeyNativeEventFilter.h"
#include "HistoryDeleteButtons.h"
#include "HistoryItemDelegate.h"

#include <UnitCatalogue.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace
{

constexpr int kIconHelp = 24;
constexpr int kIconClearHistory = 180;
// Well above any expression a person writes or pastes; the engine takes
// linear time in the length.
constexpr int kMaxExpressionLength = 16 * 1024 * 1024;
// Rows a fitted history column is measured over, the newest first: every
// added row refits, and Qt's default of 1000 made that ~5 ms per calculation.
constexpr int kFittedHistoryRows = 100;
constexpr int kDeleteColumn = 2;
// The 16-pixel icon of the row's delete button with a little room around it.
constexpr int kDeleteColumnWidth = 24;
// Rows the history shows however short the panel is.
constexpr int kMinHistoryRows = 4;

} // namespace

CalculatorUI::CalculatorUI(std::unique_ptr<PanelHost> pHost, QWidget* parent)
    : QWidget(parent, Qt::WindowFlags()), form(new CalculatorForm), host(std::move(pHost))
{
    setupUi(form, this);
    previewTimer = new QTimer(this);
    previewTimer->setSingleShot(true);
    previewTimer->setInterval(0);
    connectSignals();
    setUpUnitPane();

    QTableWidget* pHistory = form->twHistory;
    pHistory->setColumnCount(3);
    QHeaderView* pColumns = pHistory->horizontalHeader();
    pColumns->setSectionResizeMode(QHeaderView::ResizeToContents);
    pColumns->setSectionResizeMode(0, QHeaderView::Stretch);
    pColumns->setResizeContentsPrecision(kFittedHistoryRows);
    // The expression takes what the result (at most half, see the delegate)
    // and the delete button leave; the button's column is just its width.
    pColumns->setMinimumSectionSize(kDeleteColumnWidth);
    pColumns->setSectionResizeMode(kDeleteColumn, QHeaderView::Fixed);
    pColumns->resizeSection(kDeleteColumn, kDeleteColumnWidth);
    // One line per cell, cut at its end: wrapped at the space of "= ", a long
    // result would show as "= …".
    pHistory->setWordWrap(false);
    pHistory->setTextElideMode(Qt::ElideRight);
    pHistory->setItemDelegate(new HistoryItemDelegate(pHistory));
    pHistory->setContextMenuPolicy(Qt::CustomContextMenu);
    // Up and Down in the input line recall the expressions, newest first.
    input.setHistory(
        [pHistory](int iBack) -> std::optional<QString>
        {
            const QTableWidgetItem* pItem = pHistory->item(pHistory->rowCount() - 1 - iBack, 0);
            return pItem ? std::optional<QString>(pItem->text()) : std::nullopt;
        });
    deleteButtons = std::make_unique<HistoryDeleteButtons>(
        pHistory, kDeleteColumn, [this] { return makeDeleteButton(); },
        [this](const std::exception* pError) { showFailure(pError); });
    pHistory->setMinimumHeight(kMinHistoryRows * pHistory->verticalHeader()->defaultSectionSize() +
                               2 * pHistory->frameWidth());
    followNewestRow();

    pHistory->installEventFilter(&focusTracker);
    form->lineEdit_calc->installEventFilter(&focusTracker);
    form->lineEdit_unitConOutput->installEventFilter(&focusTracker);
    pHistory->installEventFilter(this);
    form->lineEdit_calc->installEventFilter(this);
    form->lineEdit_unitConInput->installEventFilter(this);
    form->scrollArea->installEventFilter(this);
    form->scrollAreaWidgetContents->installEventFilter(this);
    form->label_preview->installEventFilter(this);

    deadKeyFilter = std::make_unique<DeadKeyNativeEventFilter>(form->lineEdit_calc);
    QCoreApplication::instance()->installNativeEventFilter(deadKeyFilter.get());

    setIndicatorColours();
    // The "M" keeps its room while hidden: the input line does not jump.
    QSizePolicy indicatorRoom = form->label_memory->sizePolicy();
    indicatorRoom.setRetainSizeWhenHidden(true);
    form->label_memory->setSizePolicy(indicatorRoom);
    showMemory();

    // Qt's default of 32767 characters would cut a long paste silently.
    form->lineEdit_calc->setMaxLength(kMaxExpressionLength);
    CalculatorAccessibility::describe(this);
}

CalculatorUI::~CalculatorUI()
{
    disconnectSignals();
    if (QCoreApplication* pApp = QCoreApplication::instance())
        pApp->removeNativeEventFilter(deadKeyFilter.get());
    deadKeyFilter.reset();
    form->twHistory->removeEventFilter(this);
    form->lineEdit_calc->removeEventFilter(this);
    form->lineEdit_unitConInput->removeEventFilter(this);
    form->scrollArea->removeEventFilter(this);
    form->scrollAreaWidgetContents->removeEventFilter(this);
    form->label_preview->removeEventFilter(this);
    form->twHistory->removeEventFilter(&focusTracker);
    form->lineEdit_calc->removeEventFilter(&focusTracker);
    form->lineEdit_unitConOutput->removeEventFilter(&focusTracker);
    delete form;
    form = nullptr;
}

void CalculatorUI::setupUi(CalculatorForm* pForm, QWidget* pPanel)
{
    pForm->setupUi(pPanel);
}

void CalculatorUI::retranslateUi(QWidget* pPanel)
{
    form->retranslateUi(pPanel);
}

void CalculatorUI::connectSignals()
{
    CalculatorForm& f = *form;
    auto click = [this](QAbstractButton* pButton, void (CalculatorUI::*pSlot)())
    { connections.push_back(connect(pButton, &QAbstractButton::clicked, this, pSlot)); };
    click(f.button_copyClip, &CalculatorUI::button_copyToClip_pressed);
    click(f.button_copyCommand, &CalculatorUI::button_copyToCommand_pressed);
    click(f.button_ch, &CalculatorUI::button_ch_pressed);
    click(f.button_help, &CalculatorUI::showHelp);
    connections.push_back(connect(previewTimer, &QTimer::timeout, this,
                                  [this] { guarded([this] { updatePreview(); }); }));
    connections.push_back(connect(f.twHistory, &QWidget::customContextMenuRequested, this,
                                  &CalculatorUI::showHistoryContextMenu));
    connections.push_back(connect(f.twHistory, &QTableWidget::cellDoubleClicked, this,
                                  &CalculatorUI::loadHistoryItem));
    click(f.button_0, &CalculatorUI::button_0_pressed);
    click(f.button_1, &CalculatorUI::button_1_pressed);
    click(f.button_2, &CalculatorUI::button_2_pressed);
    click(f.button_3, &CalculatorUI::button_3_pressed);
    click(f.button_4, &CalculatorUI::button_4_pressed);
    click(f.button_5, &CalculatorUI::button_5_pressed);
    click(f.button_6, &CalculatorUI::button_6_pressed);
    click(f.button_7, &CalculatorUI::button_7_pressed);
    click(f.button_8, &CalculatorUI::button_8_pressed);
    click(f.button_9, &CalculatorUI::button_9_pressed);
    click(f.button_plus, &CalculatorUI::button_plus_pressed);
    click(f.button_minus, &CalculatorUI::button_minus_pressed);
    click(f.button_multiplication, &CalculatorUI::button_multiplication_pressed);
    click(f.button_divide, &CalculatorUI::button_divide_pressed);
    click(f.button_bracketOpen, &CalculatorUI::button_bracketOpen_pressed);
    click(f.button_bracketClose, &CalculatorUI::button_bracketClose_pressed);
    click(f.button_1divx, &CalculatorUI::button_1divx_pressed);
    click(f.button_x2, &CalculatorUI::button_x2_pressed);
    click(f.button_x3, &CalculatorUI::button_x3_pressed);
    click(f.button_xn, &CalculatorUI::button_xn_pressed);
    click(f.button_sqrt, &CalculatorUI::button_sqrt_pressed);
    click(f.button_nrt, &CalculatorUI::button_nrt_pressed);
    click(f.button_10x, &CalculatorUI::button_10x_pressed);
    click(f.button_ex, &CalculatorUI::button_ex_pressed);
    click(f.button_pi, &CalculatorUI::button_pi_pressed);
    click(f.button_e, &CalculatorUI::button_e_pressed);
    click(f.button_sin, &CalculatorUI::button_sin_pressed);
    click(f.button_cos, &CalculatorUI::button_cos_pressed);
    click(f.button_tan, &CalculatorUI::button_tan_pressed);
    click(f.button_asin, &CalculatorUI::button_asin_pressed);
    click(f.button_acos, &CalculatorUI::button_acos_pressed);
    click(f.button_atan, &CalculatorUI::button_atan_pressed);
    click(f.button_log10, &CalculatorUI::button_log10_pressed);
    click(f.button_ln, &CalculatorUI::button_ln_pressed);
    click(f.button_log, &CalculatorUI::button_log_pressed);
    click(f.button_abs, &CalculatorUI::button_abs_pressed);
    click(f.button_rnd, &CalculatorUI::button_rnd_pressed);
    click(f.button_trc, &CalculatorUI::button_trc_pressed);
    click(f.button_r2d, &CalculatorUI::button_r2d_pressed);
    click(f.button_d2r, &CalculatorUI::button_d2r_pressed);
    click(f.button_ms, &CalculatorUI::button_mset_pressed);
    click(f.button_madd, &CalculatorUI::button_madd_pressed);
    click(f.button_msub, &CalculatorUI::button_msub_pressed);
    click(f.button_mc, &CalculatorUI::button_mcle_pressed);
    click(f.button_mr, &CalculatorUI::button_mrec_pressed);
    click(f.button_convert, &CalculatorUI::button_convert_pressed);
    click(f.button_getDistance, &CalculatorUI::button_getDistance_pressed);
    click(f.button_getAngle, &CalculatorUI::button_getAngle_pressed);
    click(f.button_getArea, &CalculatorUI::button_getArea_pressed);
    click(f.button_getCircumference, &CalculatorUI::button_getCircumference_pressed);
    click(f.button_equals, &CalculatorUI::button_equals_pressed);
    click(f.button_del, &CalculatorUI::button_del_pressed);
    click(f.button_delAll, &CalculatorUI::button_delAll_pressed);
    click(f.button_decPoint, &CalculatorUI::button_decPoint_pressed);
    click(f.button_ans, &CalculatorUI::button_ans_pressed);
    connections.push_back(connect(f.comboBox_unit, &QComboBox::currentTextChanged, this,
                                  &CalculatorUI::unitConversionTypeChanged));
    connections.push_back(
        connect(f.lineEdit_calc, &QLineEdit::textChanged, this, &CalculatorUI::expressionChanged));
    // Keys end the result state in the event filter; an edit by mouse (a
    // paste from the line's menu, a middle click, a drop) must end it too, or
    // Return would then do nothing.
    connections.push_back(
        connect(f.lineEdit_calc, &QLineEdit::textEdited, this, [this] { input.editedByMouse(); }));
}

void CalculatorUI::disconnectSignals()
{
    for (const QMetaObject::Connection& connection : connections)
        disconnect(connection);
    connections.clear();
}

void CalculatorUI::setThemeIcons()
{
    form->button_convert->setIcon(QIcon(host->isDarkTheme()
                                            ? QStringLiteral(":/images/dark/Convert_Icon.png")
                                            : QStringLiteral(":/images/light/Convert_Icon.png")));
    form->button_getAngle->setIcon(host->namedIcon(QStringLiteral("Angle_Icon"), {}));
    form->button_getArea->setIcon(host->namedIcon(QStringLiteral("Area_Icon"), {}));
    form->button_getCircumference->setIcon(
        host->namedIcon(QStringLiteral("Circumference_Icon"), {}));
    form->button_getDistance->setIcon(host->namedIcon(QStringLiteral("Distance_Icon"), {}));
    form->button_copyClip->setIcon(
        host->namedIcon(QStringLiteral("copy"), QStringLiteral("command/")));
    form->button_copyCommand->setIcon(host->namedIcon(
        QStringLiteral("convert-block"), QStringLiteral("custom_block/block_editor/")));
    form->button_help->setIcon(host->icon(kIconHelp));
    form->button_ch->setIcon(host->icon(kIconClearHistory));
    themeIconsSet = true;
}

void CalculatorUI::setIndicatorColours()
{
    // A red that reads on the panel's background, whichever theme it has.
    const bool bDarkBackground = palette().color(QPalette::Window).lightnessF() < 0.5;
    QPalette look = form->errorMessage->palette();
    look.setColor(QPalette::WindowText,
                  bDarkBackground ? QColor(0xff, 0x6b, 0x6b) : QColor(0xc0, 0x1c, 0x1c));
    form->errorMessage->setPalette(look);
    // The preview is a hint, quieter than what was typed.
    QPalette quiet = form->label_preview->palette();
    quiet.setColor(QPalette::WindowText, palette().color(QPalette::PlaceholderText));
    form->label_preview->setPalette(quiet);
}

void CalculatorUI::changeEvent(QEvent* pEvent)
{
    // The host's theme reaches the panel as a new palette: icons chosen for
    // the other theme would hardly show.
    if (pEvent->type() == QEvent::PaletteChange && form)
    {
        guarded(
            [this]
            {
                setIndicatorColours();
                if (themeIconsSet)
                    setThemeIcons();
            });
    }
    QWidget::changeEvent(pEvent);
}

void CalculatorUI::buildGroupsAndIcons()
{
    guarded(
        [this]
        {
            setThemeIcons();

            // Built once: a second call only refreshes the icons.
            if (form->scrollAreaWidgetContents->findChild<QWidget*>(QStringLiteral("gb_calcFunc")))
                return;

            struct Group
            {
                const char* name;
                const char* title;
                QWidget* content;
            };
            const Group groups[] = {
                {"gb_calcFunc", QT_TR_NOOP("Functions"), form->w_calcFunc},
                {"gb_Scientific", QT_TR_NOOP("Scientific"), form->w_Scientific},
                {"gb_MeasurementTools", QT_TR_NOOP("Measurement tools"), form->w_MeasurementTools},
                {"gb_UnitConv", QT_TR_NOOP("Unit conversion"), form->w_UnitConv},
            };
            for (const Group& group : groups)
            {
                QWidget* pBox =
                    host->makeGroup(form->wCollapsableContainers, tr(group.title), group.content);
                form->verticalLayout_3->addWidget(pBox);
                pBox->setObjectName(QLatin1String(group.name));
            }
            CalculatorAccessibility::orderTabs(this);
        });
}

void CalculatorUI::setGroupCollapsed(const char* pszName, bool bCollapse)
{
    if (auto* pBox = form->scrollAreaWidgetContents->findChild<QWidget*>(QLatin1String(pszName)))
        host->setGroupCollapsed(pBox, bCollapse);
}

void CalculatorUI::collapseFunctions(bool bCollapse)
{
    setGroupCollapsed("gb_calcFunc", bCollapse);
}

void CalculatorUI::collapseScientific(bool bCollapse)
{
    setGroupCollapsed("gb_Scientific", bCollapse);
}

void CalculatorUI::collapseMeasurementTools(bool bCollapse)
{
    setGroupCollapsed("gb_MeasurementTools", bCollapse);
}

void CalculatorUI::collapseUnitConversion(bool bCollapse)
{
    setGroupCollapsed("gb_UnitConv", bCollapse);
    if (bCollapse)
        return;
    // The group has just been expanded, and the panel is often about to be
    // shown: its final place is known only once the layouts have run, which
    // they have when the event loop next waits for input.
    scrollToUnitPane();
    if (auto* pDispatcher = QAbstractEventDispatcher::instance())
    {
        auto pOnce = std::make_shared<QMetaObject::Connection>();
        *pOnce = connect(pDispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                         [this, pOnce]
                         {
                             disconnect(*pOnce);
                             guarded([this] { scrollToUnitPane(); });
                         });
    }
}

void CalculatorUI::scrollToUnitPane()
{
    auto* pBox = form->scrollAreaWidgetContents->findChild<QWidget*>(QStringLiteral("gb_UnitConv"));
    // A collapsed group hides its content.
    if (!pBox || !form->w_UnitConv->isVisibleTo(pBox))
        return;
    const QPoint top = pBox->mapTo(form->scrollAreaWidgetContents, QPoint(0, 0));
    const int viewHeight = form->scrollArea->viewport()->height();
    QScrollBar* pBar = form->scrollArea->verticalScrollBar();
    // The whole group where it fits; else its end, with the value and the
    // Convert button.
    int value = std::min(pBar->value(), top.y());
    value = std::max(value, top.y() + pBox->height() - viewHeight);
    pBar->setValue(value);
}

void CalculatorUI::fitKeypadArea()
{
    // The keypad and the groups keep the height they need and scroll only
    // where the panel is too short for them: the form gives the keypad area
    // a stretch far above the history's, so it grows first, up to this
    // height, and the history takes whatever is left above its minimum.
    QScrollArea* pArea = form->scrollArea;
    QWidget* pContent = form->scrollAreaWidgetContents;
    // At the area's whole width: no scroll bar takes room once it all fits.
    const int width = pArea->width() - 2 * pArea->frameWidth();
    const int height = pContent->hasHeightForWidth() ? pContent->heightForWidth(width)
                                                     : pContent->sizeHint().height();
    pArea->setMaximumHeight(
        std::max(height + 2 * pArea->frameWidth(), pArea->minimumHeight()));
}

void CalculatorUI::showHelp()
{
    guarded([this] { host->showHelp(); });
}

void CalculatorUI::showFailure(const std::exception* pError)
{
    // Reporting must not throw in turn: a failure here is dropped.
    try
    {
        if (dynamic_cast<const std::bad_alloc*>(pError))
            showError(tr("There is not enough memory to complete this operation."));
        else
            showError(tr("The operation could not be completed."));
    }
    catch (...)
    {
    }
}
