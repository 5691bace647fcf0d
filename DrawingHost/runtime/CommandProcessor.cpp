#include "CommandProcessor.h"

#include "CommandLine.h"
#include "Documents.h"
#include "Guard.h"
#include "HostEditor.h"

#include <CTwCommand.h>

#include <QTimer>

HostCommandContext::HostCommandContext(HostDocument* pDoc, bool bRequested)
    : m_document(pDoc), m_requested(bRequested)
{
}

bool HostCommandContext::isRequested(const OdEdCommandContext* pCmdCtx)
{
    const auto* pContext = dynamic_cast<const HostCommandContext*>(pCmdCtx);
    return pContext && pContext->isRequested();
}

CTwDocument* HostCommandContext::GetDocument() const
{
    return m_document.data();
}

CommandProcessor::CommandProcessor(CommandLine& commandLine, UserInput& input,
                                   HostCommandStack& stack, HostEditor& editor,
                                   DocumentManager& documents, QObject* parent)
    : QObject(parent), m_commandLine(commandLine), m_input(input), m_stack(stack), m_editor(editor),
      m_documents(documents)
{
    connect(&input, &UserInput::linesQueued, this, &CommandProcessor::scheduleDrain);
}

int CommandProcessor::classify(int iStatus)
{
    if (iStatus == kTwCancel)
        return kTwCancel;
    return iStatus < 0 ? kTwError : kTwNormal;
}

QString CommandProcessor::currentCommandName() const
{
    return m_frames.empty() ? QString() : m_frames.back().globalName;
}

bool CommandProcessor::isQuiet() const
{
    return m_frames.empty() && m_queue.empty() && m_idleTasks.empty() && !m_input.hasPending();
}

int CommandProcessor::runCommand(OdEdCommand* pCmd, const QString& strEcho, Origin origin)
{
    if (!pCmd)
        return kTwError;
    CommandLine& commandLine = m_commandLine;
    if (!strEcho.isEmpty())
        commandLine.message(CommandLine::commandPrompt() + QLatin1Char(' ') + strEcho);

    OdEdCommandPtr keepAlive(pCmd);
    QString globalName;
    callGuarded(QStringLiteral("globalName"),
                [&] { globalName = QString::fromStdU16String(pCmd->globalName().str()); });
    auto context = OdRxObjectImpl<HostCommandContext>::createObject(m_documents.activeDocument(),
                                                                    origin == Origin::Request);
    if (m_frames.empty())
    {
        m_cancelShownAt = -1;
        if (!globalName.isEmpty() && origin != Origin::Transparent)
            m_lastCommand = globalName;
    }
    m_frames.push_back(Frame{pCmd, globalName});
    emit commandStarted(globalName);
    HostEditor& editor = m_editor;
    editor.fireCommandWillStart(pCmd, context.get());

    int status = kTwNormal;
    const bool ran = callGuarded(globalName,
                                 [&]
                                 {
                                     pCmd->execute(context.get());
                                     if (auto* pTw = dynamic_cast<CTwCommand*>(pCmd))
                                         status = pTw->lastStatus();
                                     else if (m_frames.back().cancelled)
                                         status = kTwCancel;
                                 });
    if (!ran)
        status = kTwError;
    m_frames.pop_back();

    status = classify(status);
    if (status == kTwCancel)
    {
        if (m_cancelShownAt != m_input.promptCount())
            commandLine.message(tr("*Cancel*"));
        m_cancelShownAt = m_input.promptCount();
        editor.fireCommandCancelled(pCmd, context.get());
    }
    else if (status == kTwError)
    {
        m_input.reject(tr("Command %1 failed.").arg(globalName));
        editor.fireCommandFailed(pCmd, context.get());
    }
    else
    {
        editor.fireCommandEnded(pCmd, context.get());
    }
    if (m_frames.empty())
    {
        commandLine.setPrompt(CommandLine::commandPrompt());
        scheduleDrain();
    }
    emit commandFinished(globalName, status);
    return status;
}

int CommandProcessor::runNamed(const QString& strName, bool bEcho, Origin origin)
{
    const QString name = strName.trimmed();
    OdEdCommandPtr cmd = m_stack.lookupCmd(OdString(name.toStdU16String()));
    if (!cmd)
    {
        if (bEcho)
            m_commandLine.message(CommandLine::commandPrompt() + QLatin1Char(' ') + strName);
        m_input.reject(tr("Unknown command \"%1\".").arg(name));
        auto context =
            OdRxObjectImpl<HostCommandContext>::createObject(m_documents.activeDocument());
        m_editor.fireUnknownCommand(OdString(name.toStdU16String()), context.get());
        return kTwError;
    }
    return runCommand(cmd.get(), bEcho ? strName : QString(), origin);
}

int CommandProcessor::runLine(const QString& strLine)
{
    const QString line = strLine.trimmed();
    if (line.isEmpty())
        return repeatLast();
    if (line == QLatin1String("^C"))
    {
        m_commandLine.clearInput();
        m_commandLine.message(CommandLine::commandPrompt() + QLatin1Char(' ') + line);
        m_commandLine.message(tr("*Cancel*"));
        return kTwCancel;
    }
    return runNamed(line, true);
}

int CommandProcessor::repeatLast()
{
    OdEdCommandPtr cmd;
    if (!m_lastCommand.isEmpty())
        cmd = m_stack.lookupCmd(OdString(m_lastCommand.toStdU16String()));
    if (!cmd)
    {
        // Nothing to repeat (or its module is gone): Enter just shows the prompt.
        m_commandLine.message(CommandLine::commandPrompt());
        return kTwNormal;
    }
    QString localName;
    callGuarded(QStringLiteral("localName"),
                [&] { localName = QString::fromStdU16String(cmd->localName().str()); });
    return runCommand(cmd.get(), localName.isEmpty() ? m_lastCommand : localName);
}

void CommandProcessor::queueCommand(const QString& strName, const QStringList& inputs)
{
    m_queue.push_back(Queued{strName, inputs});
    scheduleDrain();
}

bool CommandProcessor::runTransparent(const QString& strMacro)
{
    QString name = strMacro.trimmed();
    if (name.startsWith(QLatin1Char('\'')))
        name.remove(0, 1);
    if (name.isEmpty() || name.contains(QLatin1Char(';')) || name.contains(QLatin1Char('^')) ||
        name.contains(QLatin1Char(' ')))
        return false;
    const OdEdCommandPtr cmd = m_stack.lookupCmd(OdString(name.toStdU16String()));
    OdInt32 flags = 0;
    if (cmd)
        callGuarded(QStringLiteral("flags"), [&] { flags = cmd->flags(); });
    if (!(flags & CTwCommand::kTwTransparent))
        return false;
    // What the waiting prompt shows must come back once the command is done.
    const QString prompt = m_commandLine.prompt();
    const bool takesSpaces = m_commandLine.promptTakesSpaces();
    runCommand(cmd.get(), QString(), Origin::Transparent);
    if (!isIdle())
        m_commandLine.setPrompt(prompt, takesSpaces);
    return true;
}

OdResBufPtr CommandProcessor::evaluate(const QString& strName, bool bAllowNested, bool bEcho)
{
    int status = kTwError;
    if (!isIdle() && !bAllowNested)
        m_commandLine.message(tr("%1 cannot run while another command runs.").arg(strName));
    else
        status = classify(runNamed(strName, bEcho, Origin::Request));
    return OdResBuf::newRb(status);
}

void CommandProcessor::cancelInnermost()
{
    if (!m_frames.empty())
        m_frames.back().cancelled = true;
    m_input.wake();
}

void CommandProcessor::cancelAll()
{
    for (Frame& frame : m_frames)
        frame.cancelled = true;
    m_input.wake();
}

QString CommandProcessor::cancelCommandsFrom(const void* pImageBase)
{
    for (std::size_t i = 0; i < m_frames.size(); ++i)
    {
        if (!isFromImage(m_frames[i].command, pImageBase))
            continue;
        for (std::size_t j = i; j < m_frames.size(); ++j)
            m_frames[j].cancelled = true;
        m_input.wake();
        return m_frames[i].globalName;
    }
    return QString();
}

void CommandProcessor::whenIdle(std::function<void()> fn)
{
    m_idleTasks.push_back(std::move(fn));
    scheduleDrain();
}

void CommandProcessor::scheduleDrain()
{
    if (m_drainScheduled)
        return;
    m_drainScheduled = true;
    QTimer::singleShot(0, this, &CommandProcessor::drain);
}

void CommandProcessor::drain()
{
    m_drainScheduled = false;
    // A running command reschedules when it ends.
    if (!isIdle())
        return;
    if (!m_idleTasks.empty())
    {
        const std::vector<std::function<void()>> tasks = std::move(m_idleTasks);
        m_idleTasks.clear();
        for (const auto& task : tasks)
            task();
        scheduleDrain();
        return;
    }
    if (!m_queue.empty())
    {
        Queued next = m_queue.front();
        m_queue.erase(m_queue.begin());
        // An unknown command's inputs would otherwise run as commands.
        if (m_stack.lookupCmd(OdString(next.name.trimmed().toStdU16String())))
            m_input.enqueueFront(next.inputs);
        runNamed(next.name, true);
        scheduleDrain();
        return;
    }
    UserInput& input = m_input;
    if (input.hasPending())
    {
        runLine(input.takeNext());
        scheduleDrain();
        return;
    }
    emit quiet();
}
