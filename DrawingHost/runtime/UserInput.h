#pragma once

#include "RuntimeExport.h"

#include <QList>
#include <QObject>
#include <QPointF>
#include <QStringList>

class CommandLine;
class QEventLoop;

// What prompts need to know of the commands that run: whether one runs, and
// whether the innermost was cancelled. The command processor answers; input
// knows it only through this.
class DH_RUNTIME_EXPORT RunningCommands
{
public:
    virtual bool isIdle() const = 0;
    virtual bool innermostCancelled() const = 0;
    virtual void cancelInnermost() = 0;

protected:
    ~RunningCommands() = default;
};

// Where every answer and every typed command comes from. Two faces: the
// command line widget (submit on Enter, cancel on Escape, a click in the
// drawing view) and a queue of scripted lines (tests, --script). A prompt
// takes the next queued line at once; with nothing queued it waits in a
// nested event loop for the command line, or, when input is not interactive,
// ends as cancelled. Lines that arrive while no prompt waits are run as
// commands once no command runs.
//
// In queued lines "^C" stands for Escape.
class DH_RUNTIME_EXPORT UserInput : public QObject
{
    Q_OBJECT

public:
    explicit UserInput(CommandLine& commandLine, QObject* parent = nullptr);
    void setRunningCommands(RunningCommands* pCommands) { m_processor = pCommands; }

    // The scripted face.
    void enqueue(const QStringList& lines);
    void enqueueFront(const QStringList& lines);
    bool hasPending() const { return !m_pending.isEmpty(); }
    int pendingCount() const { return int(m_pending.size()); }
    QString takeNext() { return m_pending.takeFirst(); }
    void clearPending() { m_pending.clear(); }

    // Interactive: a prompt with nothing queued waits for the command line.
    void setInteractive(bool bInteractive) { m_interactive = bInteractive; }
    bool isInteractive() const { return m_interactive; }

    // The command line's face.
    void submit(const QString& strLine);
    void cancel();
    // A point picked in the drawing view: answers a waiting point prompt.
    void submitPoint(QPointF point);

    bool isWaiting() const { return !m_loops.isEmpty(); }
    bool isWaitingForPoint() const { return isWaiting() && m_answer == Answer::Point; }

    // What a prompt asks for: a word (a keyword, a number: Space ends it), a
    // point (a word, or a click in the drawing view), or free text (Space is
    // part of it).
    enum class Answer
    {
        Word,
        Point,
        Text,
    };
    // Shows strPrompt and reads one answer into strLine. False when the
    // command was cancelled, or when input is not interactive and nothing is
    // left to read.
    bool readLine(const QString& strPrompt, QString& strLine, Answer answer = Answer::Word);
    // How many prompts have been put to the user so far.
    int promptCount() const { return m_prompts; }
    // Makes waiting prompts look at their state again (new lines, cancel).
    void wake();

    // Input that was refused: an unknown command, a malformed answer, a
    // failed command. Shows the message.
    void reject(const QString& strMessage);
    // A message on the command line.
    void message(const QString& strMessage);
    int rejectedCount() const { return m_rejected; }
    // Prompts that ran out of scripted input.
    int starvedCount() const { return m_starved; }
    void resetCounts() { m_rejected = m_starved = 0; }

    static QString formatPoint(QPointF point);

signals:
    // Lines were queued while no prompt waits: the processor runs them.
    void linesQueued();
    void pointAccepted(QPointF point);

private:
    bool cancelledNow() const;

    CommandLine& m_commandLine;
    RunningCommands* m_processor = nullptr;
    QStringList m_pending;
    QList<QEventLoop*> m_loops;
    bool m_interactive = false;
    Answer m_answer = Answer::Word;
    bool m_cancelOutside = false;
    int m_rejected = 0;
    int m_starved = 0;
    int m_prompts = 0;
};
