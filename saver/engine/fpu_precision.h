// Double-precision rounding for the engine's floating point on every build.
// The 32-bit Windows build computes with the x87 unit (the oldest processors
// it runs on have no SSE2); set to 53-bit precision, x87 rounds every
// operation exactly as an SSE2 double does, so a seed gives the same waves,
// blends and fades on both builds. Elsewhere this does nothing.
#pragma once

#if defined(__i386__) && !defined(__SSE2_MATH__)
inline void UseDoublePrecision()
{
    unsigned short control;
    __asm__ volatile("fnstcw %0" : "=m"(control));
    unsigned short wanted = static_cast<unsigned short>((control & ~0x0300u) | 0x0200u);
    if (wanted != control)
        __asm__ volatile("fldcw %0" : : "m"(wanted));
}
#else
inline void UseDoublePrecision() {}
#endif
