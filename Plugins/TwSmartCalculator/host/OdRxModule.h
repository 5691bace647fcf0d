#pragma once

#include "OdRxObject.h"
#include "OdString.h"

#include <QString>

#include <atomic>
#include <typeinfo>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

// The module protocol. A module library exports two functions:
//   odrxGetAPIVersion(major, minor, majorBuild, minorBuild)
//   odrxCreateModuleObject(handle) -> the module object
// The host refuses a library whose major.minor differs from its own, then
// calls initApp; at unload uninitApp, then deleteModule, then closes the
// library.
class OdRxModule : public OdRxObject
{
public:
    // The library handle the module was created with.
    virtual void* sysData() = 0;
    // Destroys the module object; the host calls it once, after uninitApp.
    virtual void deleteModule() = 0;
    // Full path of the module's library file.
    virtual OdString moduleName() const = 0;

    virtual void initApp() = 0;
    virtual void uninitApp() = 0;
};

constexpr int kOdApiVersionMajor = 26;
constexpr int kOdApiVersionMinor = 8;

using OdRxCreateModuleObjectFn = OdRxModule* (*)(void*& hModule);
using OdRxGetApiVersionFn = void (*)(int& major, int& minor, int& majorBuild, int& minorBuild);

#define ODRX_MODULE_EXPORT extern "C" Q_DECL_EXPORT

// The module object the host sees: T (derived from OdRxModule) with atomic
// counting that never deletes, the library handle, deleteModule and
// moduleName. ppSingleton, when given, is cleared by deleteModule before the
// object goes, so the module's entry point never hands out a dead object.
template <class T> class OdRxWin32Module : public T
{
public:
    explicit OdRxWin32Module(void* hModule, OdRxModule** ppSingleton = nullptr)
        : m_hModule(hModule), m_ppSingleton(ppSingleton)
    {
    }

    void addRef() override { m_nRefs.fetch_add(1); }
    void release() override { m_nRefs.fetch_sub(1); }
    long numRefs() const override { return m_nRefs.load(); }

    void* sysData() override { return m_hModule; }

    void deleteModule() override
    {
        if (m_ppSingleton)
            *m_ppSingleton = nullptr;
        delete this;
    }

    OdString moduleName() const override
    {
#ifdef _WIN32
        wchar_t buffer[260] = {};
        ::GetModuleFileNameW(static_cast<HMODULE>(m_hModule), buffer, 260);
        return OdString(std::u16string(reinterpret_cast<const char16_t*>(buffer)));
#else
        // The type information of this instantiation lives in the module's
        // own image, so its address names the library file.
        Dl_info info{};
        if (::dladdr(static_cast<const void*>(&typeid(*this)), &info) == 0 || !info.dli_fname)
            return OdString();
        return OdString(QString::fromLocal8Bit(info.dli_fname).toStdU16String());
#endif
    }

private:
    std::atomic<OdInt32> m_nRefs{0};
    void* m_hModule = nullptr;
    OdRxModule** m_ppSingleton = nullptr;
};
