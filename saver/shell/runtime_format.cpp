// Formatted output of the shipped programs through the Windows C runtime
// (msvcrt.dll) instead of the compiler's own printf engine.
//
// libstdc++ switches every C++ file to mingw-w64's C99 printf, whose engine,
// float conversion and locale code add about 27 KB and import functions that
// Windows 95 lacks (GetModuleHandleW, IsDBCSLeadByteEx). The programs format
// only %s, %d and %x, which msvcrt.dll has always handled (keep to those:
// C99's %zu, %lld or %a would come out wrong). These definitions
// take the places of mingw-w64's entry points at link time and keep the C99
// contract the callers rely on: the text always ends in a terminator, and the
// result is the length of the whole text, also when it did not fit.
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

// msvcrt.dll's own vfprintf; the name vfprintf itself leads back to the
// definitions below in C++.
extern "C" int MsvcrtVfprintf(FILE* stream, const char* format, va_list arguments) __asm__("_vfprintf");

namespace {

// The length of the whole text, measured by formatting into ever larger heap
// buffers (msvcrt.dll of the Windows 95 era cannot count without writing);
// -1 when memory runs out or the text passes 1 GB.
int WholeLength(const char* format, va_list arguments, size_t tooSmall)
{
    size_t room = 256;
    while (room <= tooSmall && room <= 0x40000000u)
        room *= 2;
    for (; room <= 0x40000000u; room *= 2) {
        char* scratch = static_cast<char*>(std::malloc(room));
        if (scratch == nullptr)
            return -1;
        va_list copy;
        va_copy(copy, arguments);
        int length = _vsnprintf(scratch, room, format, copy);
        va_end(copy);
        std::free(scratch);
        // _vsnprintf returns -1 when the text is longer than room, and room
        // itself (leaving out the terminator) when it is exactly that long.
        if (length >= 0 && static_cast<size_t>(length) < room)
            return length;
    }
    return -1;
}

}  // namespace

extern "C" int __mingw_vsnprintf(char* __restrict__ buffer, size_t size, const char* __restrict__ format,
                                 va_list arguments)
{
    int length = -1;
    if (size > 0) {
        va_list copy;
        va_copy(copy, arguments);
        length = _vsnprintf(buffer, size, format, copy);
        va_end(copy);
        if (length >= 0 && static_cast<size_t>(length) < size)
            return length;
        buffer[size - 1] = '\0';
        if (length >= 0)
            return length;  // exactly size characters: all written but the terminator
    }
    return WholeLength(format, arguments, size);
}

extern "C" int __mingw_vfprintf(FILE* __restrict__ stream, const char* __restrict__ format, va_list arguments)
{
    return MsvcrtVfprintf(stream, format, arguments);
}
