#pragma once

#include "RuntimeExport.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include "ui/CommandLineWidget.h"

// The command line's model: the message history, the current prompt and the
// text placed in the input. The widget, when there is one, mirrors it; with
// echo on (while a script runs) every message also goes to standard output.
class DH_RUNTIME_EXPORT CommandLine : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxMessages = 5000;

    explicit CommandLine(QObject* parent = nullptr);

    void message(const QString& strText);
    const QStringList& messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }

    void setPrompt(const QString& strPrompt);
    QString prompt() const { return m_prompt; }
    // The idle prompt.
    static QString commandPrompt();

    // What SendToCommandLine does: the text lands in the input, not entered.
    void setInputText(const QString& strText);
    QString inputText() const { return m_inputText; }

    void setEcho(bool bEcho) { m_echo = bEcho; }
    bool echo() const { return m_echo; }

    void attachWidget(CommandLineWidget* pWidget);
    CommandLineWidget* widget() const { return m_widget; }

signals:
    void messageAdded(const QString& strText);

private:
    QStringList m_messages;
    QString m_prompt;
    QString m_inputText;
    bool m_echo = false;
    QPointer<CommandLineWidget> m_widget;
};
