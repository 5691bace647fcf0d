// The host command base, the set the runtime registers, the run shared by
// the commands that work on a drawing, and the commands for documents, the
// start page, theme, workspace and quitting.

#include "HostCommands.h"

#include "CommandProcessor.h"
#include "Documents.h"
#include "HostCommandRun.h"
#include "HostEditor.h"
#include "HostUserIO.h"
#include "UIManager.h"

#include <CTwSystemServices.h>
#include <CTwUserIO.h>

#include <QCoreApplication>
#include <QTimer>

bool HostCommandRun::prepare(HostUserIO& hostIO, OdEdCommandContext* pCmdCtx)
{
    io = &hostIO;
    requested = HostCommandContext::isRequested(pCmdCtx);
    if (CTwDocument* pDoc = pCmdCtx ? pCmdCtx->GetDocument() : nullptr)
        db = pDoc->GetDatabase();
    if (!db)
    {
        hostIO.PutMessage(QCoreApplication::translate("HostCommand", "No drawing is open."));
        return false;
    }
    return true;
}

void HostCommandRun::report(const QString& strResult) const
{
    if (!requested)
        io->PutMessage(strResult);
}

namespace
{
// A workspace's name is what modules compare; its keyword is the user's
// word. Keywords show their shortcut in capitals: the comment tells the
// translator to keep them, and the shortcuts of one prompt apart.
QString workspaceKeyword(const QString& strName)
{
    if (strName == QLatin1String("Classic"))
        return HostWorkspaceCommand::tr(
            "Classic", "[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant.");
    if (strName == QLatin1String("Drafting"))
        return HostWorkspaceCommand::tr(
            "Drafting", "[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant.");
    return strName;
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
    keywords.push_back(
        u"_Light",
        tr("Light", "[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant."));
    keywords.push_back(
        u"_Dark",
        tr("Dark", "[GROUP MAIN]Command Option: Upper- and Lowercase letters are relevant."));
    io.SetKeywords(0, keywords);
    CTwString answer;
    const int status = io.GetKeyword(io.ComposePrompt(tr("Choose the colour theme"), keywords),
                                     keywords, answer, 0, 0);
    if (status != kTwNormal)
        return status;
    m_parts.ui.setColorTheme(answer.equalNoCase(u"_Dark") ? kTwFirstDarkTheme : 1);
    return kTwNormal;
}

int HostWorkspaceCommand::RunCommand(OdEdCommandContext*)
{
    HostUserIO& io = m_parts.io;
    CTwKeywordArray keywords;
    for (const QString& name : m_parts.ui.workspaceNames())
        keywords.push_back(QLatin1Char('_') + name, workspaceKeyword(name));
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

HostCommandSet::HostCommandSet(const HostCommandParts& parts)
    : getDistance(parts), getArea(parts), getAngle(parts), lunits(parts), luprec(parts),
      aunits(parts),
      newDrawing(parts), close(parts), startPage(parts), theme(parts), workspace(parts),
      quit(parts), load(parts), unload(parts), modules(parts), locate(parts)
{
}

std::vector<OdEdCommand*> HostCommandSet::all()
{
    return {&getDistance, &getArea, &getAngle, &lunits, &luprec, &aunits,
            &newDrawing,  &close,   &startPage, &theme, &workspace, &quit,
            &load,        &unload,  &modules,   &locate};
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
