// Loading, unloading and listing modules from the command line.

#include "HostCommands.h"
#include "HostUserIO.h"
#include "ModuleManager.h"

#include <QDir>
#include <QFileInfo>

namespace
{
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
} // namespace

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
