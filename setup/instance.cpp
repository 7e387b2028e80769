// The installer's instance handle (null until the entry stores it, which
// also names the running program's own module).
#include "setup/instance.h"

HINSTANCE SetupInstance = nullptr;
