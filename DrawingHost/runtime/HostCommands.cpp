#include "HostCommands.h"

#include "Documents.h"
#include "HostEditor.h"
#include "HostRuntime.h"
#include "UIManager.h"
#include "UserInput.h"
#include "ui/Theme.h"

#include <CTwDocument.h>
#include <CTwUserIO.h>

#include <QApplication>
#include <QLineF>
#include <QTimer>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace
{
// The degree sign follows angles shown as plain numbers of degrees.
QString withDegreeSign(const QString& strText, int iUnit)
{
    return (iUnit == 0 || iUnit == 4) ? strText + QChar(0x00B0) : strText;
}

// A refused answer: shown like any message, and counted so that a script
// with a bad line fails.
void refuse(CTwUserIO* io, const QString& strMessage)
{
    if (HostRuntime* pRuntime = HostRuntime::instance())
        pRuntime->input().reject(strMessage);
    else
        io->PutMessage(strMessage);
}

struct RunEnv
{
    CTwUserIO* io = nullptr;
    OdDbDatabasePtr db;
};

// The prompting object and the drawing of a run; false (and a message) when
// the command cannot run.
bool prepare(OdEdCommandContext* pCmdCtx, RunEnv& env, bool bNeedsDrawing)
{
    env.io = GetTwUserIO(pCmdCtx);
    if (!env.io)
        return false;
    CTwDocument* pDoc = pCmdCtx->GetDocument();
    if (pDoc)
        env.db = pDoc->GetDatabase();
    if (bNeedsDrawing && !env.db)
    {
        env.io->PutMessage(QCoreApplication::translate("HostCommand", "No drawing is open."));
        return false;
    }
    return true;
}

// A point that differs from pFirst; kTwNormal or the prompt's status.
int getSecondPoint(CTwUserIO* io, const QString& strPrompt, QPointF first, QPointF& second)
{
    for (;;)
    {
        const int status = io->GetPoint(strPrompt, second);
        if (status != kTwNormal)
            return status;
        if (second != first)
            return kTwNormal;
        refuse(io,
               QCoreApplication::translate("HostCommand", "The two points of a line must differ."));
    }
}

// An integer setting in [0, iMax]; Enter keeps the current value.
int askSetting(CTwUserIO* io, const QString& strPrompt, int iCurrent, int iMax, int& iValue)
{
    for (;;)
    {
        int value = iCurrent;
        const int status = io->GetInteger(QStringLiteral("%1 <%2>:").arg(strPrompt).arg(iCurrent),
                                          value, CTwUserIO::kTwAllowEmpty);
        if (status == kTwNone)
        {
            iValue = iCurrent;
            return kTwNormal;
        }
        if (status != kTwNormal)
            return status;
        if (value >= 0 && value <= iMax)
        {
            iValue = value;
            return kTwNormal;
        }
        refuse(io,
               QCoreApplication::translate("HostCommand", "Requires an integer between 0 and %1.")
                   .arg(iMax));
    }
}
} // namespace

const OdString HostCommand::globalName() const
{
    return OdString(u"_" + QString::fromLatin1(m_localName).toStdU16String());
}

const OdString HostCommand::localName() const
{
    return OdString(QString::fromLatin1(m_localName).toStdU16String());
}

namespace HostGeometry
{
double polygonArea(const QList<QPointF>& points)
{
    double twice = 0.0;
    for (qsizetype i = 0; i < points.size(); ++i)
    {
        const QPointF& a = points[i];
        const QPointF& b = points[(i + 1) % points.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::fabs(twice) / 2.0;
}

double polygonPerimeter(const QList<QPointF>& points)
{
    double length = 0.0;
    for (qsizetype i = 0; points.size() > 1 && i < points.size(); ++i)
        length += QLineF(points[i], points[(i + 1) % points.size()]).length();
    return length;
}

double angleBetween(QPointF a, QPointF b)
{
    const double lengths = std::hypot(a.x(), a.y()) * std::hypot(b.x(), b.y());
    if (lengths == 0.0)
        return 0.0;
    // atan2 of cross and dot stays exact near 0 and pi, where acos loses
    // digits.
    const double cross = a.x() * b.y() - a.y() * b.x();
    const double dot = a.x() * b.x() + a.y() * b.y();
    return std::atan2(std::fabs(cross), dot);
}
} // namespace HostGeometry

int HostGetDistanceCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    RunEnv env;
    if (!prepare(pCmdCtx, env, true))
        return kTwError;
    QPointF first, second;
    int status = env.io->GetPoint(tr("Specify first point:"), first);
    if (status == kTwNormal)
        status = env.io->GetPoint(tr("Specify second point:"), second);
    if (status != kTwNormal)
        return status;
    const double distance = QLineF(first, second).length();
    env.db->setLastDistance(distance);
    env.io->PutMessage(
        tr("Distance = %1").arg(QString(env.io->GetUnitFormatter()->DistanceToText(distance))));
    return kTwNormal;
}

int HostGetAreaCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    RunEnv env;
    if (!prepare(pCmdCtx, env, true))
        return kTwError;
    QList<QPointF> points;
    for (;;)
    {
        const QString prompt = points.isEmpty() ? tr("Specify first corner point:")
                               : points.size() < 3
                                   ? tr("Specify next corner point:")
                                   : tr("Specify next corner point or press Enter to close:");
        QPointF point;
        const int status = env.io->GetPoint(prompt, point, CTwUserIO::kTwAllowEmpty);
        if (status == kTwNone)
        {
            if (points.size() >= 3)
                break;
            refuse(env.io, tr("An area needs at least three points."));
            continue;
        }
        if (status != kTwNormal)
            return status;
        points.append(point);
    }
    const double area = HostGeometry::polygonArea(points);
    const double perimeter = HostGeometry::polygonPerimeter(points);
    env.db->setLastArea(area, perimeter);
    CTwUnitFormatter* pFormat = env.io->GetUnitFormatter();
    env.io->PutMessage(tr("Area = %1, Perimeter = %2")
                           .arg(QString(pFormat->DistanceToText(area)),
                                QString(pFormat->DistanceToText(perimeter))));
    return kTwNormal;
}

int HostGetAngleCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    RunEnv env;
    if (!prepare(pCmdCtx, env, true))
        return kTwError;
    QPointF a1, a2, b1, b2;
    int status = env.io->GetPoint(tr("Specify first point of the first line:"), a1);
    if (status == kTwNormal)
        status = getSecondPoint(env.io, tr("Specify second point of the first line:"), a1, a2);
    if (status == kTwNormal)
        status = env.io->GetPoint(tr("Specify first point of the second line:"), b1);
    if (status == kTwNormal)
        status = getSecondPoint(env.io, tr("Specify second point of the second line:"), b1, b2);
    if (status != kTwNormal)
        return status;
    const double angle = HostGeometry::angleBetween(a2 - a1, b2 - b1);
    env.db->setLastAngle(angle);
    const QString text = env.io->GetUnitFormatter()->AngleToText(angle);
    env.io->PutMessage(tr("Angle = %1").arg(withDegreeSign(text, env.db->getAUNITS())));
    return kTwNormal;
}

int HostLuprecCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    RunEnv env;
    if (!prepare(pCmdCtx, env, true))
        return kTwError;
    int value = 0;
    const int status =
        askSetting(env.io, tr("Enter new value for LUPREC (decimals of lengths, 0 to 8)"),
                   env.db->getLUPREC(), 8, value);
    if (status == kTwNormal)
        env.db->setLUPREC(OdInt16(value));
    return status;
}

int HostAunitsCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    RunEnv env;
    if (!prepare(pCmdCtx, env, true))
        return kTwError;
    env.io->PutMessage(
        tr("Angular units: 0 decimal degrees, 1 degrees/minutes/seconds, 2 grads, 3 radians, "
           "4 surveyor's units."));
    int value = 0;
    const int status =
        askSetting(env.io, tr("Enter new value for AUNITS"), env.db->getAUNITS(), 4, value);
    if (status == kTwNormal)
        env.db->setAUNITS(OdInt16(value));
    return status;
}

int HostNewCommand::RunCommand(OdEdCommandContext*)
{
    HostRuntime* pRuntime = HostRuntime::instance();
    if (!pRuntime)
        return kTwError;
    return pRuntime->newDrawing() ? kTwNormal : kTwError;
}

int HostCloseCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    HostRuntime* pRuntime = HostRuntime::instance();
    CTwUserIO* io = GetTwUserIO(pCmdCtx);
    if (!pRuntime || !io)
        return kTwError;
    HostDocument* pDoc = pRuntime->documents().activeDocument();
    if (!pDoc)
    {
        io->PutMessage(tr("No drawing is active."));
        return kTwError;
    }
    pRuntime->documents().closeDocument(pDoc);
    return kTwNormal;
}

int HostStartPageCommand::RunCommand(OdEdCommandContext*)
{
    HostRuntime* pRuntime = HostRuntime::instance();
    if (!pRuntime)
        return kTwError;
    pRuntime->documents().showStartPage();
    return kTwNormal;
}

int HostThemeCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    HostRuntime* pRuntime = HostRuntime::instance();
    CTwUserIO* io = GetTwUserIO(pCmdCtx);
    if (!pRuntime || !io)
        return kTwError;
    CTwKeywordArray keywords;
    keywords.push_back(u"_Light", tr("Light"));
    keywords.push_back(u"_Dark", tr("Dark"));
    io->SetKeywords(0, keywords);
    CTwString answer;
    const int status = io->GetKeyword(io->ComposePrompt(tr("Choose the colour theme"), keywords),
                                      keywords, answer, 0, 0);
    if (status != kTwNormal)
        return status;
    pRuntime->ui().setColorTheme(answer.equalNoCase(u"_Dark") ? 2 : 1);
    return kTwNormal;
}

int HostWorkspaceCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    HostRuntime* pRuntime = HostRuntime::instance();
    CTwUserIO* io = GetTwUserIO(pCmdCtx);
    if (!pRuntime || !io)
        return kTwError;
    CTwKeywordArray keywords;
    for (const QString& name : pRuntime->ui().workspaceNames())
        keywords.push_back(QLatin1Char('_') + name, name);
    CTwString answer;
    const int status = io->GetKeyword(io->ComposePrompt(tr("Choose the workspace"), keywords),
                                      keywords, answer, 0, 0);
    if (status != kTwNormal)
        return status;
    pRuntime->ui().setCurrentWorkspace(QString(answer).mid(1));
    return kTwNormal;
}

int HostQuitCommand::RunCommand(OdEdCommandContext*)
{
    // Once this command has returned, so that the run ends cleanly first.
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    return kTwNormal;
}

void HostCommandSet::registerWith(HostCommandStack& stack)
{
    for (OdEdCommand* pCmd : std::initializer_list<OdEdCommand*>{
             &getDistance, &getArea, &getAngle, &luprec, &aunits, &newDrawing, &close, &startPage,
             &theme, &workspace, &quit})
        stack.addCommand(pCmd);
}

void HostCommandSet::unregisterFrom(HostCommandStack& stack)
{
    for (OdEdCommand* pCmd : std::initializer_list<OdEdCommand*>{
             &getDistance, &getArea, &getAngle, &luprec, &aunits, &newDrawing, &close, &startPage,
             &theme, &workspace, &quit})
        stack.removeCmd(pCmd);
}
