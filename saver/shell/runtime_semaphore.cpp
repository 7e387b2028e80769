// CreateSemaphoreW for the compiler's thread support, served by CreateSemaphoreA:
// the Windows 95 family has only a stub of the wide-character function.
//
// libgcc's locks (used by the exception unwinder's frame registry at start-up)
// create their semaphores through CreateSemaphoreW, always without a name.
// The import slot the compiled code calls through, __imp__CreateSemaphoreW@16,
// is defined here as a pointer to the function below, so the programs import
// CreateSemaphoreA instead, which every 32-bit Windows has.
#include <windows.h>

namespace {

HANDLE WINAPI CreateSemaphoreThroughAnsi(LPSECURITY_ATTRIBUTES security, LONG initialCount, LONG maximumCount,
                                         LPCWSTR name)
{
    if (name == nullptr)
        return CreateSemaphoreA(security, initialCount, maximumCount, nullptr);
    char narrowName[MAX_PATH];
    if (WideCharToMultiByte(CP_ACP, 0, name, -1, narrowName, sizeof narrowName, nullptr, nullptr) == 0)
        return nullptr;  // the name does not fit; GetLastError says so
    return CreateSemaphoreA(security, initialCount, maximumCount, narrowName);
}

}  // namespace

using CreateSemaphoreWFunction = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, LONG, LONG, LPCWSTR);
extern "C" CreateSemaphoreWFunction ImportedCreateSemaphoreW __asm__("__imp__CreateSemaphoreW@16");
CreateSemaphoreWFunction ImportedCreateSemaphoreW = CreateSemaphoreThroughAnsi;
