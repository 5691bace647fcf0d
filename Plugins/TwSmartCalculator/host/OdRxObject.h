#pragma once

#include "TwHostApi.h"

#include <atomic>
#include <cstddef>
#include <utility>

// Reference-counted objects of the drawing SDK. Objects handed out by the host
// come counted (OdSmartPtr); the holder releases them when done. Objects that
// a module holds by value and registers (commands, reactors) are wrapped in
// OdStaticRxObject, whose counting does nothing.
class OdRxObject
{
public:
    virtual ~OdRxObject() = default;
    virtual void addRef() = 0;
    virtual void release() = 0;
    virtual long numRefs() const { return 1; }

    OdRxObject(const OdRxObject&) = delete;
    OdRxObject& operator=(const OdRxObject&) = delete;

protected:
    OdRxObject() = default;
};

// Tag: take over the reference the new object was created with.
enum OdRxObjMod
{
    kOdRxObjAttach
};

template <class T> class OdSmartPtr
{
public:
    OdSmartPtr() = default;
    OdSmartPtr(std::nullptr_t) {}
    OdSmartPtr(T* p) : m_p(p)
    {
        if (m_p)
            m_p->addRef();
    }
    OdSmartPtr(T* p, OdRxObjMod) : m_p(p) {}
    OdSmartPtr(const OdSmartPtr& other) : OdSmartPtr(other.m_p) {}
    OdSmartPtr(OdSmartPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    template <class U> OdSmartPtr(const OdSmartPtr<U>& other) : OdSmartPtr(other.get()) {}
    ~OdSmartPtr() { release(); }

    OdSmartPtr& operator=(OdSmartPtr other) noexcept
    {
        std::swap(m_p, other.m_p);
        return *this;
    }

    // Drops this handle's reference; the object may be gone afterwards.
    void release()
    {
        if (T* p = std::exchange(m_p, nullptr))
            p->release();
    }
    // Gives up the reference without releasing it.
    T* detach() { return std::exchange(m_p, nullptr); }

    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    bool isNull() const { return m_p == nullptr; }
    explicit operator bool() const { return m_p != nullptr; }
    friend bool operator==(const OdSmartPtr& a, const OdSmartPtr& b) { return a.m_p == b.m_p; }

private:
    T* m_p = nullptr;
};

using OdRxObjectPtr = OdSmartPtr<OdRxObject>;

// A heap object that deletes itself when its last reference goes.
template <class T> class OdRxObjectImpl : public T
{
public:
    using T::T;

    void addRef() override { m_nRefs.fetch_add(1, std::memory_order_relaxed); }
    void release() override
    {
        if (m_nRefs.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete this;
    }
    long numRefs() const override { return m_nRefs.load(std::memory_order_relaxed); }

    template <class... Args> static OdSmartPtr<T> createObject(Args&&... args)
    {
        return OdSmartPtr<T>(new OdRxObjectImpl<T>(std::forward<Args>(args)...), kOdRxObjAttach);
    }

private:
    std::atomic<long> m_nRefs{1};
};

// An object whose lifetime its owner controls: counting does nothing.
template <class T> class OdStaticRxObject : public T
{
public:
    using T::T;

    void addRef() override {}
    void release() override {}
    long numRefs() const override { return 1; }
};

// The SDK heap. Every block a module allocates comes from here; the host
// implements it on malloc/free, so Qt may delete widgets a module created.
// A null result means no memory.
TW_HOST_API void* odrxAlloc(std::size_t nBytes);
TW_HOST_API void* odrxRealloc(void* pMemBlock, std::size_t newSize, std::size_t oldSize);
TW_HOST_API void odrxFree(void* pMemBlock);
