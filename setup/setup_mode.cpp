// The installer's mode from its command line.
#include "setup/setup_mode.h"

#include <cstring>

SetupMode ChooseSetupMode(const char* arguments)
{
    if (arguments == nullptr || std::strstr(arguments, "-remove") == nullptr)
        return SetupMode::Install;
    if (std::strstr(arguments, "-auto") != nullptr)
        return SetupMode::SilentUninstall;
    return SetupMode::AskUninstall;
}
