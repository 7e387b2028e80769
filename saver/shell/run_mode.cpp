// The saver's run mode. (Filled in with the display device and main loop.)
#include "saver/shell/run_mode.h"

int RunSaver(HINSTANCE)
{
    return 0;
}
