#include "ModuleManager.h"

#include "CommandProcessor.h"
#include "Guard.h"
#include "HostEditor.h"
#include "UserInput.h"

#include <OdRxModule.h>

#include <QDir>
#include <QFileInfo>
#include <QMetaType>
#include <QStandardPaths>

#include <dlfcn.h>

#include <algorithm>

namespace
{

// Qt warns about every type id not in use; the scan below expects them.
class QuietUnusedTypeIds
{
public:
    QuietUnusedTypeIds() { s_previous = qInstallMessageHandler(&filter); }
    ~QuietUnusedTypeIds() { qInstallMessageHandler(s_previous); }
    QuietUnusedTypeIds(const QuietUnusedTypeIds&) = delete;
    QuietUnusedTypeIds& operator=(const QuietUnusedTypeIds&) = delete;

private:
    static void filter(QtMsgType type, const QMessageLogContext& context, const QString& strText)
    {
        if (type == QtWarningMsg &&
            strText.startsWith(QLatin1String("Trying to construct an instance of an invalid type")))
            return;
        if (s_previous)
            s_previous(type, context, strText);
    }
    static inline QtMessageHandler s_previous = nullptr;
};

// Qt keeps the first interface it was handed for a type (a QVariant of a
// flags type made inside a module, say) and reads it on every later look-up
// of that type's name: after the library is closed that is unmapped memory.
// The types whose interface lies in the library are forgotten before, and
// registered again by whoever uses them next.
void forgetMetaTypesOf(const void* pImageBase)
{
    const QuietUnusedTypeIds quiet;
    // Ids are handed out in order; 256 unused ones in a row end the table.
    for (int id = QMetaType::User + 1, misses = 0; misses < 256; ++id)
    {
        const QMetaType type(id);
        misses = type.isValid() ? 0 : misses + 1;
        Dl_info info{};
        if (type.isValid() && ::dladdr(type.iface(), &info) != 0 && info.dli_fbase == pImageBase)
            QMetaType::unregisterMetaType(type);
    }
}

QString lastDlError()
{
    const char* pszError = ::dlerror();
    return pszError ? QString::fromLocal8Bit(pszError) : QString();
}
} // namespace

ModuleManager::~ModuleManager()
{
    unloadAll();
}

QStringList ModuleManager::loadedPaths() const
{
    QStringList paths;
    for (const Loaded& loaded : m_modules)
        paths.append(loaded.path);
    return paths;
}

QString ModuleManager::originText(const QString& strPath) const
{
    const QString path = QFileInfo(strPath).absoluteFilePath();
    for (const Loaded& loaded : m_modules)
    {
        if (loaded.path != path)
            continue;
        switch (loaded.origin)
        {
        case Origin::Named:
            return tr("by path");
        case Origin::PerUser:
            return tr("user folder");
        case Origin::Installed:
            return tr("installed");
        }
    }
    return QString();
}

OdRxModule* ModuleManager::module(const QString& strPath) const
{
    const QString path = QFileInfo(strPath).absoluteFilePath();
    for (const Loaded& loaded : m_modules)
    {
        if (loaded.path == path)
            return loaded.module;
    }
    return nullptr;
}

void ModuleManager::addCleanup(std::function<int(const void*)> purge)
{
    m_cleanups.push_back(std::move(purge));
}

QString ModuleManager::find(const QString& strNameOrPath, QString& strWhy) const
{
    const QString wanted = strNameOrPath.trimmed();
    if (wanted.isEmpty())
    {
        strWhy = tr("No module named.");
        return QString();
    }
    const QString path = QFileInfo(wanted).absoluteFilePath();
    QStringList named;
    for (const Loaded& loaded : m_modules)
    {
        if (loaded.path == path)
            return loaded.path;
        if (QFileInfo(loaded.path).fileName() == wanted)
            named.append(loaded.path);
    }
    if (named.size() == 1)
        return named.first();
    strWhy =
        named.isEmpty()
            ? tr("Module %1 is not loaded.").arg(wanted)
            : tr("%1 modules named %2 are loaded; give the path.").arg(named.size()).arg(wanted);
    return QString();
}

void ModuleManager::refuse(const QString& strPath, const QString& strWhy)
{
    m_input.reject(tr("Cannot load module %1: %2").arg(strPath, strWhy));
}

QString ModuleManager::userFolder()
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return dataHome.isEmpty() ? QString() : dataHome + QStringLiteral("/drawinghost/modules");
}

int ModuleManager::loadFolder(const QString& strFolder, Origin origin)
{
    const QFileInfo folder(strFolder);
    const QString folderPath = folder.absoluteFilePath();
    if (!folder.exists())
    {
        m_input.message(
            tr("Module folder %1 does not exist; no module loaded from it.").arg(folderPath));
        return 0;
    }
    if (!folder.isDir() || !folder.isReadable() || !folder.isExecutable())
    {
        m_input.message(
            tr("Module folder %1 cannot be read; no module loaded from it.").arg(folderPath));
        return 0;
    }
    int count = 0;
    const QFileInfoList files =
        QDir(folderPath).entryInfoList({QStringLiteral("*.tx")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files)
    {
        // Two copies of one module would register the same commands twice.
        const auto same =
            std::find_if(m_modules.begin(), m_modules.end(),
                         [&](const Loaded& loaded)
                         { return QFileInfo(loaded.path).fileName() == file.fileName(); });
        if (same != m_modules.end())
        {
            m_input.message(
                same->path == file.absoluteFilePath()
                    ? tr("Module %1 in %2 is loaded already.").arg(file.fileName(), folderPath)
                    : tr("Module %1 in %2 skipped: %3 is loaded.")
                          .arg(file.fileName(), folderPath, same->path));
            continue;
        }
        if (load(file.absoluteFilePath(), origin))
            ++count;
    }
    return count;
}

bool ModuleManager::load(const QString& strPath, Origin origin)
{
    const QFileInfo info(strPath);
    const QString path = info.absoluteFilePath();
    if (!info.exists() || !info.isFile())
    {
        refuse(strPath, tr("the file does not exist."));
        return false;
    }
    if (module(path))
    {
        refuse(strPath, tr("it is already loaded."));
        return false;
    }

    ::dlerror();
    void* handle = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
    {
        refuse(strPath, lastDlError());
        return false;
    }
    auto getVersion = reinterpret_cast<OdRxGetApiVersionFn>(::dlsym(handle, "odrxGetAPIVersion"));
    auto create =
        reinterpret_cast<OdRxCreateModuleObjectFn>(::dlsym(handle, "odrxCreateModuleObject"));
    if (!getVersion || !create)
    {
        ::dlclose(handle);
        refuse(strPath,
               tr("it is not a module (odrxGetAPIVersion or odrxCreateModuleObject is missing)."));
        return false;
    }

    int major = 0, minor = 0, majorBuild = 0, minorBuild = 0;
    if (!callGuarded(QStringLiteral("odrxGetAPIVersion"),
                     [&] { getVersion(major, minor, majorBuild, minorBuild); }) ||
        major != kOdApiVersionMajor || minor != kOdApiVersionMinor)
    {
        ::dlclose(handle);
        refuse(strPath, tr("it was built for version %1.%2; this host needs %3.%4.")
                            .arg(major)
                            .arg(minor)
                            .arg(kOdApiVersionMajor)
                            .arg(kOdApiVersionMinor));
        return false;
    }

    void* handleVar = handle;
    OdRxModule* pModule = nullptr;
    callGuarded(QStringLiteral("odrxCreateModuleObject"), [&] { pModule = create(handleVar); });
    if (!pModule)
    {
        ::dlclose(handle);
        refuse(strPath, tr("it created no module object."));
        return false;
    }

    Dl_info dlInfo{};
    const void* imageBase =
        ::dladdr(reinterpret_cast<const void*>(create), &dlInfo) != 0 ? dlInfo.dli_fbase : nullptr;
    m_modules.push_back(Loaded{path, origin, handle, pModule, imageBase});
    // A module whose initApp throws stays loaded: what it registered before
    // the exception is undone by uninitApp (or by the clean-up) at unload.
    if (!callGuarded(QStringLiteral("initApp"), [&] { pModule->initApp(); }))
    {
        m_input.message(tr("Module %1 did not start cleanly.").arg(info.fileName()));
        return true;
    }
    m_input.message(
        origin == Origin::Named
            ? tr("Module %1 loaded.").arg(info.fileName())
            : tr("Module %1 loaded from %2.").arg(info.fileName(), info.absolutePath()));
    return true;
}

bool ModuleManager::unload(const QString& strPath)
{
    const QString path = QFileInfo(strPath).absoluteFilePath();
    for (std::size_t i = 0; i < m_modules.size(); ++i)
    {
        if (m_modules[i].path != path)
            continue;
        // Its code is on the stack below us: it must return before the
        // library may close.
        const QString running = m_processor.cancelCommandsFrom(m_modules[i].imageBase);
        if (running.isEmpty())
        {
            unloadAt(i);
            return true;
        }
        m_input.message(tr("Command %1 of module %2 is cancelled; the module unloads once it "
                           "has ended.")
                            .arg(running, QFileInfo(path).fileName()));
        m_processor.whenIdle(
            [this, path]
            {
                if (module(path))
                    unload(path);
            });
        return true;
    }
    m_input.reject(tr("Module %1 is not loaded.").arg(strPath));
    return false;
}

void ModuleManager::unloadAll()
{
    while (!m_modules.empty())
        unloadAt(m_modules.size() - 1);
}

void ModuleManager::unloadAt(std::size_t i)
{
    const Loaded loaded = m_modules[i];
    m_modules.erase(m_modules.begin() + std::ptrdiff_t(i));
    const QString name = QFileInfo(loaded.path).fileName();

    callGuarded(QStringLiteral("uninitApp"), [&] { loaded.module->uninitApp(); });

    // Whatever the module left behind would call into unmapped code once the
    // library is closed.
    const void* base = loaded.imageBase;
    const QStringList leftovers = m_stack.purgeImage(base);
    int reactors = 0;
    for (const auto& purge : m_cleanups)
        reactors += purge(base);
    if (!leftovers.isEmpty() || reactors > 0)
        m_input.message(
            tr("Module %1 left %2 command(s) and %3 reactor(s) or widget(s) behind; removed.")
                .arg(name)
                .arg(leftovers.size())
                .arg(reactors));

    callGuarded(QStringLiteral("deleteModule"), [&] { loaded.module->deleteModule(); });
    forgetMetaTypesOf(base);
    ::dlclose(loaded.handle);
    m_input.message(tr("Module %1 unloaded.").arg(name));
}
