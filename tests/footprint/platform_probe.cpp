// Reports the Windows version that Wine shows a program of its file name:
// exit code = platform id * 10000 + major version * 100 + minor version
// (Windows 98: 1 * 10000 + 4 * 100 + 10 = 10410).
#include <windows.h>

int main()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return 1;
    return static_cast<int>(version.dwPlatformId * 10000 + version.dwMajorVersion * 100 + version.dwMinorVersion);
}
