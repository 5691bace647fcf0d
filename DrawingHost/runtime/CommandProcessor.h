#pragma once

#include "RuntimeExport.h"

#include <OdEdCommand.h>
#include <OdResBuf.h>

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <vector>

class HostRuntime;
class HostDocument;

// The context a command runs with: the document that was current when it
// started (null once that document has closed).
class DH_RUNTIME_EXPORT HostCommandContext : public OdEdCommandContext
{
public:
    explicit HostCommandContext(HostDocument* pDoc);
    CTwDocument* GetDocument() const override;

private:
    QPointer<HostDocument> m_document;
};

// Runs commands: typed at the command line, queued (ExecuteCommandList, menu
// items, lines that arrive while a command runs) or nested (EvaluateRequest).
// Each run is a frame on a stack; Escape cancels the innermost frame, a "^C"
// macro every frame. Around each run the reactors get commandWillStart and
// then commandEnded, commandCancelled or commandFailed.
//
// Queued work starts only from the event loop and only while no command runs:
// first queued commands, then queued input lines, one per turn of the loop.
class DH_RUNTIME_EXPORT CommandProcessor : public QObject
{
    Q_OBJECT

public:
    explicit CommandProcessor(HostRuntime& runtime, QObject* parent = nullptr);

    // A line typed while no command runs: a command name, or an empty line
    // (Enter or Space), which repeats the last command. Returns the status.
    int runLine(const QString& strLine);
    // Global name of the last command started while no other ran (empty
    // before the first).
    QString lastCommand() const { return m_lastCommand; }
    // Runs pCmd now, nested in whatever runs. strEcho, when not empty, is
    // shown after the command prompt.
    int runCommand(OdEdCommand* pCmd, const QString& strEcho = QString());
    // Runs the command named strName now; unknown names are refused.
    int runNamed(const QString& strName, bool bEcho);

    void queueCommand(const QString& strName, const QStringList& inputs = QStringList());
    int queuedCount() const { return int(m_queue.size()); }

    // The nested request behind EvaluateRequest.
    OdResBufPtr evaluate(const QString& strName, bool bAllowNested, bool bEcho);

    void cancelInnermost();
    void cancelAll();
    bool isIdle() const { return m_frames.empty(); }
    int depth() const { return int(m_frames.size()); }
    bool innermostCancelled() const { return !m_frames.empty() && m_frames.back().cancelled; }
    // Global name of the innermost running command (empty when idle).
    QString currentCommandName() const;

    // Nothing runs, nothing is queued and no input line waits.
    bool isQuiet() const;

    static int classify(int iStatus);

    // Runs queued work from the event loop; emits quiet when there is none.
    void scheduleDrain();

signals:
    void commandStarted(const QString& strGlobalName);
    void commandFinished(const QString& strGlobalName, int iStatus);
    // Emitted from the event loop once everything queued has run.
    void quiet();

private:
    struct Frame
    {
        OdEdCommand* command;
        QString globalName;
        bool cancelled = false;
    };
    struct Queued
    {
        QString name;
        QStringList inputs;
    };

    void drain();
    int repeatLast();

    HostRuntime& m_runtime;
    std::vector<Frame> m_frames;
    std::vector<Queued> m_queue;
    QString m_lastCommand;
    bool m_drainScheduled = false;
};
