#pragma once

#include "Guard.h"

#include <QList>
#include <QString>

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
