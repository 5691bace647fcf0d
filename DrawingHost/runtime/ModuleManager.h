#pragma once

#include "RuntimeExport.h"

#include <QCoreApplication>
#include <QStringList>

#include <vector>

class HostRuntime;
class OdRxModule;

// Loads modules by path with the module protocol: dlopen, the API version
// check (26.8 only), odrxCreateModuleObject, initApp. Unloading runs
// uninitApp, drops whatever the module left registered, then deleteModule,
// then dlclose. A file that is missing, not a module or of another version
// is refused with a message; the host goes on.
class DH_RUNTIME_EXPORT ModuleManager
{
    Q_DECLARE_TR_FUNCTIONS(ModuleManager)

public:
    explicit ModuleManager(HostRuntime& runtime) : m_runtime(runtime) {}
    ~ModuleManager();

    bool load(const QString& strPath);
    bool unload(const QString& strPath);
    // In the reverse order of loading.
    void unloadAll();

    QStringList loadedPaths() const;
    OdRxModule* module(const QString& strPath) const;

private:
    struct Loaded
    {
        QString path;
        void* handle = nullptr;
        OdRxModule* module = nullptr;
        const void* imageBase = nullptr;
    };

    void unloadAt(std::size_t i);
    void refuse(const QString& strPath, const QString& strWhy);

    HostRuntime& m_runtime;
    std::vector<Loaded> m_modules;
};
