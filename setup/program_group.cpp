// CreateProgramGroup: SETUP.INI with the short paths, then "grpconv -o".
#include "setup/program_group.h"

#include <windows.h>

#include <cstdio>

#include "setup/command_lines.h"
#include "setup/group_file.h"
#include "setup/system_directories.h"

namespace {

// The short (8.3) form, which holds no spaces; the long path when the system
// cannot give one (the group file quotes every field either way).
void ShortPath(const char* path, char* buffer, DWORD size)
{
    DWORD length = GetShortPathNameA(path, buffer, size);
    if (length == 0 || length >= size)
        std::snprintf(buffer, size, "%s", path);
}

}  // namespace

void CreateProgramGroup(const char* configToolPath, const char* setupCopyPath)
{
    char shortConfigTool[260];
    ShortPath(configToolPath, shortConfigTool, sizeof shortConfigTool);
    char shortSetupCopy[260];
    ShortPath(setupCopyPath, shortSetupCopy, sizeof shortSetupCopy);
    char windowsDirectory[260];
    if (!GetWindowsDirectoryPath(windowsDirectory, sizeof windowsDirectory))
        return;

    char content[2048];
    int length = FormatGroupFile(content, sizeof content, shortConfigTool, shortSetupCopy,
                                 windowsDirectory);
    char fileName[260];
    if (length < 0 || !FormatInstallPath(fileName, sizeof fileName, windowsDirectory, "SETUP.INI"))
        return;

    HANDLE file = CreateFileA(fileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, content, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);

    WinExec("grpconv -o", SW_HIDE);
}
