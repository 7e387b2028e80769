// The installer's paths and command lines, formatted with bounds.
#include "setup/command_lines.h"

#include <cstdarg>
#include <cstdio>

#include "setup/setup_names.h"

namespace {

__attribute__((format(printf, 3, 4)))
bool FormatWhole(char* buffer, std::size_t size, const char* format, ...)
{
    if (buffer == nullptr || size == 0)
        return false;
    va_list arguments;
    va_start(arguments, format);
    int length = std::vsnprintf(buffer, size, format, arguments);
    va_end(arguments);
    if (length < 0 || static_cast<std::size_t>(length) >= size) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

}  // namespace

bool FormatInstallPath(char* buffer, std::size_t size, const char* directory, const char* fileName)
{
    return FormatWhole(buffer, size, "%s\\%s", directory, fileName);
}

bool FormatUninstallString(char* buffer, std::size_t size, const char* setupCopyPath)
{
    return FormatWhole(buffer, size, "\"%s\" -remove", setupCopyPath);
}

bool FormatCleanupCommand(char* buffer, std::size_t size, const char* setupCopyPath)
{
    return FormatWhole(buffer, size, "\"%s\" -remove -auto", setupCopyPath);
}

bool FormatRunSaverCommand(char* buffer, std::size_t size, const char* saverPath)
{
    return FormatWhole(buffer, size, "\"%s\" /s", saverPath);
}

bool FormatRunOnceCommand(char* buffer, std::size_t size, unsigned long platformId,
                          const char* windowsDirectory)
{
    const char* shell = platformId == 1 ? "command.com" : "cmd.exe";
    return FormatWhole(buffer, size, "%s /C del \"%s\\%s\"", shell, windowsDirectory, SetupCopyFileName);
}
