// The main loop: peek, then get and dispatch one message; draw while ready.
#include "saver/shell/message_loop.h"

#include "saver/engine/engine.h"

void RunMessageLoop(ScreenDevice* device)
{
    MSG message;
    for (;;) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (GetMessageA(&message, nullptr, 0, 0) == 0)
                return;  // WM_QUIT
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (device->ready == 1)
            RenderFrame();
        else
            WaitMessage();
    }
}
