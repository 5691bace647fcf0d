// Measurement tools: a button asks the host to measure in the drawing; the
// panel stays disabled until the run it asked for ends (the value is read
// from the drawing and inserted) or is cancelled. MeasurementRun tells that
// run's notifications from those of the commands around it.

#include "CalculatorPrivate.h"

#include <CTwDocument.h>
#include <CTwSystemServices.h>
#include <OdResBuf.h>

#include <cmath>

bool CalculatorUI::runHostCommand(const QString& strCommand)
{
    CTwSystemServices* pServices = GetTwSystemServices();
    if (!pServices)
        return false;
    setEnabled(false);
    // Whatever the host is running would otherwise take the command's name as
    // its input.
    pServices->SendMacro(CTwString(QStringLiteral("^C^C")), 0).release();
    OdResBufPtr pList = OdResBuf::newRb(kRtString);
    pList->setString(CTwString(strCommand));
    pList->last()->setNext(OdResBuf::newRb(kRtNone));
    const int status = pServices->ExecuteCommandList(0, pList);
    pList.release();
    return status >= 0;
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
    switch (step)
    {
    case MeasurementRun::Step::Complete:
        completeMeasurement();
        break;
    case MeasurementRun::Step::Release:
        resetPendingMeasurement();
        break;
    case MeasurementRun::Step::Ignored:
        break;
    }
}

void CalculatorUI::completeMeasurement()
{
    const MeasurementKind kind = pendingMeasurement.kind();
    bool bRead = false;
    guarded(
        [&]
        {
            OdDbDatabasePtr pDb = ActiveDatabase();
            if (!pDb)
                return; // the drawing went while the host measured: nothing to read
            bRead = true;

            double value = -1.0;
            switch (kind)
            {
            case MeasurementKind::Angle:
                insertText(measurementText.toQString(), InsertKind::Number);
                break;
            case MeasurementKind::Distance:
                value = pDb->getLastDistance();
                break;
            case MeasurementKind::Circumference:
                value = pDb->getLastPerimeter();
                break;
            case MeasurementKind::Area:
                value = pDb->getLastArea();
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
    if (bRead && kind != MeasurementKind::None)
        focusInputLine();
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
