#include "UserInput.h"

#include "CommandLine.h"

#include <QEventLoop>

namespace
{
const QString kCancelToken = QStringLiteral("^C");
}

UserInput::UserInput(CommandLine& commandLine, QObject* parent)
    : QObject(parent), m_commandLine(commandLine)
{
}

void UserInput::enqueue(const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    m_pending.append(lines);
    if (isWaiting())
        wake();
    else
        emit linesQueued();
}

void UserInput::enqueueFront(const QStringList& lines)
{
    m_pending = lines + m_pending;
}

void UserInput::submit(const QString& strLine)
{
    enqueue({strLine});
}

void UserInput::cancel()
{
    m_commandLine.clearInput();
    if (m_processor && !m_processor->isIdle())
    {
        m_processor->cancelInnermost();
    }
    else if (isWaiting())
    {
        m_cancelOutside = true;
    }
    else
    {
        m_commandLine.message(tr("*Cancel*"));
        return;
    }
    wake();
}

void UserInput::submitPoint(QPointF point)
{
    if (isWaitingForPoint())
        submit(formatPoint(point));
}

QString UserInput::formatPoint(QPointF point)
{
    return QStringLiteral("%1,%2").arg(point.x(), 0, 'g', 12).arg(point.y(), 0, 'g', 12);
}

void UserInput::wake()
{
    for (QEventLoop* pLoop : std::as_const(m_loops))
        pLoop->quit();
}

bool UserInput::cancelledNow() const
{
    return m_cancelOutside || (m_processor && m_processor->innermostCancelled());
}

bool UserInput::readLine(const QString& strPrompt, QString& strLine, Answer answer)
{
    m_commandLine.setPrompt(strPrompt, answer == Answer::Text);
    const Answer outerAnswer = m_answer;
    m_answer = answer;
    bool answered = false;
    bool asked = false;
    for (;;)
    {
        if (cancelledNow())
            break;
        // A prompt a cancel ends before anyone could answer it was never
        // put to the user.
        if (!asked)
        {
            asked = true;
            ++m_prompts;
        }
        if (hasPending())
        {
            QString line = takeNext();
            if (line.trimmed() == kCancelToken)
            {
                m_commandLine.clearInput();
                m_commandLine.message(strPrompt + QLatin1Char(' ') + kCancelToken);
                if (m_processor && !m_processor->isIdle())
                    m_processor->cancelInnermost();
                else
                    m_cancelOutside = true;
                continue;
            }
            m_commandLine.message(strPrompt + QLatin1Char(' ') + line);
            strLine = line;
            answered = true;
            break;
        }
        if (!m_interactive)
        {
            ++m_starved;
            m_commandLine.message(strPrompt);
            m_commandLine.message(tr("No more input: the command is cancelled."));
            if (m_processor && !m_processor->isIdle())
                m_processor->cancelInnermost();
            break;
        }
        QEventLoop loop;
        m_loops.append(&loop);
        const int result = loop.exec();
        m_loops.removeOne(&loop);
        // -1: the application is quitting and no loop runs any more.
        if (result < 0)
            break;
    }
    if (!isWaiting())
        m_cancelOutside = false;
    m_answer = outerAnswer;
    return answered;
}

void UserInput::reject(const QString& strMessage)
{
    ++m_rejected;
    m_commandLine.message(strMessage);
}

void UserInput::message(const QString& strMessage)
{
    m_commandLine.message(strMessage);
}
