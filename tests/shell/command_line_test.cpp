// The saver's command line: the program name the start-up code removes, and the mode.
#include "saver/shell/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(SkipProgramName, QuotedAndPlainNames)
{
    const struct {
        const char* line;
        const char* rest;
    } cases[] = {
        {"Tarnovelle.scr /s", "/s"},
        {"\"C:\\Program Files\\Tarnovelle.scr\" /p 1234", "/p 1234"},
        {"\"C:\\a b\\T.scr\"/s", "/s"},
        {"T.scr    /c:1234", "/c:1234"},
        {"T.scr\t/s", "/s"},
        {"T.scr", ""},
        {"\"unterminated /s", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_STREQ(SkipProgramName(c.line), c.rest);
    }
}

TEST(ChooseSaverMode, SwitchesAnywhereCaseSensitive)
{
    const struct {
        const char* arguments;
        SaverMode mode;
    } cases[] = {
        {"/p", SaverMode::Preview},
        {"/p 1234", SaverMode::Preview},
        {"/s /p", SaverMode::Preview},
        {"/s", SaverMode::Run},
        {"/S", SaverMode::Run},
        {"x/sy", SaverMode::Run},
        {"", SaverMode::Configure},
        {"/c", SaverMode::Configure},
        {"/c:1234", SaverMode::Configure},
        {"/a", SaverMode::Configure},
        {"/P", SaverMode::Configure},
        {"/C", SaverMode::Configure},
        {"-s", SaverMode::Configure},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        EXPECT_EQ(ChooseSaverMode(c.arguments), c.mode);
    }
}

}  // namespace
