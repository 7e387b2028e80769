// Dialog procedures as small tables: one short handler per message, and for
// WM_COMMAND one per control identifier.
#pragma once
#include <windows.h>

struct MessageHandler {
    UINT message;
    void (*handle)(HWND window, WPARAM wParam, LPARAM lParam);
};

struct CommandHandler {
    int controlId;
    void (*handle)(HWND window);
};

// Runs the handler of this message, if the table has one.
template <size_t N>
void RunMessageHandler(const MessageHandler (&table)[N], HWND window, UINT message, WPARAM wParam,
                     LPARAM lParam)
{
    for (const MessageHandler& entry : table) {
        if (entry.message == message) {
            entry.handle(window, wParam, lParam);
            return;
        }
    }
}

// Runs the handler of the control that sent this WM_COMMAND, if any.
template <size_t N>
void RunCommandHandler(const CommandHandler (&table)[N], HWND window, WPARAM wParam)
{
    int controlId = LOWORD(wParam);
    for (const CommandHandler& entry : table) {
        if (entry.controlId == controlId) {
            entry.handle(window);
            return;
        }
    }
}
