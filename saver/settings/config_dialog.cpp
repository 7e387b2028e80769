// The settings dialog. (Filled in with the dialog's resources and procedures.)
#include "saver/settings/config_dialog.h"

int RunConfiguration(HINSTANCE)
{
    return 0;
}
