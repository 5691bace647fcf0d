#include "CommandLine.h"

#include <QCoreApplication>

#include <cstdio>

CommandLine::CommandLine(QObject* parent) : QObject(parent), m_prompt(commandPrompt()) {}

QString CommandLine::commandPrompt()
{
    return QCoreApplication::translate("CommandLine", "Command:");
}

void CommandLine::message(const QString& strText)
{
    if (m_messages.size() >= kMaxMessages)
        m_messages.remove(0, kMaxMessages / 10);
    m_messages.append(strText);
    if (m_echo)
    {
        const QByteArray utf8 = strText.toUtf8();
        std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    emit messageAdded(strText);
}

void CommandLine::setPrompt(const QString& strPrompt, bool bTakesSpaces)
{
    m_prompt = strPrompt;
    m_takesSpaces = bTakesSpaces;
    emit promptChanged(strPrompt, bTakesSpaces);
}

void CommandLine::setInputText(const QString& strText)
{
    m_inputText = strText;
    emit inputTextPlaced(strText);
}
