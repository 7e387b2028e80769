// The Start-menu group description written to SETUP.INI.
#include "setup/group_file.h"

#include <cstdio>

#include "setup/setup_names.h"

int FormatGroupFile(char* buffer, std::size_t size, const char* shortConfigToolPath,
                    const char* shortSetupCopyPath, const char* windowsDirectory)
{
    if (buffer == nullptr || size == 0)
        return -1;
    // Room for any path of 260 characters and the switch after it.
    char uninstallCommand[260 + sizeof " -remove"];
    int commandLength = std::snprintf(uninstallCommand, sizeof uninstallCommand, "%s -remove",
                                      shortSetupCopyPath);
    if (commandLength < 0 || static_cast<std::size_t>(commandLength) >= sizeof uninstallCommand) {
        buffer[0] = '\0';
        return -1;
    }
    int length = std::snprintf(buffer, size,
        "[progman.groups]\r\ngroupX=%s\r\n[groupX]\r\n\"%s\",\"%s\",,,,\"%s\"\r\n\"%s\",\"%s\",,,,\"%s\"\r\n",
        GroupName,
        SaverItemTitle, shortConfigToolPath, windowsDirectory,
        UninstallItemTitle, uninstallCommand, windowsDirectory);
    if (length < 0 || static_cast<std::size_t>(length) >= size) {
        buffer[0] = '\0';
        return -1;
    }
    return length;
}
