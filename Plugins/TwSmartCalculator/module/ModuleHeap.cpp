// The module's heap is the drawing SDK's: every new and delete of the module
// (its own code and the libraries linked into it) goes through odrxAlloc and
// odrxFree. The host builds those on malloc and free, so Qt may delete widgets
// the module made and the module may delete what Qt made.
//
// The module's export map keeps these definitions inside it: the host's and
// other modules' allocations are not touched. Over-aligned allocations keep
// the library's own operators, which the module never uses.

#include <OdRxObject.h>

#include <cstddef>
#include <new>

namespace
{

// A failed allocation runs the installed new-handler once and yields null;
// without a handler it throws.
void* allocate(std::size_t nBytes)
{
    if (void* p = odrxAlloc(nBytes))
        return p;
    if (std::new_handler handler = std::get_new_handler())
    {
        handler();
        return nullptr;
    }
    throw std::bad_alloc();
}

void* allocateNoThrow(std::size_t nBytes) noexcept
{
    try
    {
        return allocate(nBytes);
    }
    catch (...)
    {
        return nullptr;
    }
}

} // namespace

void* operator new(std::size_t nBytes)
{
    return allocate(nBytes);
}

void* operator new[](std::size_t nBytes)
{
    return allocate(nBytes);
}

void* operator new(std::size_t nBytes, const std::nothrow_t&) noexcept
{
    return allocateNoThrow(nBytes);
}

void* operator new[](std::size_t nBytes, const std::nothrow_t&) noexcept
{
    return allocateNoThrow(nBytes);
}

void operator delete(void* p) noexcept
{
    odrxFree(p);
}

void operator delete[](void* p) noexcept
{
    odrxFree(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    odrxFree(p);
}

void operator delete[](void* p, std::size_t) noexcept
{
    odrxFree(p);
}

void operator delete(void* p, const std::nothrow_t&) noexcept
{
    odrxFree(p);
}

void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    odrxFree(p);
}
