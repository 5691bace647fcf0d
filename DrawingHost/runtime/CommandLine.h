#pragma once

#include "RuntimeExport.h"

#include <QObject>
#include <QStringList>

// The command line's model: the message history, the current prompt and the
// text placed in the input. It knows no widget: whoever shows it (the main
// window's command line, the session log) follows its signals. With echo on
// (while a script runs) every message also goes to standard output.
class DH_RUNTIME_EXPORT CommandLine : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxMessages = 5000;

    explicit CommandLine(QObject* parent = nullptr);

    // Every line the history shows, typed answers echoed after their prompt
    // included, comes through here exactly once.
    void message(const QString& strText);
    const QStringList& messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }

    // bTakesSpaces: the prompt asks for free text, so Space is part of the
    // answer; elsewhere Space ends the line like Enter.
    void setPrompt(const QString& strPrompt, bool bTakesSpaces = false);
    QString prompt() const { return m_prompt; }
    bool promptTakesSpaces() const { return m_takesSpaces; }
    // The idle prompt.
    static QString commandPrompt();

    // What SendToCommandLine does: the text lands in the input, not entered.
    void setInputText(const QString& strText);
    // Escape and a macro's "^C" take back whatever was typed or placed but
    // not entered, so that it cannot become the answer to the next prompt.
    void clearInput() { setInputText(QString()); }
    QString inputText() const { return m_inputText; }

    void setEcho(bool bEcho) { m_echo = bEcho; }
    bool echo() const { return m_echo; }

signals:
    void messageAdded(const QString& strText);
    void promptChanged(const QString& strPrompt, bool bTakesSpaces);
    void inputTextPlaced(const QString& strText);

private:
    QStringList m_messages;
    QString m_prompt;
    QString m_inputText;
    bool m_takesSpaces = false;
    bool m_echo = false;
};
