// The installer's portable decisions: the mode from the command line, the
// commands it runs or stores, SETUP.INI's text, the title comparison, the
// licence text's line ends and the install dialog's picture.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "setup/command_lines.h"
#include "setup/group_file.h"
#include "setup/licence_text.h"
#include "setup/picture/wave_picture.h"
#include "setup/setup_mode.h"
#include "setup/text_match.h"

namespace {

TEST(SetupMode, SwitchesAreCaseSensitiveSubstringsAnywhere)
{
    const struct {
        const char* arguments;
        SetupMode mode;
    } cases[] = {
        {"", SetupMode::Install},
        {"-remove", SetupMode::AskUninstall},
        {"-remove -auto", SetupMode::SilentUninstall},
        {"-auto -remove", SetupMode::SilentUninstall},
        {"-removeall", SetupMode::AskUninstall},
        {"x-removey", SetupMode::AskUninstall},
        {"-remove-auto", SetupMode::SilentUninstall},
        {"-REMOVE", SetupMode::Install},
        {"/remove", SetupMode::Install},
        {"-auto", SetupMode::Install},
        {"-Remove -auto", SetupMode::Install},
        {"-remove -AUTO", SetupMode::AskUninstall},
        {"-remov", SetupMode::Install},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        EXPECT_EQ(ChooseSetupMode(c.arguments), c.mode);
    }
    EXPECT_EQ(ChooseSetupMode(nullptr), SetupMode::Install);
}

// Every command that is run or stored quotes its path, so a directory with
// a space runs the right program.
TEST(CommandLines, PathsThatRunAreQuoted)
{
    char buffer[300];
    ASSERT_TRUE(FormatUninstallString(buffer, sizeof buffer, "C:\\My Windows\\TarnovelleSetup.exe"));
    EXPECT_STREQ(buffer, "\"C:\\My Windows\\TarnovelleSetup.exe\" -remove");
    ASSERT_TRUE(FormatCleanupCommand(buffer, sizeof buffer, "C:\\My Windows\\TarnovelleSetup.exe"));
    EXPECT_STREQ(buffer, "\"C:\\My Windows\\TarnovelleSetup.exe\" -remove -auto");
    ASSERT_TRUE(FormatRunSaverCommand(buffer, sizeof buffer, "C:\\My Windows\\System\\Tarnovelle.scr"));
    EXPECT_STREQ(buffer, "\"C:\\My Windows\\System\\Tarnovelle.scr\" /s");
    ASSERT_TRUE(FormatInstallPath(buffer, sizeof buffer, "C:\\WINDOWS", "Tarnovelle.exe"));
    EXPECT_STREQ(buffer, "C:\\WINDOWS\\Tarnovelle.exe");
}

TEST(CommandLines, RunOnceCommandUsesTheInterpreterOfThePlatform)
{
    const struct {
        unsigned long platformId;
        const char* command;
    } cases[] = {
        {1, "command.com /C del \"C:\\WINDOWS\\TarnovelleSetup.exe\""},  // Windows 95 family
        {2, "cmd.exe /C del \"C:\\WINDOWS\\TarnovelleSetup.exe\""},      // NT family
        {0, "cmd.exe /C del \"C:\\WINDOWS\\TarnovelleSetup.exe\""},      // version call failed
        {3, "cmd.exe /C del \"C:\\WINDOWS\\TarnovelleSetup.exe\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.platformId);
        char buffer[300];
        ASSERT_TRUE(FormatRunOnceCommand(buffer, sizeof buffer, c.platformId, "C:\\WINDOWS"));
        EXPECT_STREQ(buffer, c.command);
    }
}

// A cut path would name another file: a text that does not fit is refused
// whole and leaves an empty buffer, at the exact boundary too.
TEST(CommandLines, TextThatDoesNotFitIsRefusedWhole)
{
    std::string directory(250, 'd');
    std::string expected = directory + "\\TarnovelleSetup.exe";  // 270 characters
    std::string buffer(expected.size() + 1, 'x');
    EXPECT_TRUE(FormatInstallPath(buffer.data(), buffer.size(), directory.c_str(), "TarnovelleSetup.exe"));
    EXPECT_EQ(std::string(buffer.c_str()), expected);
    EXPECT_FALSE(FormatInstallPath(buffer.data(), buffer.size() - 1, directory.c_str(), "TarnovelleSetup.exe"));
    EXPECT_EQ(buffer[0], '\0');

    char small[16];
    EXPECT_FALSE(FormatUninstallString(small, sizeof small, "C:\\WINDOWS\\TarnovelleSetup.exe"));
    EXPECT_STREQ(small, "");
    EXPECT_FALSE(FormatCleanupCommand(small, sizeof small, "C:\\WINDOWS\\TarnovelleSetup.exe"));
    EXPECT_FALSE(FormatRunSaverCommand(small, sizeof small, "C:\\WINDOWS\\SYSTEM\\Tarnovelle.scr"));
    EXPECT_FALSE(FormatRunOnceCommand(small, sizeof small, 2, "C:\\WINDOWS"));
    EXPECT_FALSE(FormatInstallPath(nullptr, 0, "C:", "x"));
}

TEST(GroupFile, FiveLinesWithShortCommandsAndQuotedLongDirectory)
{
    char buffer[2048];
    int length = FormatGroupFile(buffer, sizeof buffer, "C:\\MYWIN~1\\TARNOV~1.EXE",
                                 "C:\\MYWIN~1\\TARNOV~2.EXE", "C:\\My Windows");
    const char expected[] =
        "[progman.groups]\r\n"
        "groupX=Hollis Fernby\r\n"
        "[groupX]\r\n"
        "\"Tarnovelle Screen Saver\",\"C:\\MYWIN~1\\TARNOV~1.EXE\",,,,\"C:\\My Windows\"\r\n"
        "\"Uninstall Tarnovelle\",\"C:\\MYWIN~1\\TARNOV~2.EXE -remove\",,,,\"C:\\My Windows\"\r\n";
    EXPECT_EQ(length, static_cast<int>(sizeof expected - 1));
    EXPECT_STREQ(buffer, expected);
}

TEST(GroupFile, LongestPathsStillFitAndTooSmallABufferIsRefused)
{
    // Three paths of 259 characters and two directories of 259: the text the
    // installer writes from its 260-character buffers always fits its 2048.
    std::string path(259, 'p');
    char buffer[2048];
    int length = FormatGroupFile(buffer, sizeof buffer, path.c_str(), path.c_str(), path.c_str());
    ASSERT_GT(length, 0);
    EXPECT_EQ(static_cast<size_t>(length), std::strlen(buffer));
    EXPECT_NE(std::string(buffer).find(path + " -remove\""), std::string::npos);

    char small[64];
    EXPECT_EQ(FormatGroupFile(small, sizeof small, "A", "B", "C"), -1);
    EXPECT_STREQ(small, "");
}

TEST(TextMatch, WholeStringsWithAsciiLettersInEitherCase)
{
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"Display Properties", "Display Properties", true},
        {"display properties", "Display Properties", true},
        {"DISPLAY PROPERTIES", "Display Properties", true},
        {"systabcontrol32", "SysTabControl32", true},
        {"ComboBox", "COMBOBOX", true},
        {"Display Properties ", "Display Properties", false},
        {"Display", "Display Properties", false},
        {"", "Display Properties", false},
        {"", "", true},
        {"Eigenschaften von Anzeige", "Display Properties", false},
        {"\xC4", "\xE4", false},  // accented letters of a code page are not folded
        {"[", "{", false},        // neighbours of the letter ranges stay apart
        {"@", "`", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " | " + c.b);
        EXPECT_EQ(SameTextIgnoringAsciiCase(c.a, c.b), c.same);
        EXPECT_EQ(SameTextIgnoringAsciiCase(c.b, c.a), c.same);
    }
}

// A multi-line edit control shows lines only where CR LF stands; a lone LF
// or CR shows as a box or runs the lines together.
TEST(LicenceText, AboutSixThousandCharactersInCrLfLines)
{
    std::string text = LicenceText;
    EXPECT_GE(text.size(), 5000u);
    EXPECT_LE(text.size(), 7500u);
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    size_t lines = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(text[i - 1], '\r') << "line feed without carriage return at " << i;
            ++lines;
        } else if (text[i] == '\r') {
            ASSERT_LT(i + 1, text.size());
            EXPECT_EQ(text[i + 1], '\n') << "carriage return without line feed at " << i;
        } else {
            EXPECT_TRUE(text[i] >= 32 && text[i] < 127) << "character " << int(text[i]) << " at " << i;
        }
    }
    EXPECT_GT(lines, 20u);
}

uint32_t U32(const std::vector<uint8_t>& bytes, size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24;
}

// The file in the tree is the generator's output, and it is an 8-bit
// 120 x 240 bitmap with a full palette that uses many of its colours.
TEST(WavePicture, FileInTheTreeIsTheGeneratorsEightBitPicture)
{
    std::vector<uint8_t> made = MakeWavePicture();
    FILE* file = std::fopen(TARNOVELLE_SOURCE_DIR "/setup/picture/waves.bmp", "rb");
    ASSERT_NE(file, nullptr);
    std::vector<uint8_t> stored;
    int c;
    while ((c = std::fgetc(file)) != EOF)
        stored.push_back(static_cast<uint8_t>(c));
    std::fclose(file);
    EXPECT_EQ(stored, made) << "regenerate with make_wave_picture setup/picture/waves.bmp";

    ASSERT_EQ(made.size(), 14u + 40 + 1024 + 120 * 240);
    EXPECT_EQ(made[0], 'B');
    EXPECT_EQ(made[1], 'M');
    EXPECT_EQ(U32(made, 2), made.size());
    EXPECT_EQ(U32(made, 10), 14u + 40 + 1024);
    EXPECT_EQ(U32(made, 14), 40u);
    EXPECT_EQ(U32(made, 18), 120u);
    EXPECT_EQ(U32(made, 22), 240u);
    EXPECT_EQ(made[28] | made[29] << 8, 8);
    EXPECT_EQ(U32(made, 30), 0u);
    EXPECT_EQ(U32(made, 46), 256u);

    bool used[256] = {};
    for (size_t i = 1078; i < made.size(); ++i)
        used[made[i]] = true;
    int colours = 0;
    for (bool u : used)
        colours += u;
    EXPECT_GT(colours, 200);
}

}  // namespace
