// ShowMessage: the install's only way of telling the user something.
#include "setup/show_message.h"

#include <cstdarg>
#include <cstdio>

#include "setup/setup_names.h"

HWND MessageOwner = nullptr;

void ShowMessage(const char* format, ...)
{
    char text[2048];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    MessageBoxA(MessageOwner, text, ProductName, MB_OK | MB_ICONINFORMATION);
}
