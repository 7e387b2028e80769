// The saver's command line rules.
#include "saver/shell/command_line.h"

#include <cstring>

const char* SkipProgramName(const char* commandLine)
{
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p != '\0' && *p != ' ' && *p != '\t')
            ++p;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

SaverMode ChooseSaverMode(const char* arguments)
{
    if (std::strstr(arguments, "/p") != nullptr)
        return SaverMode::Preview;
    if (std::strstr(arguments, "/s") != nullptr || std::strstr(arguments, "/S") != nullptr)
        return SaverMode::Run;
    return SaverMode::Configure;
}
