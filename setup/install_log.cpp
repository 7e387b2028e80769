// InstallLog: append one formatted entry to the install log.
#include "setup/install_log.h"

#include <cstdarg>
#include <cstdio>

#include "setup/setup_names.h"

void InstallLog(const char* format, ...)
{
    char text[2048];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    FILE* log = std::fopen(InstallLogPath, "a+");
    if (log == nullptr)
        return;
    std::fprintf(log, "%s", text);
    std::fclose(log);
}
