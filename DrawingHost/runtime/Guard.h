#pragma once

#include "RuntimeExport.h"

#include <QList>
#include <QString>

#include <exception>

// Calls into modules (commands, reactors, module entry points) run through
// callGuarded: an exception stops at this edge and becomes a message on the
// command line, so it never reaches Qt's event loop or the host.
DH_RUNTIME_EXPORT void reportGuardFailure(const QString& strWhat, const char* pszWhy);

template <class F> bool callGuarded(const QString& strWhat, F&& fn) noexcept
{
    try
    {
        fn();
        return true;
    }
    catch (const std::exception& e)
    {
        reportGuardFailure(strWhat, e.what());
    }
    catch (...)
    {
        reportGuardFailure(strWhat, nullptr);
    }
    return false;
}

// Registered reactors of one kind. A notification walks a snapshot and skips
// reactors removed meanwhile, so a reactor may add or remove reactors (itself
// included) while it is notified.
template <class T> class ReactorList
{
public:
    bool add(T* pReactor)
    {
        if (!pReactor || m_items.contains(pReactor))
            return false;
        m_items.append(pReactor);
        return true;
    }
    bool remove(T* pReactor) { return m_items.removeAll(pReactor) > 0; }
    bool contains(T* pReactor) const { return m_items.contains(pReactor); }
    const QList<T*>& items() const { return m_items; }
    int size() const { return int(m_items.size()); }

    template <class F> void notify(const char* pszName, F&& fn) const
    {
        const QList<T*> snapshot = m_items;
        for (T* pReactor : snapshot)
        {
            if (m_items.contains(pReactor))
                callGuarded(QString::fromLatin1(pszName), [&] { fn(pReactor); });
        }
    }

private:
    QList<T*> m_items;
};

// Whether the object's class comes from the library image at pImageBase (its
// virtual table lives there). Used to find what an unloaded module left
// registered.
DH_RUNTIME_EXPORT bool isFromImage(const void* pObject, const void* pImageBase);
