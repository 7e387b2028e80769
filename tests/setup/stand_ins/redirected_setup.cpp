// The installer with its Windows and system directories taken from the
// environment variables TARNOVELLE_WINDOWS_DIR and TARNOVELLE_SYSTEM_DIR, so
// tests can install into folders with spaces, missing folders, or none at all
// (a variable that is not set fails like a failing system call; one longer
// than the buffer asks for more room, as the real calls do). Its resource 137
// is the command recorder, which notes how each installed copy is started.
// Programs it starts (its own copy for the clean-up) inherit the variables.
#include <windows.h>

#include "setup/setup_entry.h"
#include "setup/system_directories.h"

namespace {

UINT WINAPI WindowsFromEnvironment(LPSTR buffer, UINT size)
{
    return GetEnvironmentVariableA("TARNOVELLE_WINDOWS_DIR", buffer, size);
}

UINT WINAPI SystemFromEnvironment(LPSTR buffer, UINT size)
{
    return GetEnvironmentVariableA("TARNOVELLE_SYSTEM_DIR", buffer, size);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int)
{
    SetupDirectoryCalls = {WindowsFromEnvironment, SystemFromEnvironment};
    return SetupMain(instance, arguments);
}
