#pragma once
// The calculator panel: one widget with the input line, the keypad and
// function buttons, the history, the memory buttons, the measurement tools
// and the unit conversion pane. The module creates it once, hands it the host
// (PanelHost: the drawing's settings, the command line, measuring commands)
// and docks it in the host window.
//
// How one calculation flows:
//   keys and buttons -> InputLine decides (cursor placed inside function
//   brackets, a shown result continued or replaced) -> the line shows it
//   -> Return/Enter/Space or "=" -> angle unit from the active drawing
//   -> runCalculation (accuracy from the drawing's linear precision, engine
//   GetResult) -> result into the input line, a history row, or "!" beside
//   the line with the engine's message as tool tip.
// While the person types, a quiet label under the line shows what Return
// would give (CalculatorPreview.cpp), in a drawing whose lengths are in feet
// and inches also as such (`= 66.5  (5'-6 1/2")`, as the result's tool tip
// in the history); it never touches `ans`, the history, the memory or the
// "!". A line that continues a shown result with an
// operator is calculated with that result's full value, not its rounded text.
// The panel reports problems only through that "!" indication; nothing thrown
// leaves a slot or an event filter.
//
// The concerns share this one class but live in separate files:
// CalculatorUI.cpp (construction, groups, icons, help), CalculatorInput.cpp,
// CalculatorPreview.cpp, CalculatorHistory.cpp, CalculatorMemory.cpp, CalculatorMeasurement.cpp and
// CalculatorUnitPane.cpp.

#include "CTwFocusEater.h"
#include "InputLine.h"
#include "MeasurementRun.h"
#include "PanelHost.h"

#include <CTwString.h>
#include <TMyMemory.h>
#include <TMyTinyExpr.h>

#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class CalculatorForm;
class DeadKeyNativeEventFilter;
class HistoryDeleteButtons;
class QPoint;
class QTimer;
class QTableWidgetItem;

class CalculatorUI : public QWidget
{
    Q_OBJECT

public:
    explicit CalculatorUI(std::unique_ptr<PanelHost> pHost, QWidget* parent = nullptr);
    ~CalculatorUI() override;

    void setupUi(CalculatorForm* pForm, QWidget* pPanel);
    void retranslateUi(QWidget* pPanel);

    // Builds the four collapsible groups and sets the theme's icons. The
    // host-integration layer runs it once the host's UI is up.
    void buildGroupsAndIcons();
    // true collapses the group; nothing happens before the groups exist.
    void collapseFunctions(bool bCollapse);
    void collapseScientific(bool bCollapse);
    void collapseMeasurementTools(bool bCollapse);
    // Expanding also scrolls the group, with its result, into view.
    void collapseUnitConversion(bool bCollapse);
    void showHelp();

    // Input line.
    // bBracketButton: the ")" button, which leaves the cursor behind it.
    void insertText(const QString& text, InsertKind kind, bool bBracketButton = false);
    void insertNumber(double value, InsertKind kind);
    void showError(const QString& strMessage);
    // True when strResult was computed (replaced only then); false for an
    // empty expression or an error already shown. pValue, where given, gets
    // the value before it was rounded.
    bool runCalculation(QString strExpr, std::u16string& strResult, double* pValue = nullptr);

    // The live result under the input line, on by default.
    void setPreviewEnabled(bool bEnabled);
    bool isPreviewEnabled() const { return previewEnabled; }
    // Shows the preview anew: the drawing or its settings changed.
    void refreshPreview();

    // History.
    QTableWidgetItem* makeHistoryItem(const QString& text);
    void addHistoryRow(const QString& strExpr, const QString& strResult,
                       const QString& strPreviousResult);
    QString historyItemText(const QTableWidgetItem* pItem) const;
    QString selectedText() const;
    void sendToCommandLine(const QString& text);
    // Brings back what the last Clear all took, once, until the next
    // calculation (Ctrl+Z in the history, "Undo clear" in its menu).
    void undoClearHistory();

    // Measurement tools. runHostCommand is false when the host refused the
    // request.
    bool runHostCommand(const QString& strCommand);
    void completeMeasurement();
    void resetPendingMeasurement();
    void setMeasurementText(const CTwString& text) { measurementText = text; }
    MeasurementKind pendingMeasurementKind() const { return pendingMeasurement.kind(); }
    bool isMeasurementPending() const { return pendingMeasurement.isPending(); }
    // Every command the host starts and ends: only the run the panel asked
    // for completes or releases its measurement (see MeasurementRun).
    void hostCommandWillStart(const QString& strGlobalName);
    void hostCommandFinished(const QString& strGlobalName, bool bNormal);
    void hostCommandUnknown(const QString& strGlobalName);

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

protected:
    void changeEvent(QEvent* pEvent) override;

    // Declared in the order other code relies on for the slot indices.
public slots:
    void button_0_pressed();
    void button_1_pressed();
    void button_2_pressed();
    void button_3_pressed();
    void button_4_pressed();
    void button_5_pressed();
    void button_6_pressed();
    void button_7_pressed();
    void button_8_pressed();
    void button_9_pressed();
    void button_plus_pressed();
    void button_minus_pressed();
    void button_multiplication_pressed();
    void button_divide_pressed();
    void button_bracketOpen_pressed();
    void button_bracketClose_pressed();
    void button_1divx_pressed();
    void button_x2_pressed();
    void button_x3_pressed();
    void button_xn_pressed();
    void button_sqrt_pressed();
    void button_nrt_pressed();
    void button_10x_pressed();
    void button_ex_pressed();
    void button_pi_pressed();
    void button_e_pressed();
    void button_sin_pressed();
    void button_cos_pressed();
    void button_tan_pressed();
    void button_asin_pressed();
    void button_acos_pressed();
    void button_atan_pressed();
    void button_log10_pressed();
    void button_ln_pressed();
    void button_log_pressed();
    void button_abs_pressed();
    void button_rnd_pressed();
    void button_trc_pressed();
    void button_r2d_pressed();
    void button_d2r_pressed();
    void button_mset_pressed();
    void button_madd_pressed();
    void button_msub_pressed();
    void button_mcle_pressed();
    void button_mrec_pressed();
    void button_cr_pressed(int iRow = -1);
    void button_ch_pressed();
    void loadHistoryItem(int iRow, int column);
    void unitConversionTypeChanged();
    void button_convert_pressed();
    void button_equals_pressed();
    void button_del_pressed();
    void button_delAll_pressed();
    void button_decPoint_pressed();
    void button_ans_pressed();
    void button_copyToClip_pressed();
    void button_copyToCommand_pressed();
    void button_getDistance_pressed();
    void button_getAngle_pressed();
    void button_getArea_pressed();
    void button_getCircumference_pressed();
    void expressionChanged();
    void showHistoryContextMenu(const QPoint& pos);

private:
    void connectSignals();
    void disconnectSignals();
    void setUpUnitPane();
    // A row's delete button, made as the row comes into view.
    QWidget* makeDeleteButton();
    // The converted value, or why there is none, for the pane as it stands.
    // bAsked: Convert, Return or Space, rather than an edit on the way.
    void showConversion(bool bAsked);
    void setGroupCollapsed(const char* pszName, bool bCollapse);
    // The icons of the host's current theme.
    void setThemeIcons();
    // The "!" in a red and the preview in a quiet colour of the current theme.
    void setIndicatorColours();
    // Evaluates the line for the preview label.
    void updatePreview();
    // "  (5'-6 1/2")" after a result in the preview and the history's tool
    // tip: the value in the drawing's length format where that is in feet
    // and inches (LUNITS 3 to 5), empty elsewhere.
    QString lengthBeside(double dValue) const;
    // The active drawing's decimals (4 without one) and the evaluator's angle
    // unit for it (degrees without one).
    int accuracy() const;
    int angleUnit() const;
    // The `ans` text, which chaining compares with the shown result's.
    QString lastResultText();
    // Scrolls the expanded unit conversion group into view.
    void scrollToUnitPane();
    // The keypad area as high as its content, so that the history gets the
    // rest of the panel's height.
    void fitKeypadArea();
    // Keeps the newest history row in view through resizes while it is.
    void followNewestRow();
    // The live result, cut to the label's width with the whole in its tool tip.
    void showPreview();
    // A keypad or function button: insert, then the focus back to the line.
    void pressKey(const QString& text, InsertKind kind, bool bBracketButton = false);
    // MS, M+ and M-: evaluate the line, hand the value to the register.
    void changeMemory(bool (TMyMemory::*pOperation)(const std::string&), const char* pszRefusal);
    // The "M" indicator and MR's tool tip, after the register changed.
    void showMemory();
    void startMeasurement(const QString& strCommand, MeasurementKind kind);
    void copyToClipboard(const QString& text);
    void giveFocusBack();
    // The keyboard to the input line, the panel's window activated first
    // (a floating panel is a window of its own).
    void focusInputLine();
    void applyMeasurementStep(MeasurementRun::Step step);
    bool filterCalcKey(class QKeyEvent* pKey);
    bool filterUnitInputKey(class QKeyEvent* pKey);
    void showFailure(const std::exception* pError);
    // Runs fn; whatever it throws becomes the "!" indication instead of
    // reaching Qt or the host.
    template <class F> void guarded(F&& fn) noexcept;

    std::unique_ptr<DeadKeyNativeEventFilter> deadKeyFilter;
    // Gone before the history table, whose signals it follows.
    std::unique_ptr<HistoryDeleteButtons> deleteButtons;
    CTwString measurementText;
    CalculatorForm* form = nullptr;
    MyTools::TMyTinyExpr evaluator;
    TMyMemory memory;
    CTwFocusEater focusTracker;
    MeasurementRun pendingMeasurement;
    InputLine input;
    std::unique_ptr<PanelHost> host;
    // Set once buildGroupsAndIcons has run: from then on a theme change
    // brings the other theme's icons.
    bool themeIconsSet = false;
    std::vector<QMetaObject::Connection> connections;
    QTimer* previewTimer = nullptr;
    bool previewEnabled = true;
    QString previewText;
    // The history was showing its newest row: a resize keeps it in view.
    bool historyAtNewest = true;
    // What Clear all took, for one undo: the items row by row, where the
    // view stood and which row was current.
    struct ClearedHistory
    {
        std::vector<std::unique_ptr<QTableWidgetItem>> items;
        int scrollValue = 0;
        int currentRow = -1;
    };
    std::optional<ClearedHistory> clearedHistory;
};
