// Fuzz target: the installer's arguments to its mode.
#include <string>

#include "setup/setup_mode.h"
#include "tests/hardening/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    std::string stored(reinterpret_cast<const char*>(data), size);
    std::string arguments = stored.c_str();

    SetupMode model = SetupMode::Install;
    if (arguments.find("-remove") != std::string::npos)
        model = arguments.find("-auto") != std::string::npos ? SetupMode::SilentUninstall : SetupMode::AskUninstall;
    FUZZ_CHECK(ChooseSetupMode(stored.c_str()) == model);
    FUZZ_CHECK(ChooseSetupMode(nullptr) == SetupMode::Install);
    return 0;
}
