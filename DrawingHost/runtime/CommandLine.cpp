#include "CommandLine.h"

#include "ui/CommandLineWidget.h"

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
    if (m_widget)
        m_widget->appendMessage(strText);
    emit messageAdded(strText);
}

void CommandLine::setPrompt(const QString& strPrompt)
{
    m_prompt = strPrompt;
    if (m_widget)
        m_widget->setPrompt(strPrompt);
}

void CommandLine::setInputText(const QString& strText)
{
    m_inputText = strText;
    if (m_widget)
        m_widget->setInputText(strText);
}

void CommandLine::attachWidget(CommandLineWidget* pWidget)
{
    m_widget = pWidget;
    if (!pWidget)
        return;
    for (const QString& line : std::as_const(m_messages))
        pWidget->appendMessage(line);
    pWidget->setPrompt(m_prompt);
    if (!m_inputText.isEmpty())
        pWidget->setInputText(m_inputText);
}
