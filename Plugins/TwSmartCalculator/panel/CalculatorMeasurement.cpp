// Measurement tools: a button asks the host to measure in the drawing; the
// panel stays disabled until the host reports that the command ended (the
// value is read from the drawing and inserted) or was cancelled.

#include "CalculatorPrivate.h"

#include <CTwDocument.h>
#include <CTwSystemServices.h>
#include <OdResBuf.h>

#include <cmath>

void CalculatorUI::runHostCommand(const QString& strCommand)
{
    CTwSystemServices* pServices = GetTwSystemServices();
    if (!pServices)
        return;
    setEnabled(false);
    // Whatever the host is running would otherwise take the command's name as
    // its input.
    pServices->SendMacro(CTwString(QStringLiteral("^C^C")), 0).release();
    OdResBufPtr pList = OdResBuf::newRb(kRtString);
    pList->setString(CTwString(strCommand));
    pList->last()->setNext(OdResBuf::newRb(kRtNone));
    pServices->ExecuteCommandList(0, pList);
    pList.release();
}

void CalculatorUI::startMeasurement(const QString& strCommand, MeasurementKind kind)
{
    guarded(
        [&]
        {
            runHostCommand(strCommand);
            // The host starts the command only after this slot has returned.
            pendingMeasurement = std::int32_t(kind);
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

void CalculatorUI::completeMeasurement()
{
    guarded(
        [this]
        {
            OdDbDatabasePtr pDb = ActiveDatabase();
            if (!pDb)
            {
                // The drawing went while the host measured: nothing to read, but
                // the panel must not stay locked.
                resetPendingMeasurement();
                return;
            }

            double value = -1.0;
            switch (MeasurementKind(pendingMeasurement))
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
            default:
                break;
            }
            if (pendingMeasurement != std::int32_t(MeasurementKind::Angle) && value >= 0.0)
                insertNumber(value, InsertKind::Number);
        });
    setEnabled(true);
    if (pendingMeasurement != std::int32_t(MeasurementKind::None))
    {
        form->lineEdit_calc->setFocus();
        pendingMeasurement = std::int32_t(MeasurementKind::None);
    }
}

void CalculatorUI::resetPendingMeasurement()
{
    pendingMeasurement = std::int32_t(MeasurementKind::None);
    setEnabled(true);
}
