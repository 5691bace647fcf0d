#pragma once

#include "RuntimeExport.h"
#include "UserInput.h"

#include <OdEdCommand.h>
#include <OdResBuf.h>

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <vector>

class CommandLine;
class DocumentManager;
class HostCommandStack;
class HostDocument;
class HostEditor;

// The context a command runs with: the document that was current when it
// started (null once that document has closed), and whether another command
// asked for the run (EvaluateRequest). A requested run hands its value to the
// command that asked and prints no result of its own.
class DH_RUNTIME_EXPORT HostCommandContext : public OdEdCommandContext
{
public:
    explicit HostCommandContext(HostDocument* pDoc, bool bRequested = false);
    CTwDocument* GetDocument() const override;
    bool isRequested() const { return m_requested; }
    // True for a context of a requested run.
    static bool isRequested(const OdEdCommandContext* pCmdCtx);

private:
    QPointer<HostDocument> m_document;
    bool m_requested = false;
};

// Runs commands: typed at the command line, queued (ExecuteCommandList, menu
// items, lines that arrive while a command runs), nested (EvaluateRequest) or
// transparent (a toolbar button or menu item whose command toggles a palette:
// at once, inside whatever waits for input). Each run is a frame on a stack;
// Escape cancels the innermost frame, a "^C" macro every frame. Around each
// run the reactors get commandWillStart and then commandEnded,
// commandCancelled or commandFailed. However many frames one cancel ends,
// the command line shows one "*Cancel*".
//
// Queued work starts only from the event loop and only while no command runs:
// first queued commands, then queued input lines, one per turn of the loop.
class DH_RUNTIME_EXPORT CommandProcessor : public QObject, public RunningCommands
{
    Q_OBJECT

public:
    // Commands are looked up in stack and run in the active document of
    // documents; editor's reactors hear of each run; lines come from input
    // and messages go to commandLine.
    CommandProcessor(CommandLine& commandLine, UserInput& input, HostCommandStack& stack,
                     HostEditor& editor, DocumentManager& documents, QObject* parent = nullptr);

    // A line typed while no command runs: a command name, or an empty line
    // (Enter or Space), which repeats the last command. Returns the status.
    int runLine(const QString& strLine);
    // Global name of the last command started while no other ran (empty
    // before the first).
    QString lastCommand() const { return m_lastCommand; }
    // How a run was asked for: by the user (typed, a menu, a queue), by a
    // command that wants its value (EvaluateRequest), or by a button or menu
    // item whose command is transparent.
    enum class Origin
    {
        User,
        Request,
        Transparent,
    };
    // Runs pCmd now, nested in whatever runs. strEcho, when not empty, is
    // shown after the command prompt.
    int runCommand(OdEdCommand* pCmd, const QString& strEcho = QString(),
                   Origin origin = Origin::User);
    // Runs the command named strName now; unknown names are refused.
    int runNamed(const QString& strName, bool bEcho, Origin origin = Origin::User);

    void queueCommand(const QString& strName, const QStringList& inputs = QStringList());
    // A toolbar button's or menu item's command: one with the transparent
    // flag runs now, silently, and the command waiting for input goes on
    // waiting; it never becomes the command Enter repeats. False (nothing
    // done) for a macro that is not just such a command's name.
    bool runTransparent(const QString& strMacro);
    int queuedCount() const { return int(m_queue.size()); }

    // The nested request behind EvaluateRequest.
    OdResBufPtr evaluate(const QString& strName, bool bAllowNested, bool bEcho);

    void cancelInnermost() override;
    void cancelAll();
    bool isIdle() const override { return m_frames.empty(); }
    int depth() const { return int(m_frames.size()); }
    bool innermostCancelled() const override
    {
        return !m_frames.empty() && m_frames.back().cancelled;
    }
    // Cancels the outermost running command whose class lives in the library
    // image, and every command nested in it. Returns the global name of the
    // command cancelled (empty when none of the image runs).
    QString cancelCommandsFrom(const void* pImageBase);
    // Runs fn once no command runs any more (before queued work).
    void whenIdle(std::function<void()> fn);
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

    CommandLine& m_commandLine;
    UserInput& m_input;
    HostCommandStack& m_stack;
    HostEditor& m_editor;
    DocumentManager& m_documents;
    std::vector<Frame> m_frames;
    std::vector<std::function<void()>> m_idleTasks;
    std::vector<Queued> m_queue;
    QString m_lastCommand;
    // The prompt count when "*Cancel*" was last shown (-1: not since the
    // last command started): frames a cancel ends without a prompt in
    // between add no line of their own.
    int m_cancelShownAt = -1;
    bool m_drainScheduled = false;
};
