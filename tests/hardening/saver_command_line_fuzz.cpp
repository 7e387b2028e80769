// Fuzz target: the saver's process command line to its arguments (the program
// name and the blanks after it skipped) and to its mode.
#include <string>

#include "saver/shell/command_line.h"
#include "tests/hardening/fuzz_check.h"

namespace {

// Where the arguments begin, found with the string's own searches.
std::size_t ModelArgumentsStart(const std::string& line)
{
    std::size_t end;
    if (!line.empty() && line[0] == '"') {
        std::size_t quote = line.find('"', 1);
        end = quote == std::string::npos ? line.size() : quote + 1;
    } else {
        end = line.find_first_of(" \t");
        if (end == std::string::npos)
            end = line.size();
    }
    std::size_t start = line.find_first_not_of(" \t", end);
    return start == std::string::npos ? line.size() : start;
}

SaverMode ModelMode(const std::string& arguments)
{
    if (arguments.find("/p") != std::string::npos)
        return SaverMode::Preview;
    if (arguments.find("/s") != std::string::npos || arguments.find("/S") != std::string::npos)
        return SaverMode::Run;
    return SaverMode::Configure;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    // The command line is a zero-terminated text.
    std::string stored(reinterpret_cast<const char*>(data), size);
    const char* line = stored.c_str();
    std::string text = line;

    const char* arguments = SkipProgramName(line);
    FUZZ_CHECK(arguments >= line && arguments <= line + text.size());
    std::size_t start = static_cast<std::size_t>(arguments - line);
    FUZZ_CHECK(start == ModelArgumentsStart(text));
    FUZZ_CHECK(*arguments != ' ' && *arguments != '\t');

    FUZZ_CHECK(ChooseSaverMode(arguments) == ModelMode(text.substr(start)));
    // The whole line chooses by the same rule (the program name included).
    FUZZ_CHECK(ChooseSaverMode(line) == ModelMode(text));
    return 0;
}
