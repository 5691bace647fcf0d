#pragma once

#include "RuntimeExport.h"

#include <QObject>
#include <QStringList>

class CommandLine;
class CommandProcessor;
class HostRuntime;
class UserInput;

// Runs a script: a text file of command-line input, one line per Enter, as
// CAD script files are. A line is a command, an answer to the running
// command's prompt (a point "x,y", a keyword, a number), empty (Enter), or
// "^C" (Escape). Lines starting with ';' are comments. While the script runs
// every command-line message is also written to standard output.
class DH_RUNTIME_EXPORT ScriptRunner : public QObject
{
    Q_OBJECT

public:
    ScriptRunner(CommandLine& commandLine, UserInput& input, CommandProcessor& processor,
                 QObject* parent = nullptr);
    // The same over the runtime's parts.
    explicit ScriptRunner(HostRuntime& runtime, QObject* parent = nullptr);

    bool load(const QString& strPath);
    void setLines(const QStringList& lines) { m_lines = lines; }
    const QStringList& lines() const { return m_lines; }
    // Queues the lines; finished follows once they and everything they
    // started have run.
    void start();
    bool isRunning() const { return m_running; }
    // Every line was accepted: no unknown command, malformed answer or failed
    // command, and no prompt left waiting at the end.
    bool succeeded() const { return m_succeeded; }

    static QStringList parse(const QString& strText);

signals:
    void finished(bool bSucceeded);

private:
    void onQuiet();

    CommandLine& m_commandLine;
    UserInput& m_input;
    CommandProcessor& m_processor;
    QStringList m_lines;
    bool m_running = false;
    bool m_succeeded = false;
};
