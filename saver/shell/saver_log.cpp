// The error log: plain and error entries appended in text mode, each written
// and closed at once so that it is on disk before the writer goes on.
#include "saver/shell/saver_log.h"

#include <cstdarg>
#include <cstdio>

const char* SaverLogPath = "c:\\Tarnovelle.log";
int32_t ErrorsLogged = 0;

namespace {

constexpr int EntryBufferSize = 2048;

// Appends one entry, prefix and the formatted text; a log that cannot be
// opened loses the entry silently.
__attribute__((format(printf, 2, 0)))
void AppendEntry(const char* prefix, const char* format, va_list arguments)
{
    char text[EntryBufferSize] = {};
    std::vsnprintf(text, sizeof text, format, arguments);
    std::FILE* file = std::fopen(SaverLogPath, "a");
    if (file == nullptr)
        return;
    std::fputs(prefix, file);
    std::fputs(text, file);
    std::fclose(file);
}

}  // namespace

void StartSaverLog()
{
    ErrorsLogged = 0;
    std::FILE* file = std::fopen(SaverLogPath, "w");
    if (file == nullptr)
        return;
    std::fputs("Starting log\n\n", file);
    std::fclose(file);
}

void LogPlain(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    AppendEntry("", format, arguments);
    va_end(arguments);
}

void LogError(const char* format, ...)
{
    ErrorsLogged = 1;
    va_list arguments;
    va_start(arguments, format);
    AppendEntry("!! ", format, arguments);
    va_end(arguments);
}
