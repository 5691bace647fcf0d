#pragma once

#include "RuntimeExport.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>
#include <vector>

class CommandProcessor;
class HostCommandStack;
class OdRxModule;
class UserInput;

// Loads modules by path with the module protocol: dlopen, the API version
// check (26.8 only), odrxCreateModuleObject, initApp. Unloading runs
// uninitApp, drops whatever the module left registered, then deleteModule,
// then dlclose. A file that is missing, not a module or of another version
// is refused with a message (a refusal, as a script counts it); the host
// goes on. At start the host also loads what it finds in its module folders
// (loadFolder), where a module is known by its file name: the first one of a
// name to load wins, so modules named on the command line come first, then
// the user's own, then the installed ones.
class DH_RUNTIME_EXPORT ModuleManager
{
    Q_DECLARE_TR_FUNCTIONS(ModuleManager)

public:
    // Where a loaded module came from, as MODULES shows it.
    enum class Origin
    {
        Named,   // LOAD, or a path the program was given
        PerUser, // the user's own module folder
        Installed,
    };

    // Messages and refusals go through input; commands a module left
    // registered are dropped from stack; a module whose command runs is
    // unloaded only once processor has cancelled it.
    ModuleManager(UserInput& input, HostCommandStack& stack, CommandProcessor& processor)
        : m_input(input), m_stack(stack), m_processor(processor)
    {
    }
    ~ModuleManager();

    // Another place where a module may leave something registered (reactors,
    // widgets): purge drops what comes from the library image and returns
    // how many.
    void addCleanup(std::function<int(const void* pImageBase)> purge);

    bool load(const QString& strPath, Origin origin = Origin::Named);
    // Loads every module file (*.tx) in strFolder, in file-name order, and
    // returns how many loaded. A missing or unreadable folder, a file that
    // does not load and a module whose file name a loaded one already has
    // are each reported in one message and skipped.
    int loadFolder(const QString& strFolder, Origin origin);
    // The folder under the user's data home (XDG_DATA_HOME) whose modules
    // load at start.
    static QString userFolder();
    // When one of the module's commands runs (waiting for input, say), it is
    // cancelled first and the module unloads once no command runs; true
    // then too.
    bool unload(const QString& strPath);
    // In the reverse order of loading.
    void unloadAll();

    QStringList loadedPaths() const;
    // Empty for a path that is not loaded.
    QString originText(const QString& strPath) const;
    OdRxModule* module(const QString& strPath) const;
    // The path of the loaded module named by strNameOrPath: its path, or its
    // file name when one loaded module has that name. Empty, with strWhy
    // set, when none fits.
    QString find(const QString& strNameOrPath, QString& strWhy) const;

private:
    struct Loaded
    {
        QString path;
        Origin origin = Origin::Named;
        void* handle = nullptr;
        OdRxModule* module = nullptr;
        const void* imageBase = nullptr;
    };

    void unloadAt(std::size_t i);
    void refuse(const QString& strPath, const QString& strWhy);

    UserInput& m_input;
    HostCommandStack& m_stack;
    CommandProcessor& m_processor;
    std::vector<std::function<int(const void*)>> m_cleanups;
    std::vector<Loaded> m_modules;
};
