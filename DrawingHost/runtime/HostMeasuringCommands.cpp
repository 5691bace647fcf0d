// The measuring commands: each stores its value in the drawing, where
// modules read it, and prints it unless another command asked for the run.

#include "HostCommandRun.h"
#include "HostCommands.h"
#include "HostUserIO.h"

#include <CTwUserIO.h>

#include <QLineF>

#include <cmath>

namespace
{
// The degree sign follows angles shown as plain numbers of degrees.
QString withDegreeSign(const QString& strText, int iUnit)
{
    return (iUnit == 0 || iUnit == 4) ? strText + QChar(0x00B0) : strText;
}

// A point that differs from pFirst; kTwNormal or the prompt's status.
int getSecondPoint(HostUserIO* io, const QString& strPrompt, QPointF first, QPointF& second)
{
    for (;;)
    {
        const int status = io->GetPoint(strPrompt, second);
        if (status != kTwNormal)
            return status;
        if (second != first)
            return kTwNormal;
        io->refuse(
            QCoreApplication::translate("HostCommand", "The two points of a line must differ."));
    }
}
} // namespace

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
    HostCommandRun env;
    if (!env.prepare(m_parts.io, pCmdCtx))
        return kTwError;
    QPointF first, second;
    int status = env.io->GetPoint(tr("Specify first point:"), first);
    if (status == kTwNormal)
        status = env.io->GetPoint(tr("Specify second point:"), second);
    if (status != kTwNormal)
        return status;
    const double distance = QLineF(first, second).length();
    env.db->setLastDistance(distance);
    env.report(
        tr("Distance = %1").arg(QString(env.io->GetUnitFormatter()->DistanceToText(distance))));
    return kTwNormal;
}

int HostGetAreaCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    HostCommandRun env;
    if (!env.prepare(m_parts.io, pCmdCtx))
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
            env.io->refuse(tr("An area needs at least three points."));
            continue;
        }
        if (status != kTwNormal)
            return status;
        points.append(point);
    }
    const double area = HostGeometry::polygonArea(points);
    const double perimeter = HostGeometry::polygonPerimeter(points);
    env.db->setLastArea(area, perimeter);
    const UnitFormatter& format = env.io->formatter();
    env.report(tr("Area = %1, Perimeter = %2")
                   .arg(format.AreaToText(area), QString(format.DistanceToText(perimeter))));
    return kTwNormal;
}

int HostGetAngleCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    HostCommandRun env;
    if (!env.prepare(m_parts.io, pCmdCtx))
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
    env.report(tr("Angle = %1").arg(withDegreeSign(text, env.db->getAUNITS())));
    return kTwNormal;
}
