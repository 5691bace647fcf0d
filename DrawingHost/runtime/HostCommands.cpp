#include "HostCommands.h"

#include "CommandProcessor.h"
#include "Documents.h"
#include "HostEditor.h"
#include "HostUserIO.h"
#include "ModuleManager.h"
#include "SystemServices.h"
#include "UIManager.h"

#include <CTwDocument.h>
#include <CTwUserIO.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineF>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
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

struct RunEnv
{
    HostUserIO* io = nullptr;
    OdDbDatabasePtr db;
    // Asked for by another command, which reports the value itself: a second
    // "Angle = ..." line for one measurement would only confuse.
    bool requested = false;

    void report(const QString& strResult) const
    {
        if (!requested)
            io->PutMessage(strResult);
    }
};

// The prompting object and the drawing of a run; false (and a message) when
// there is no drawing to work on.
bool prepare(HostUserIO& io, OdEdCommandContext* pCmdCtx, RunEnv& env)
{
    env.io = &io;
    env.requested = HostCommandContext::isRequested(pCmdCtx);
    if (CTwDocument* pDoc = pCmdCtx ? pCmdCtx->GetDocument() : nullptr)
        env.db = pDoc->GetDatabase();
    if (!env.db)
    {
        io.PutMessage(QCoreApplication::translate("HostCommand", "No drawing is open."));
        return false;
    }
    return true;
}

// A module path as users type or paste it: surrounding quotes go, and a
// leading ~ is the home folder.
QString modulePath(const QString& strAnswer)
{
    QString path = strAnswer.trimmed();
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path.replace(0, 1, QDir::homePath());
    return path;
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

// An integer setting in [0, iMax]; Enter keeps the current value.
int askSetting(HostUserIO* io, const QString& strPrompt, int iCurrent, int iMax, int& iValue)
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
        io->refuse(
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
    if (!prepare(m_parts.io, pCmdCtx, env))
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
    RunEnv env;
    if (!prepare(m_parts.io, pCmdCtx, env))
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
    CTwUnitFormatter* pFormat = env.io->GetUnitFormatter();
    env.report(tr("Area = %1, Perimeter = %2")
                   .arg(QString(pFormat->DistanceToText(area)),
                        QString(pFormat->DistanceToText(perimeter))));
    return kTwNormal;
}

int HostGetAngleCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    RunEnv env;
    if (!prepare(m_parts.io, pCmdCtx, env))
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

int HostLuprecCommand::RunCommand(OdEdCommandContext* pCmdCtx)
{
    RunEnv env;
    if (!prepare(m_parts.io, pCmdCtx, env))
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
    if (!prepare(m_parts.io, pCmdCtx, env))
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
    return m_parts.documents.newDrawing() ? kTwNormal : kTwError;
}

int HostCloseCommand::RunCommand(OdEdCommandContext*)
{
    HostDocument* pDoc = m_parts.documents.activeDocument();
    if (!pDoc)
    {
        m_parts.io.PutMessage(tr("No drawing is active."));
        return kTwError;
    }
    m_parts.documents.closeDocument(pDoc);
    return kTwNormal;
}

int HostStartPageCommand::RunCommand(OdEdCommandContext*)
{
    m_parts.documents.showStartPage();
    return kTwNormal;
}

int HostThemeCommand::RunCommand(OdEdCommandContext*)
{
    HostUserIO& io = m_parts.io;
    CTwKeywordArray keywords;
    keywords.push_back(u"_Light", tr("Light"));
    keywords.push_back(u"_Dark", tr("Dark"));
    io.SetKeywords(0, keywords);
    CTwString answer;
    const int status = io.GetKeyword(io.ComposePrompt(tr("Choose the colour theme"), keywords),
                                     keywords, answer, 0, 0);
    if (status != kTwNormal)
        return status;
    m_parts.ui.setColorTheme(answer.equalNoCase(u"_Dark") ? 2 : 1);
    return kTwNormal;
}

int HostWorkspaceCommand::RunCommand(OdEdCommandContext*)
{
    HostUserIO& io = m_parts.io;
    CTwKeywordArray keywords;
    for (const QString& name : m_parts.ui.workspaceNames())
        keywords.push_back(QLatin1Char('_') + name, name);
    CTwString answer;
    const int status = io.GetKeyword(io.ComposePrompt(tr("Choose the workspace"), keywords),
                                     keywords, answer, 0, 0);
    if (status != kTwNormal)
        return status;
    m_parts.ui.setCurrentWorkspace(QString(answer).mid(1));
    return kTwNormal;
}

int HostQuitCommand::RunCommand(OdEdCommandContext*)
{
    // Once this command has returned, so that the run ends cleanly first.
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    return kTwNormal;
}

int HostLoadCommand::RunCommand(OdEdCommandContext*)
{
    CTwString answer;
    const int status = m_parts.io.GetString(tr("Module file to load:"), answer);
    if (status != kTwNormal)
        return status;
    const QString path = modulePath(answer);
    if (path.isEmpty())
    {
        m_parts.io.refuse(tr("No module file given."));
        return kTwNormal;
    }
    // A refusal has been reported (and counted) by the module manager.
    m_parts.modules.load(path);
    return kTwNormal;
}

int HostUnloadCommand::RunCommand(OdEdCommandContext*)
{
    if (m_parts.modules.loadedPaths().isEmpty())
    {
        m_parts.io.refuse(tr("No module is loaded."));
        return kTwNormal;
    }
    CTwString answer;
    const int status = m_parts.io.GetString(tr("Module to unload (file name or path):"), answer);
    if (status != kTwNormal)
        return status;
    QString why;
    const QString path = m_parts.modules.find(modulePath(answer), why);
    if (path.isEmpty())
        m_parts.io.refuse(why);
    else
        m_parts.modules.unload(path);
    return kTwNormal;
}

int HostModulesCommand::RunCommand(OdEdCommandContext*)
{
    const QStringList paths = m_parts.modules.loadedPaths();
    if (paths.isEmpty())
    {
        m_parts.io.PutMessage(tr("No module is loaded."));
        return kTwNormal;
    }
    m_parts.io.PutMessage(tr("Loaded modules: %1").arg(paths.size()));
    for (const QString& path : paths)
        m_parts.io.PutMessage(
            QStringLiteral("  %1  %2  (%3)")
                .arg(QFileInfo(path).fileName(), path, m_parts.modules.originText(path)));
    return kTwNormal;
}

namespace
{
// The screen rectangle of what strName names in the window: a visible widget
// of that name, the menu-bar title of a menu of that name, or the toolbar
// button of an action of that name. Empty when nothing visible is named so.
QRect locateOnScreen(QMainWindow& window, const QString& strName)
{
    auto global = [](const QWidget* pWidget, const QRect& local)
    { return QRect(pWidget->mapToGlobal(local.topLeft()), local.size()); };
    const QList<QWidget*> widgets = window.findChildren<QWidget*>(strName);
    for (const QWidget* pWidget : widgets)
    {
        if (pWidget->isVisible() && !qobject_cast<const QMenu*>(pWidget))
            return global(pWidget, pWidget->rect());
    }
    QMenuBar* pBar = window.menuBar();
    for (QAction* pAction : pBar->actions())
    {
        if (pAction->menu() && pAction->menu()->objectName() == strName)
            return global(pBar, pBar->actionGeometry(pAction));
    }
    const QList<QToolBar*> toolBars = window.findChildren<QToolBar*>();
    for (const QToolBar* pToolBar : toolBars)
    {
        for (QAction* pAction : pToolBar->actions())
        {
            const QWidget* pButton = pToolBar->widgetForAction(pAction);
            if (pAction->objectName() == strName && pButton && pButton->isVisible())
                return global(pButton, pButton->rect());
        }
    }
    return QRect();
}
} // namespace

int HostLocateCommand::RunCommand(OdEdCommandContext*)
{
    CTwMainFrame* pFrame = m_parts.services.GetMainFrame();
    QMainWindow* pWindow = pFrame ? pFrame->GetMainWindow() : nullptr;
    if (!pWindow)
    {
        m_parts.io.refuse(tr("There is no window to look in."));
        return kTwNormal;
    }
    CTwString answer;
    const int status = m_parts.io.GetString(tr("Object name to locate:"), answer);
    if (status != kTwNormal)
        return status;
    const QString name = QString(answer).trimmed();
    const QRect rect = name.isEmpty() ? QRect() : locateOnScreen(*pWindow, name);
    if (rect.isEmpty())
    {
        m_parts.io.refuse(tr("Nothing visible is named \"%1\".").arg(name));
        return kTwNormal;
    }
    m_parts.io.PutMessage(tr("%1: centre %2,%3, rectangle %4,%5 %6x%7")
                              .arg(name)
                              .arg(rect.center().x())
                              .arg(rect.center().y())
                              .arg(rect.x())
                              .arg(rect.y())
                              .arg(rect.width())
                              .arg(rect.height()));
    return kTwNormal;
}

HostCommandSet::HostCommandSet(const HostCommandParts& parts)
    : getDistance(parts), getArea(parts), getAngle(parts), luprec(parts), aunits(parts),
      newDrawing(parts), close(parts), startPage(parts), theme(parts), workspace(parts),
      quit(parts), load(parts), unload(parts), modules(parts), locate(parts)
{
}

std::vector<OdEdCommand*> HostCommandSet::all()
{
    return {&getDistance, &getArea,   &getAngle, &luprec, &aunits, &newDrawing, &close, &startPage,
            &theme,       &workspace, &quit,     &load,   &unload, &modules,    &locate};
}

void HostCommandSet::registerWith(HostCommandStack& stack)
{
    for (OdEdCommand* pCmd : all())
        stack.addCommand(pCmd);
}

void HostCommandSet::unregisterFrom(HostCommandStack& stack)
{
    for (OdEdCommand* pCmd : all())
        stack.removeCmd(pCmd);
}
