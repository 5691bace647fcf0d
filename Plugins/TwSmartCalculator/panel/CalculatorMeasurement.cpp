// Measurement tools: a button asks the host to measure in the drawing; the
// panel stays disabled until the run it asked for ends (the value is read
// from the drawing and inserted) or is cancelled. MeasurementRun tells that
// run's notifications from those of the commands around it.

#include "CalculatorPrivate.h"

bool CalculatorUI::runHostCommand(const QString& strCommand)
{
    setEnabled(false);
    return host->runMeasuringCommand(strCommand);
}

void CalculatorUI::startMeasurement(const QString& strCommand, MeasurementKind kind)
{
    guarded(
        [&]
        {
            // One measurement at a time: the panel is disabled meanwhile, so
            // only a second click already queued gets here.
            if (pendingMeasurement.isPending())
                return;
            // An angle handed over by an earlier run must never be inserted
            // for this one.
            measurementText = CTwString();
            // Armed before the request, in case the host starts the command
            // before the request returns.
            pendingMeasurement.request(kind, strCommand.toStdU16String());
            if (!runHostCommand(strCommand))
                resetPendingMeasurement();
        });
}

void CalculatorUI::button_getDistance_pressed()
{
    startMeasurement(QStringLiteral("_GETDISTANCE"), MeasurementKind::Distance);
}

void CalculatorUI::button_getAngle_pressed()
{
    startMeasurement(QStringLiteral("_SCGETANGLE"), MeasurementKind::Angle);
}

void CalculatorUI::button_getArea_pressed()
{
    startMeasurement(QStringLiteral("_GETAREA"), MeasurementKind::Area);
}

void CalculatorUI::button_getCircumference_pressed()
{
    startMeasurement(QStringLiteral("_GETAREA"), MeasurementKind::Circumference);
}

void CalculatorUI::hostCommandWillStart(const QString& strGlobalName)
{
    pendingMeasurement.commandWillStart(strGlobalName.toStdU16String());
}

void CalculatorUI::hostCommandFinished(const QString& strGlobalName, bool bNormal)
{
    applyMeasurementStep(
        pendingMeasurement.commandFinished(strGlobalName.toStdU16String(), bNormal));
    // The command may have changed the drawing's precision or angle unit.
    refreshPreview();
}

void CalculatorUI::hostCommandUnknown(const QString& strGlobalName)
{
    applyMeasurementStep(pendingMeasurement.unknownCommand(strGlobalName.toStdU16String()));
}

void CalculatorUI::applyMeasurementStep(MeasurementRun::Step step)
{
    if (step == MeasurementRun::Step::Ignored)
        return;
    if (step == MeasurementRun::Step::Complete)
        completeMeasurement();
    else
        resetPendingMeasurement();
    // However the run ended (a value, Escape, a failure, parallel lines),
    // the person goes on in the input line, not on the host's command line,
    // which had the keyboard while the panel was disabled.
    if (isVisible())
        focusInputLine();
}

void CalculatorUI::completeMeasurement()
{
    const MeasurementKind kind = pendingMeasurement.kind();
    guarded(
        [&]
        {
            const std::optional<PanelHost::Drawing> drawing = host->activeDrawing();
            if (!drawing)
                return; // the drawing went while the host measured: nothing to read

            double value = -1.0;
            switch (kind)
            {
            case MeasurementKind::Angle:
                insertText(measurementText.toQString(), InsertKind::Number);
                break;
            case MeasurementKind::Distance:
                value = drawing->lastDistance;
                break;
            case MeasurementKind::Circumference:
                value = drawing->lastPerimeter;
                break;
            case MeasurementKind::Area:
                value = drawing->lastArea;
                if (value == 0.0)
                    value = -1.0; // no area was measured
                break;
            case MeasurementKind::None:
                break;
            }
            if (kind != MeasurementKind::Angle && value >= 0.0)
                insertNumber(value, InsertKind::Number);
        });
    resetPendingMeasurement();
}

void CalculatorUI::resetPendingMeasurement()
{
    pendingMeasurement.clear();
    setEnabled(true);
}

void CalculatorUI::focusInputLine()
{
    QWidget* pWindow = window();
    if (pWindow && pWindow->isVisible() && !pWindow->isActiveWindow())
        pWindow->activateWindow();
    form->lineEdit_calc->setFocus(Qt::OtherFocusReason);
}
