// The real Tarnovelle.scr started by the desktop's switches.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/wine/bench.h"

namespace {

const char* const Key = "Software\\HollisFernby\\Tarnovelle";

struct SaverStartWine : ::testing::Test {
    void SetUp() override { bench::DeleteKeyTree(HKEY_CURRENT_USER, Key); }
    void TearDown() override { bench::DeleteKeyTree(HKEY_CURRENT_USER, Key); }
};

TEST_F(SaverStartWine, PreviewOnAFreshSystemEndsAtOnceAndLeavesEveryDefault)
{
    DWORD exitCode = 99;
    ASSERT_TRUE(bench::Run(bench::CommandLine(bench::BuildPath("Tarnovelle.scr"), "/p 1234"), 20000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    const struct {
        const char* name;
        const char* text;
    } defaults[] = {
        {"MainSeed", "0"}, {"Resolution", "0"}, {"MorphSpeed", "2"}, {"UseCurves", "6"},
        {"Roughness", "0"}, {"ColorCycleMode", "3"}, {"IgnoreMouseMoves", "2"}, {"SongDir", ""},
    };
    for (const auto& value : defaults) {
        SCOPED_TRACE(value.name);
        DWORD type = 0;
        ASSERT_TRUE(bench::ReadValue(HKEY_CURRENT_USER, Key, value.name, &type, nullptr));
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, Key, value.name), value.text);
    }
}

TEST_F(SaverStartWine, PreviewSwitchWinsWhereverItStands)
{
    for (const char* arguments : {"/p", "/s /p", "x/py"}) {
        SCOPED_TRACE(arguments);
        DWORD exitCode = 99;
        ASSERT_TRUE(bench::Run(bench::CommandLine(bench::BuildPath("Tarnovelle.scr"), arguments), 20000, &exitCode));
        EXPECT_EQ(exitCode, 0u);
    }
}

}  // namespace
