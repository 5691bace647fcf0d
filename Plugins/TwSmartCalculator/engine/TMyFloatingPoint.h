#pragma once
// The engine's dealings with the floating-point environment. The engine is a
// guest in the host's process: for the span of a request every trap is masked
// and the status flags start clear, and afterwards the host gets back exactly
// the environment it had (flags, traps, rounding).
//
// The C library's save and restore (feholdexcept, fesetenv, feclearexcept)
// store and load the whole x87 environment, which costs more than the rest of
// a request. On x86-64, where doubles are computed in SSE, the guest therefore
// saves and changes the SSE control and status register only, and takes the
// library's full path when the x87 unit is not as a host normally leaves it
// (a trap unmasked or a flag raised).

#include <cfenv>

#if defined(__x86_64__) && defined(__SSE2_MATH__)
#define MYTOOLS_SSE_FENV 1
#else
#define MYTOOLS_SSE_FENV 0
#endif

namespace MyTools
{

#if MYTOOLS_SSE_FENV

namespace FloatingPointRegisters
{

// SSE control and status register: flags in bits 0-5, trap masks in 7-12,
// rounding in 13-14. The x87 control word has its masks in bits 0-5 and
// rounding in 10-11; its status word has the flags in bits 0-5 and the stack
// fault in bit 6.
constexpr unsigned kSseFlags = 0x3f;
constexpr unsigned kSseMasks = 0x1f80;
constexpr unsigned kSseRounding = 0x6000;
constexpr unsigned kX87Masks = 0x3f;
constexpr unsigned kX87Rounding = 0xc00;
constexpr unsigned kX87Flags = 0x7f;

inline unsigned Sse()
{
    unsigned value;
    __asm__ volatile("stmxcsr %0" : "=m"(value) : : "memory");
    return value;
}

inline void SetSse(unsigned value)
{
    __asm__ volatile("ldmxcsr %0" : : "m"(value) : "memory");
}

inline unsigned X87Control()
{
    unsigned short value;
    __asm__ volatile("fnstcw %0" : "=m"(value) : : "memory");
    return value;
}

inline unsigned X87Status()
{
    unsigned short value;
    __asm__ volatile("fnstsw %%ax" : "=a"(value) : : "memory");
    return value;
}

inline void ClearX87Flags()
{
    __asm__ volatile("fnclex" : : : "memory");
}

} // namespace FloatingPointRegisters

// Masks every trap and clears the flags for its lifetime; then restores the
// environment it found.
class FloatingPointGuest
{
public:
    FloatingPointGuest()
    {
        using namespace FloatingPointRegisters;
        savedSse = Sse();
        const unsigned x87Control = X87Control();
        toNearest = (savedSse & kSseRounding) == 0 && (x87Control & kX87Rounding) == 0;
        full = (x87Control & kX87Masks) != kX87Masks || (X87Status() & kX87Flags) != 0;
        if (full)
            std::feholdexcept(&savedEnvironment);
        else
            SetSse((savedSse | kSseMasks) & ~kSseFlags);
    }

    ~FloatingPointGuest()
    {
        using namespace FloatingPointRegisters;
        if (full)
        {
            std::fesetenv(&savedEnvironment);
            return;
        }
        // The x87 unit was clean; a library function may have raised a flag there.
        if (X87Status() & kX87Flags)
            ClearX87Flags();
        SetSse(savedSse);
    }

    FloatingPointGuest(const FloatingPointGuest&) = delete;
    FloatingPointGuest& operator=(const FloatingPointGuest&) = delete;

    // Whether both units round to nearest (the guest leaves rounding alone).
    bool RoundsToNearest() const { return toNearest; }

private:
    unsigned savedSse = 0;
    bool toNearest = true;
    bool full = false;
    std::fenv_t savedEnvironment;
};

// Clears the status flags (FE_ALL_EXCEPT) inside a guest.
inline void ClearFloatingPointFlags()
{
    using namespace FloatingPointRegisters;
    const unsigned sse = Sse();
    if (sse & kSseFlags)
        SetSse(sse & ~kSseFlags);
    if (X87Status() & kX87Flags)
        ClearX87Flags();
}

// The status flags (FE_* bits of FE_ALL_EXCEPT) raised since they were cleared.
inline int RaisedFloatingPointFlags()
{
    using namespace FloatingPointRegisters;
    return static_cast<int>((Sse() | X87Status()) & FE_ALL_EXCEPT);
}

// Whether both units round to nearest, the mode in which a decimal text has
// one nearest double whatever reads it.
inline bool RoundsToNearest()
{
    using namespace FloatingPointRegisters;
    return (Sse() & kSseRounding) == 0 && (X87Control() & kX87Rounding) == 0;
}

#else

class FloatingPointGuest
{
public:
    FloatingPointGuest() { std::feholdexcept(&savedEnvironment); }
    ~FloatingPointGuest() { std::fesetenv(&savedEnvironment); }
    FloatingPointGuest(const FloatingPointGuest&) = delete;
    FloatingPointGuest& operator=(const FloatingPointGuest&) = delete;

    bool RoundsToNearest() const { return std::fegetround() == FE_TONEAREST; }

private:
    std::fenv_t savedEnvironment;
};

inline void ClearFloatingPointFlags()
{
    std::feclearexcept(FE_ALL_EXCEPT);
}
inline int RaisedFloatingPointFlags()
{
    return std::fetestexcept(FE_ALL_EXCEPT);
}
inline bool RoundsToNearest()
{
    return std::fegetround() == FE_TONEAREST;
}

#endif

} // namespace MyTools
