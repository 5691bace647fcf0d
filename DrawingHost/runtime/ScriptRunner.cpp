#include "ScriptRunner.h"

#include "CommandLine.h"
#include "CommandProcessor.h"
#include "HostRuntime.h"
#include "UserInput.h"

#include <QFile>

ScriptRunner::ScriptRunner(CommandLine& commandLine, UserInput& input, CommandProcessor& processor,
                           QObject* parent)
    : QObject(parent), m_commandLine(commandLine), m_input(input), m_processor(processor)
{
    connect(&processor, &CommandProcessor::quiet, this, &ScriptRunner::onQuiet);
}

ScriptRunner::ScriptRunner(HostRuntime& runtime, QObject* parent)
    : ScriptRunner(runtime.commandLine(), runtime.input(), runtime.processor(), parent)
{
}

QStringList ScriptRunner::parse(const QString& strText)
{
    QString text = strText;
    // Editors on some systems start UTF-8 files with a byte order mark.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines = text.split(QLatin1Char('\n'));
    // The newline that ends the last line does not start another one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QStringList result;
    for (QString line : std::as_const(lines))
    {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.startsWith(QLatin1Char(';')))
            result.append(line);
    }
    return result;
}

bool ScriptRunner::load(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
    {
        m_commandLine.message(tr("Cannot read script %1: %2").arg(strPath, file.errorString()));
        return false;
    }
    m_lines = parse(QString::fromUtf8(file.readAll()));
    return true;
}

void ScriptRunner::start()
{
    m_running = true;
    m_succeeded = false;
    m_input.resetCounts();
    m_commandLine.setEcho(true);
    m_input.enqueue(m_lines);
    m_processor.scheduleDrain();
}

void ScriptRunner::onQuiet()
{
    if (!m_running)
        return;
    m_running = false;
    m_commandLine.setEcho(false);
    const UserInput& input = m_input;
    m_succeeded = input.rejectedCount() == 0 && input.starvedCount() == 0;
    emit finished(m_succeeded);
}
