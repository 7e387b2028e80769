// The installer's resources, its licence agreement, its dialogs and the modes
// its command line chooses: runs that change nothing on the machine.
#include <windows.h>

#include <gtest/gtest.h>

#include "setup/licence_text.h"
#include "tests/setup/installer_driver.h"
#include "tests/wine/bench.h"

namespace {

using namespace setup_test;


using Controls = std::vector<std::pair<std::string, std::string>>;

// Nothing of an install or an uninstall is on the machine.
void ExpectNothingChanged(const std::string& logBefore)
{
    EXPECT_FALSE(bench::FileExists(SetupCopyPath()));
    EXPECT_FALSE(bench::FileExists(SaverPath()));
    EXPECT_FALSE(bench::FileExists(ConfigToolPath()));
    EXPECT_FALSE(bench::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
    EXPECT_EQ(bench::ReadText(HKEY_LOCAL_MACHINE, RunOnceKey, "UnInstallTarnovelle"), "<missing>");
    EXPECT_EQ(FileText(InstallLog), logBefore);
}

BOOL CALLBACK CollectType(HMODULE, LPSTR type, LONG_PTR parameter)
{
    reinterpret_cast<std::vector<ULONG_PTR>*>(parameter)->push_back(reinterpret_cast<ULONG_PTR>(type));
    return TRUE;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR parameter)
{
    reinterpret_cast<std::vector<WORD>*>(parameter)->push_back(language);
    return TRUE;
}

TEST(SetupResources, DialogsPictureAndTheSaverByteForByteInUsEnglish)
{
    HMODULE setup = LoadLibraryExA(BuiltInstaller().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(setup, nullptr);

    std::vector<ULONG_PTR> types;
    EnumResourceTypesA(setup, CollectType, reinterpret_cast<LONG_PTR>(&types));
    // Dialogs, the bitmap and raw data only: no icon, version block or string table.
    EXPECT_EQ(types, (std::vector<ULONG_PTR>{2, 5, 10}));

    const struct {
        LPCSTR type;
        int id;
    } expected[] = {{RT_DIALOG, 101}, {RT_DIALOG, 120}, {RT_BITMAP, 102}, {RT_RCDATA, 137}};
    for (const auto& resource : expected) {
        SCOPED_TRACE(resource.id);
        std::vector<WORD> languages;
        EnumResourceLanguagesA(setup, resource.type, MAKEINTRESOURCEA(resource.id), CollectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ(languages, (std::vector<WORD>{1033}));
    }

    HRSRC saver = FindResourceA(setup, "#137", RT_RCDATA);
    ASSERT_NE(saver, nullptr);
    std::string built;
    ASSERT_TRUE(bench::ReadFile(BuiltSaver(), &built));
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(setup, saver)));
    EXPECT_EQ(std::string(bytes, SizeofResource(setup, saver)), built);

    HRSRC picture = FindResourceA(setup, MAKEINTRESOURCEA(102), RT_BITMAP);
    ASSERT_NE(picture, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(setup, picture)));
    EXPECT_EQ(header->biWidth, 120);
    EXPECT_EQ(header->biHeight, 240);
    EXPECT_EQ(header->biBitCount, 8);
    EXPECT_EQ(header->biClrUsed, 256u);
    EXPECT_EQ(SizeofResource(setup, picture), 40u + 1024 + 120 * 240);
    FreeLibrary(setup);
}

// The licence's three outcomes. Only accepting with OK leads on to the
// install dialog; then Cancel there. Nothing is written in any case.
TEST(SetupLicence, OnlyAcceptWithOkShowsTheInstallDialog)
{
    const struct {
        LicenceAnswer answer;
        bool installDialog;
    } cases[] = {
        {LicenceAnswer::PresetOk, false},
        {LicenceAnswer::AcceptCancel, false},
        {LicenceAnswer::AcceptOk, true},
    };
    std::string logBefore = FileText(InstallLog);
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        InstallChoices cancel;
        cancel.pressCancel = true;
        InstallRun run = RunInstaller(BuiltInstaller(), "", c.answer, cancel);
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_TRUE(run.licenceShown);
        EXPECT_TRUE(run.declinePreset);
        EXPECT_EQ(run.licenceText, LicenceText);
        EXPECT_EQ(run.installDialogShown, c.installDialog);
        EXPECT_TRUE(run.messages.empty());
        ExpectNothingChanged(logBefore);
    }
}

TEST(SetupDialogs, ControlsInTemplateOrderWithTheirTextsAndFirstStates)
{
    InstallChoices cancel;
    cancel.pressCancel = true;
    InstallRun run = RunInstaller(BuiltInstaller(), "", LicenceAnswer::AcceptOk, cancel);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.licenceControls, (Controls{
        {"Button", "OK"},
        {"Button", "Cancel"},
        {"Button", "I accect the terms of this agreement"},
        {"Button", "I do not accect the terms of this agreement"},
        {"Edit", LicenceText},
    }));
    ASSERT_TRUE(run.installDialogShown);
    EXPECT_EQ(run.installControls, (Controls{
        {"Button", "Make Tarnovelle the default screen saver"},
        {"Button", "Add Tarnovelle to the Start menu"},
        {"Button", "Run Tarnovelle after installation is complete"},
        {"Button", "Cancel"},
        {"Button", "Install"},
        {"Static", "Tarnovelle"},
        {"Static", "The Abstract Screen Saver!"},
        {"msctls_progress32", ""},
        {"Static", "Click 'Install' to install Tarnovelle on your system"},
        {"Static", "<bitmap>"},
    }));
    EXPECT_TRUE(run.initialMakeDefault);
    EXPECT_TRUE(run.initialStartMenu);
    EXPECT_FALSE(run.initialRunAfter);
    EXPECT_FALSE(run.barVisibleAtStart);
}

// The switches are case-sensitive substrings: these all install (the
// licence shows; declining it ends the run).
TEST(SetupModes, OtherSpellingsAndAutoAloneInstall)
{
    std::string logBefore = FileText(InstallLog);
    for (const char* arguments : {"-REMOVE", "/remove", "-auto", "-Remove -auto"}) {
        SCOPED_TRACE(arguments);
        InstallRun run = RunInstaller(BuiltInstaller(), arguments, LicenceAnswer::PresetOk, InstallChoices{});
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_TRUE(run.licenceShown);
        ExpectNothingChanged(logBefore);
    }
}

TEST(SetupModes, RemoveInsideAWordAsksAndCancelChangesNothing)
{
    std::string logBefore = FileText(InstallLog);
    UninstallRun run = RunUninstaller("-removeall", false);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.messages, (std::vector<std::string>{"Would you like to Uninstall Tarnovelle from your system?"}));
    EXPECT_EQ(run.buttons, (std::vector<std::string>{"OK", "Cancel"}));
    EXPECT_FALSE(run.anyOtherWindow);
    ExpectNothingChanged(logBefore);
}

}  // namespace
