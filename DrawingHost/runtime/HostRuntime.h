#pragma once

// The drawing host's runtime: the implementation of the host platform
// interface that modules compile against. HostRuntime is the composition
// root; one instance per process backs every exported function
// (GetTwSystemServices, odedRegCmds, odedEditor, ...).
//
// How data flows:
//   input   the command line widget (keys typed elsewhere in the main window
//           reach it through CommandLineKeyRouter) or a scripted queue ->
//           UserInput -> CommandProcessor (typed commands; an empty line
//           repeats the last) or a waiting prompt (answers)
//   run     CommandProcessor -> command->execute -> prompts through HostUserIO
//           -> reactors (HostEditor) around each run
//   state   DocumentManager (drawings, start page, their notifications),
//           UIManager (menus, workspace, theme, UI notifications)
//   output  CommandLine, the model of the history: its signals feed the
//           widget and the session log; during scripts it echoes to stdout
//   modules ModuleManager (dlopen protocol), which also cleans up what a
//           module leaves registered
// The root builds the parts and hands each the others it uses; nothing below
// it reaches back up. Only the functions a module calls (HostApi.cpp) use the
// process-wide instance.
// Everything runs on the GUI thread.

#include "RuntimeExport.h"

#include <QObject>

#include <memory>

class CommandLine;
class CommandProcessor;
class DocumentManager;
class HostCommandStack;
class HostDocument;
class HostEditor;
class HostHelp;
class HostMainWindow;
class HostUserIO;
class ModuleManager;
class SystemServices;
class UIManager;
class UserInput;

class DH_RUNTIME_EXPORT HostRuntime : public QObject
{
    Q_OBJECT

public:
    // Makes this the process's runtime. The host's own commands are
    // registered at once; no main window exists yet.
    explicit HostRuntime(QObject* parent = nullptr);
    // Shuts down as createMainUi/shutdown describe if not done yet.
    ~HostRuntime() override;

    static HostRuntime* instance();

    CommandLine& commandLine() const { return *m_commandLine; }
    UserInput& input() const { return *m_input; }
    HostUserIO& userIO() const { return *m_userIO; }
    CommandProcessor& processor() const { return *m_processor; }
    HostCommandStack& commandStack() const { return *m_commandStack; }
    HostEditor& editor() const { return *m_editor; }
    DocumentManager& documents() const { return *m_documents; }
    UIManager& ui() const { return *m_ui; }
    SystemServices& services() const { return *m_services; }
    HostHelp& help() const { return *m_help; }
    ModuleManager& modules() const { return *m_modules; }
    HostMainWindow* mainWindow() const;

    // Builds the main window (menus, toolbar, command line, start page) and
    // tells the editor reactors mainUiCreated. Load the modules first so that
    // they see the UI being created.
    HostMainWindow* createMainUi();
    // mainUiToBeDestroyed, then the window goes.
    void destroyMainUi();

    // The drawing the host starts with.
    HostDocument* openSampleDrawing();
    HostDocument* newDrawing();

    // Closes the drawings, tells the UI it goes (mainUiToBeDestroyed),
    // unloads the modules, then deletes the main window. Safe to call twice.
    void shutdown();

private:
    void registerHostCommands();
    void dropMainWindow();

    std::unique_ptr<CommandLine> m_commandLine;
    std::unique_ptr<UserInput> m_input;
    std::unique_ptr<HostUserIO> m_userIO;
    std::unique_ptr<HostCommandStack> m_commandStack;
    std::unique_ptr<HostEditor> m_editor;
    std::unique_ptr<DocumentManager> m_documents;
    std::unique_ptr<UIManager> m_ui;
    std::unique_ptr<SystemServices> m_services;
    std::unique_ptr<HostHelp> m_help;
    std::unique_ptr<CommandProcessor> m_processor;
    std::unique_ptr<ModuleManager> m_modules;
    std::unique_ptr<HostMainWindow> m_mainWindow;
    struct HostCommands;
    std::unique_ptr<HostCommands> m_hostCommands;
    bool m_shutDown = false;
};
