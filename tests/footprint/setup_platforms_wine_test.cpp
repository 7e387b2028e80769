// TarnovelleSetup.exe's main paths on both families of Windows, each test in
// a fresh prefix: Wine's default (the NT family) and Windows 98 (platform id
// 1) for programs named TarnovelleSetup.exe, which covers the installer's own
// copy in the Windows directory. A full install with every box but "run
// now" checked, then the silent uninstall of that copy, whose scheduled
// deletion goes through the platform's command interpreter.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/setup/installer_driver.h"
#include "tests/wine/bench.h"

namespace {

using namespace setup_test;


struct Platform {
    const char* name;
    const char* wineVersion;  // nullptr: Wine's default
    const char* interpreter;  // what the scheduled deletion runs
};

void PrintTo(const Platform& platform, std::ostream* out)
{
    *out << platform.name;
}

class SetupPlatformsWine : public ::testing::TestWithParam<Platform> {};

TEST_P(SetupPlatformsWine, InstallsThenUninstallsSilently)
{
    if (GetParam().wineVersion != nullptr)
        bench::WriteText(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\TarnovelleSetup.exe", "Version",
                         GetParam().wineVersion);
    ASSERT_TRUE(InstallGroupConverterStandIn());
    ASSERT_TRUE(InstallDisplayPropertiesStandIn());

    InstallChoices choices;
    choices.makeDefault = true;
    choices.startMenu = true;
    choices.runAfter = false;  // a run would hold the screen
    InstallRun install = RunInstaller(BuiltInstaller(), "", LicenceAnswer::AcceptOk, choices);
    ASSERT_TRUE(install.ended);
    EXPECT_EQ(install.exitCode, 0u);
    EXPECT_TRUE(install.installDialogShown);
    EXPECT_TRUE(SameBytes(SaverPath(), BuiltSaver()));
    EXPECT_TRUE(SameBytes(ConfigToolPath(), BuiltSaver()));
    EXPECT_TRUE(SameBytes(SetupCopyPath(), BuiltInstaller()));
    std::string uninstallString = bench::ReadText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString");
    EXPECT_NE(uninstallString.find(SetupCopyPath()), std::string::npos) << uninstallString;
    EXPECT_EQ(uninstallString.substr(uninstallString.size() - 8), " -remove") << uninstallString;
    EXPECT_FALSE(ReadLines(GroupConverterRecord).empty()) << "the Start-menu group was handed to grpconv";
    EXPECT_FALSE(ReadLines(DisplayPropertiesRecord).empty()) << "Display Properties was driven";

    SilentRun uninstall = RunSilently(SetupCopyPath(), "-remove -auto");
    ASSERT_TRUE(uninstall.ended);
    EXPECT_EQ(uninstall.exitCode, 0u);
    EXPECT_FALSE(uninstall.windowSeen);
    EXPECT_FALSE(bench::FileExists(SaverPath()));
    EXPECT_FALSE(bench::FileExists(ConfigToolPath()));
    EXPECT_FALSE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
    // The command's form (quoting) is the installer's own business; the
    // interpreter shows which family the installer saw.
    std::string deletion = bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, "UnInstallTarnovelle");
    EXPECT_EQ(deletion.rfind(std::string(GetParam().interpreter) + " /C del ", 0), 0u) << deletion;
    EXPECT_NE(deletion.find(SetupCopyPath()), std::string::npos) << deletion;
}

INSTANTIATE_TEST_SUITE_P(Families, SetupPlatformsWine,
                         ::testing::Values(Platform{"NT", nullptr, "cmd.exe"},
                                           Platform{"Windows98", "win98", "command.com"}),
                         [](const ::testing::TestParamInfo<Platform>& info) { return std::string(info.param.name); });

}  // namespace
