#include "CTwSCGetAngleCommand.h"

#include "ModuleGuard.h"
#include "PanelOwner.h"

#include <CTwDocument.h>
#include <CTwSystemServices.h>
#include <CTwUserIO.h>
#include <InsertedNumber.h>
#include <TMyTinyExpr.h>

#include <QCoreApplication>

#include <cmath>

namespace
{

constexpr double kTolerance = 1e-10;
using MyTools::kPi;
constexpr double kHalfPi = kPi / 2;
// Angular units whose printed angle takes a degree sign: decimal degrees, and
// surveyor's units (which print an angle in decimal degrees).
constexpr int kDecimalDegrees = 0;
constexpr int kSurveyorUnits = 4;

// The angle the user asked for, from the measured one (0 to pi between the
// lines' directions).
double chosenAngle(const CTwString& answer, double measured)
{
    if (answer.equalNoCase(CTwString("_Acute")))
        return measured < kHalfPi ? measured : kPi - measured;
    if (answer.equalNoCase(CTwString("_Obtuse")))
        return measured < kHalfPi ? kPi - measured : measured;
    return 0.0;
}

// Acute or obtuse, asked of the user unless the lines are perpendicular.
// Returns the prompt's status; angle is the one chosen.
int askForAngle(CTwUserIO& io, double measured, double& angle)
{
    if (std::fabs(measured - kHalfPi) <= kTolerance)
    {
        angle = kHalfPi;
        return kTwNormal;
    }
    CTwKeywordArray keywords;
    keywords.push_back(
        CTwString("_Acute"),
        QCoreApplication::translate(
            "CTwSCGetAngleCommand", "Acute",
            "[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant."));
    keywords.push_back(
        CTwString("_Obtuse"),
        QCoreApplication::translate(
            "CTwSCGetAngleCommand", "Obtuse",
            "[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant."));
    io.SetKeywords(0, keywords);
    const CTwString prompt = io.ComposePrompt(
        QCoreApplication::translate("CTwSCGetAngleCommand", "Specify angle to measure"), keywords);
    CTwString answer;
    const int status = io.GetKeyword(prompt, keywords, answer, 0, 0);
    angle = chosenAngle(answer, measured);
    return status;
}

// "Angle = ..." in the drawing's units for the user. The panel gets a plain
// number in the unit its calculations use for this drawing (degrees, grads
// or radians), formatted as every measured value: the drawing's own texts
// ("60d0'0\"", "1.0472r") are no expressions the calculator could evaluate.
int reportAngle(CTwUserIO& io, const OdDbDatabase& db, double angle)
{
    CTwUnitFormatter* pFormatter = io.GetUnitFormatter();
    if (!pFormatter)
        return kTwError;
    QString text = pFormatter->AngleToText(angle, -1, -1, -1, true);
    const int aunits = db.getAUNITS();
    if (aunits == kDecimalDegrees || aunits == kSurveyorUnits)
        text += QChar(0x00B0);
    io.PutMessage(QCoreApplication::translate("CTwSCGetAngleCommand", "Angle = %1")
                      .arg(text, 0, QLatin1Char(' ')));
    PanelOwner::setMeasuredAngleText(InsertedNumberText(AngleInCalculatorUnit(angle, aunits)));
    return kTwNormal;
}

int measureAngle(OdEdCommandContext* pCmdCtx)
{
    CTwUserIO* pIO = GetTwUserIO(pCmdCtx);
    CTwSystemServices* pServices = GetTwSystemServices();
    CTwDocument* pDoc = pCmdCtx ? pCmdCtx->GetDocument() : nullptr;
    if (!pIO || !pServices || !pDoc)
        return kTwError;
    OdDbDatabasePtr pDb = pDoc->GetDatabase();
    if (!pDb)
        return kTwError;

    // The host's own command lets the user pick the two lines.
    CTwSystemServices::CTwExpressionParserData parserData;
    parserData.bAllowNested = true;
    parserData.bEchoCommand = true;
    OdResBufPtr pResult = pServices->EvaluateRequest(parserData, kRtString, CTwString("_GETANGLE"));
    if (!pResult || pResult->restype() != kTwNormal)
        return kTwCancel;

    const double measured = pDb->getLastAngle();
    if (std::fabs(measured) <= kTolerance)
    {
        pIO->PutMessage(QCoreApplication::translate("GetAngleSC", "Lines are parallel."));
        // An angle from an earlier run must not land in the input line.
        PanelOwner::setMeasuredAngleText(CTwString());
        return kTwNormal;
    }
    double angle = 0.0;
    const int status = askForAngle(*pIO, measured, angle);
    if (status != kTwNormal)
        return status;
    return reportAngle(*pIO, *pDb, angle);
}

} // namespace

const OdString CTwSCGetAngleCommand::globalName() const
{
    return OdString(u"_SCGETANGLE");
}

const OdString CTwSCGetAngleCommand::localName() const
{
    return CTwString(
        QCoreApplication::translate("CTwSCGetAngleCommand", "_SCGETANGLE",
                                    "Command Name: Needs to be unique and all uppercase."));
}

int CTwSCGetAngleCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    return ModuleGuard::command(pCmdCtx, [pCmdCtx] { return measureAngle(pCmdCtx); });
}
