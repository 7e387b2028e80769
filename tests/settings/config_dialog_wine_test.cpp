// The real Tarnovelle.scr in configuration mode, driven from this program: the
// settings dialog shows, edits and saves the settings, opens its help page and
// folder picker, and starts a preview run.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "saver/display/mode_list.h"
#include "tests/settings/config_driver.h"
#include "tests/wine/bench.h"

namespace {

using configtest::ConfigDialog;
using configtest::ReactionTimeoutMs;
using configtest::WaitUntil;
using configtest::WindowTimeoutMs;

const char* const Key = "Software\\HollisFernby\\Tarnovelle";

// The dialog's control numbers, written out here rather than taken from the
// program's header, so that a wrong number there shows up.
enum Control {
    OkButton = 1,
    CancelButton = 2,
    PreviewButton = 3,
    MainSeedBox = 1002,
    ResolutionList = 1003,
    WavesList = 1004,
    MorphSpeedBox = 1005,
    RoughnessBox = 1006,
    ColorCyclingList = 1007,
    SongPathBox = 1008,
    BrowseButton = 1009,
    HelpButton = 1012,
    RoughnessBar = 1013,
    MorphSpeedBar = 1014,
    LastSeedBox = 1015,
    WebButton = 1016,
};

const char* const SettingNames[] = {"MainSeed",       "Resolution",       "MorphSpeed", "UseCurves", "Roughness",
                                    "ColorCycleMode", "IgnoreMouseMoves", "SongDir",    "LastSeed"};

struct ConfigDialogWine : ::testing::Test {
    void SetUp() override { bench::DeleteKeyTree(HKEY_CURRENT_USER, Key); }
    void TearDown() override { bench::DeleteKeyTree(HKEY_CURRENT_USER, Key); }

    static std::string Stored(const char* name) { return bench::ReadText(HKEY_CURRENT_USER, Key, name); }
    static void Store(const char* name, const std::string& text)
    {
        bench::WriteText(HKEY_CURRENT_USER, Key, name, text);
    }
    static std::map<std::string, std::string> StoredSettings()
    {
        std::map<std::string, std::string> values;
        for (const char* name : SettingNames)
            values[name] = Stored(name);
        return values;
    }
    static void Close(ConfigDialog& dialog, int button)
    {
        DWORD exitCode = 99;
        ASSERT_TRUE(dialog.CloseWith(button, &exitCode));
        EXPECT_EQ(exitCode, 0u);
    }
};

TEST_F(ConfigDialogWine, EveryControlShowsTheLoadedSettingsAndOkStoresThemUnchanged)
{
    Store("MainSeed", "-1");  // all 32 bits: shown unsigned
    Store("Resolution", "2");
    Store("MorphSpeed", "7");
    Store("UseCurves", "8");
    Store("Roughness", "345");
    Store("ColorCycleMode", "1");
    Store("IgnoreMouseMoves", "5");
    Store("SongDir", "C:\\my songs");
    Store("LastSeed", "123");

    ConfigDialog dialog;
    ASSERT_TRUE(dialog.Open(""));
    EXPECT_EQ(dialog.Text(MainSeedBox), "4294967295");
    EXPECT_EQ(dialog.Selection(ResolutionList), 2);
    EXPECT_EQ(dialog.Items(WavesList), (std::vector<std::string>{"3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(dialog.Selection(WavesList), 5);
    EXPECT_EQ(dialog.Text(MorphSpeedBox), "7");
    EXPECT_EQ(dialog.BarPosition(MorphSpeedBar), 7);
    EXPECT_EQ(dialog.Text(RoughnessBox), "345");
    EXPECT_EQ(dialog.BarPosition(RoughnessBar), 345);
    EXPECT_EQ(dialog.Items(ColorCyclingList),
              (std::vector<std::string>{"None", "Morphing", "Cycling", "Cycle+Morph"}));
    EXPECT_EQ(dialog.Selection(ColorCyclingList), 1);
    EXPECT_EQ(dialog.Text(SongPathBox), "C:\\my songs");
    EXPECT_EQ(dialog.Text(LastSeedBox), "123");
    EXPECT_FALSE(IsWindowVisible(dialog.Item(LastSeedBox)));

    auto before = StoredSettings();
    Close(dialog, OkButton);
    EXPECT_EQ(StoredSettings(), before);
}

TEST_F(ConfigDialogWine, StoredMorphSpeedOf500ShowsAtTheBarsEndAndSurvivesOkUntilScrolled)
{
    Store("MorphSpeed", "500");
    {
        ConfigDialog dialog;
        ASSERT_TRUE(dialog.Open(""));
        EXPECT_EQ(dialog.Text(MorphSpeedBox), "500");
        EXPECT_EQ(dialog.BarPosition(MorphSpeedBar), 50);
        Close(dialog, OkButton);
        EXPECT_EQ(Stored("MorphSpeed"), "500");
    }
    {
        ConfigDialog dialog;
        ASSERT_TRUE(dialog.Open(""));
        dialog.Scroll(MorphSpeedBar, SB_THUMBPOSITION, 20);  // steps nothing, but holds to 1..50
        EXPECT_EQ(dialog.Text(MorphSpeedBox), "50");
        Close(dialog, OkButton);
        EXPECT_EQ(Stored("MorphSpeed"), "50");
    }
}

TEST_F(ConfigDialogWine, TypedValuesKeepBoxAndBarInStepWithinTheirLimits)
{
    ConfigDialog dialog;
    ASSERT_TRUE(dialog.Open(""));
    const struct {
        const char* what;
        int box;
        int bar;
        const char* before;  // typed first, to set the starting value
        const char* typed;
        const char* boxAfter;
        int barAfter;
    } cases[] = {
        {"roughness cleared from 345", RoughnessBox, RoughnessBar, "345", "", "0", 0},
        {"roughness cleared from 0 stays empty", RoughnessBox, RoughnessBar, "0", "", "", 0},
        {"roughness above 1000", RoughnessBox, RoughnessBar, "5", "1500", "1000", 1000},
        {"roughness in range", RoughnessBox, RoughnessBar, "5", "12", "12", 12},
        {"morph speed cleared", MorphSpeedBox, MorphSpeedBar, "7", "", "1", 1},
        {"morph speed 0", MorphSpeedBox, MorphSpeedBar, "7", "0", "1", 1},
        {"morph speed 99", MorphSpeedBox, MorphSpeedBar, "7", "99", "50", 50},
        {"morph speed in range", MorphSpeedBox, MorphSpeedBar, "7", "33", "33", 33},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialog.TypeAndRelease(c.box, c.before);
        dialog.TypeAndRelease(c.box, c.typed);
        EXPECT_EQ(dialog.Text(c.box), c.boxAfter);
        EXPECT_EQ(dialog.BarPosition(c.bar), c.barAfter);
    }
    // The last typed values are what OK stores; an empty Roughness box reads 0.
    dialog.TypeAndRelease(RoughnessBox, "0");
    dialog.TypeAndRelease(RoughnessBox, "");
    Close(dialog, OkButton);
    EXPECT_EQ(Stored("MorphSpeed"), "33");
    EXPECT_EQ(Stored("Roughness"), "0");
}

TEST_F(ConfigDialogWine, TypingNinetyNineIntoAnEmptyMorphSpeedBoxTurnsItInto50AtTheSecondKeyRelease)
{
    ConfigDialog dialog;
    ASSERT_TRUE(dialog.Open(""));
    dialog.SetText(MorphSpeedBox, "");  // emptied without a key release yet
    dialog.PostKey(MorphSpeedBox, '9');
    EXPECT_TRUE(WaitUntil([&] { return dialog.BarPosition(MorphSpeedBar) == 9; }, ReactionTimeoutMs));
    EXPECT_EQ(dialog.Text(MorphSpeedBox), "9");
    dialog.PostKey(MorphSpeedBox, '9');
    EXPECT_TRUE(WaitUntil([&] { return dialog.Text(MorphSpeedBox) == "50"; }, ReactionTimeoutMs));
    EXPECT_EQ(dialog.BarPosition(MorphSpeedBar), 50);
    // The caret stays after the two typed digits.
    DWORD selection = static_cast<DWORD>(configtest::Send(dialog.Item(MorphSpeedBox), EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(selection), 2);
    EXPECT_EQ(HIWORD(selection), 2);
    Close(dialog, OkButton);
    EXPECT_EQ(Stored("MorphSpeed"), "50");
}

TEST_F(ConfigDialogWine, ScrollingKeepsBoxAndBarInStepWithinTheirLimits)
{
    ConfigDialog dialog;
    ASSERT_TRUE(dialog.Open(""));
    const struct {
        const char* what;
        int bar;
        int box;
        int start;  // reached by dragging the thumb there
        int code;
        int thumb;
        int after;
    } cases[] = {
        {"roughness line right", RoughnessBar, RoughnessBox, 500, SB_LINERIGHT, 0, 501},
        {"roughness line left", RoughnessBar, RoughnessBox, 500, SB_LINELEFT, 0, 499},
        {"roughness page right", RoughnessBar, RoughnessBox, 500, SB_PAGERIGHT, 0, 550},
        {"roughness page left", RoughnessBar, RoughnessBox, 500, SB_PAGELEFT, 0, 450},
        {"roughness page right at the top", RoughnessBar, RoughnessBox, 990, SB_PAGERIGHT, 0, 1000},
        {"roughness page left at the bottom", RoughnessBar, RoughnessBox, 20, SB_PAGELEFT, 0, 0},
        {"roughness thumb released elsewhere", RoughnessBar, RoughnessBox, 300, SB_THUMBPOSITION, 700, 300},
        {"morph speed line right", MorphSpeedBar, MorphSpeedBox, 20, SB_LINERIGHT, 0, 21},
        {"morph speed page left", MorphSpeedBar, MorphSpeedBox, 20, SB_PAGELEFT, 0, 10},
        {"morph speed page right at the top", MorphSpeedBar, MorphSpeedBox, 45, SB_PAGERIGHT, 0, 50},
        {"morph speed line left at the bottom", MorphSpeedBar, MorphSpeedBox, 1, SB_LINELEFT, 0, 1},
        {"morph speed page left at the bottom", MorphSpeedBar, MorphSpeedBox, 6, SB_PAGELEFT, 0, 1},
        {"morph speed thumb released elsewhere", MorphSpeedBar, MorphSpeedBox, 30, SB_THUMBPOSITION, 5, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialog.Scroll(c.bar, SB_THUMBTRACK, c.start);
        ASSERT_EQ(dialog.Text(c.box), std::to_string(c.start));  // tracking updates the box at once
        dialog.Scroll(c.bar, c.code, c.thumb);
        EXPECT_EQ(dialog.Text(c.box), std::to_string(c.after));
        EXPECT_EQ(dialog.BarPosition(c.bar), c.after);
    }
    Close(dialog, OkButton);
    EXPECT_EQ(Stored("Roughness"), "300");
    EXPECT_EQ(Stored("MorphSpeed"), "30");
}

TEST_F(ConfigDialogWine, OkWritesEveryValue)
{
    Store("IgnoreMouseMoves", "5");
    Store("LastSeed", "77");
    ConfigDialog dialog;
    ASSERT_TRUE(dialog.Open(""));
    dialog.SetText(MainSeedBox, "3000000000");
    dialog.Select(ResolutionList, 1);
    dialog.Select(WavesList, 0);
    dialog.Scroll(MorphSpeedBar, SB_THUMBTRACK, 17);
    dialog.TypeAndRelease(RoughnessBox, "640");
    dialog.Select(ColorCyclingList, 2);
    dialog.SetText(SongPathBox, "C:\\typed songs");
    Close(dialog, OkButton);

    EXPECT_EQ(Stored("MainSeed"), "-1294967296");  // 3000000000 as signed 32-bit text
    EXPECT_EQ(Stored("Resolution"), "1");
    EXPECT_EQ(Stored("UseCurves"), "3");
    EXPECT_EQ(Stored("MorphSpeed"), "17");
    EXPECT_EQ(Stored("Roughness"), "640");
    EXPECT_EQ(Stored("ColorCycleMode"), "2");
    EXPECT_EQ(Stored("SongDir"), "C:\\typed songs");
    EXPECT_EQ(Stored("IgnoreMouseMoves"), "5");  // not in the dialog, kept as loaded
    EXPECT_EQ(Stored("LastSeed"), "77");         // only a run writes it
}

TEST_F(ConfigDialogWine, AnEmptyMainSeedSavesZero)
{
    Store("MainSeed", "1234");
    ConfigDialog dialog;
    ASSERT_TRUE(dialog.Open(""));
    EXPECT_EQ(dialog.Text(MainSeedBox), "1234");
    dialog.SetText(MainSeedBox, "");
    Close(dialog, OkButton);
    EXPECT_EQ(Stored("MainSeed"), "0");
}

TEST_F(ConfigDialogWine, CancelAndTheCloseBoxWriteNothing)
{
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Cancel");
        Store("MorphSpeed", "500");  // any scroll would change it
        ConfigDialog dialog;
        ASSERT_TRUE(dialog.Open(""));
        auto before = StoredSettings();
        dialog.SetText(MainSeedBox, "999");
        dialog.Select(ResolutionList, 1);
        dialog.Select(WavesList, 6);
        dialog.Scroll(MorphSpeedBar, SB_LINELEFT);
        dialog.Scroll(RoughnessBar, SB_PAGERIGHT);
        dialog.TypeAndRelease(RoughnessBox, "700");
        dialog.Select(ColorCyclingList, 0);
        dialog.SetText(SongPathBox, "C:\\elsewhere");
        DWORD exitCode = 99;
        if (closeBox) {
            PostMessageA(dialog.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
            ASSERT_TRUE(dialog.WaitForExit(WindowTimeoutMs, &exitCode));
        } else {
            ASSERT_TRUE(dialog.CloseWith(CancelButton, &exitCode));
        }
        EXPECT_EQ(exitCode, 0u);
        EXPECT_EQ(StoredSettings(), before);
    }
}

TEST_F(ConfigDialogWine, ResolutionListHoldsTheLoadsModesInTheLoadsOrder)
{
    ASSERT_TRUE(BuildModeList());
    std::vector<std::string> modes;
    for (DisplayMode* mode = FirstMode(); mode != nullptr; mode = NextMode())
        modes.push_back(mode->text);
    ASSERT_GE(modes.size(), 2u);

    Store("Resolution", std::to_string(modes.size() - 1));
    ConfigDialog dialog;
    ASSERT_TRUE(dialog.Open(""));
    EXPECT_EQ(dialog.Items(ResolutionList), modes);
    EXPECT_EQ(dialog.Selection(ResolutionList), static_cast<int>(modes.size() - 1));
    Close(dialog, CancelButton);
}

TEST_F(ConfigDialogWine, ControlsStandInTheirTabOrderWithTheirKindsAndStyles)
{
    ConfigDialog dialog;
    ASSERT_TRUE(dialog.Open(""));
    const struct {
        int id;  // -1: a static text
        const char* className;
    } order[] = {
        {MainSeedBox, "Edit"},     {ResolutionList, "ComboBox"}, {WavesList, "ComboBox"},
        {MorphSpeedBar, "ScrollBar"}, {RoughnessBar, "ScrollBar"}, {ColorCyclingList, "ComboBox"},
        {SongPathBox, "Edit"},     {PreviewButton, "Button"},    {OkButton, "Button"},
        {CancelButton, "Button"},  {HelpButton, "Button"},       {WebButton, "Button"},
        {MorphSpeedBox, "Edit"},   {RoughnessBox, "Edit"},       {BrowseButton, "Button"},
        {-1, "Static"}, {-1, "Static"}, {-1, "Static"}, {-1, "Static"},
        {-1, "Static"}, {-1, "Static"}, {-1, "Static"}, {-1, "Static"},
        {LastSeedBox, "Edit"},
    };
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog.Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    ASSERT_EQ(children.size(), std::size(order));
    for (size_t i = 0; i < children.size(); ++i) {
        SCOPED_TRACE(i);
        char className[256] = "";
        GetClassNameA(children[i], className, sizeof className);
        EXPECT_STRCASEEQ(className, order[i].className);
        LONG style = GetWindowLongA(children[i], GWL_STYLE);
        if (order[i].id == -1) {
            EXPECT_EQ(style & WS_TABSTOP, 0);
        } else {
            EXPECT_EQ(GetDlgCtrlID(children[i]), order[i].id);
            EXPECT_NE(style & WS_TABSTOP, 0);
        }
    }
    for (int box : {MainSeedBox, MorphSpeedBox, RoughnessBox})
        EXPECT_NE(GetWindowLongA(dialog.Item(box), GWL_STYLE) & ES_NUMBER, 0) << box;
    EXPECT_NE(GetWindowLongA(dialog.Item(LastSeedBox), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(GetWindowLongA(dialog.Item(OkButton), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(configtest::Send(dialog.Item(MorphSpeedBox), EM_GETLIMITTEXT, 0, 0), 4);
    EXPECT_EQ(configtest::Send(dialog.Item(RoughnessBox), EM_GETLIMITTEXT, 0, 0), 4);
    EXPECT_EQ(dialog.Text(OkButton), "&OK");
    EXPECT_EQ(dialog.Text(PreviewButton), "Preview...");
    EXPECT_EQ(dialog.Text(HelpButton), "Help...");
    EXPECT_EQ(dialog.Text(BrowseButton), "...");
    std::string web = dialog.Text(WebButton);
    EXPECT_EQ(web.substr(0, web.find('\n')), "Visit us on the Web!");
    EXPECT_NE(web.find('\n'), std::string::npos) << "two lines: the greeting and the address";
    Close(dialog, CancelButton);
}

TEST_F(ConfigDialogWine, HelpOpensWithoutBlockingTheDialogAndClosesByOkOrCloseBox)
{
    ConfigDialog dialog;
    ASSERT_TRUE(dialog.Open(""));
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "OK");
        dialog.Click(HelpButton);
        HWND help = configtest::WaitForProcessWindow(dialog.ProcessId(), "Tarnovelle Help", WindowTimeoutMs);
        ASSERT_NE(help, nullptr);
        ASSERT_NE(GetDlgItem(help, IDOK), nullptr);
        EXPECT_EQ(configtest::WindowText(GetDlgItem(help, IDOK)), "OK");
        // The help has no owner: the settings dialog still works meanwhile.
        EXPECT_TRUE(IsWindowEnabled(dialog.Window()));
        dialog.Scroll(RoughnessBar, SB_LINERIGHT);
        EXPECT_EQ(dialog.Text(RoughnessBox), closeBox ? "2" : "1");
        if (closeBox)
            PostMessageA(help, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            PostMessageA(GetDlgItem(help, IDOK), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(help); }, WindowTimeoutMs));
        EXPECT_TRUE(IsWindowVisible(dialog.Window()));
    }
    Close(dialog, OkButton);
    EXPECT_EQ(Stored("Roughness"), "2");
}

TEST_F(ConfigDialogWine, HelpPageTextsStandAsWritten)
{
    ConfigDialog dialog;
    ASSERT_TRUE(dialog.Open(""));
    dialog.Click(HelpButton);
    HWND help = configtest::WaitForProcessWindow(dialog.ProcessId(), "Tarnovelle Help", WindowTimeoutMs);
    ASSERT_NE(help, nullptr);
    std::vector<std::string> texts;
    for (HWND child = GetWindow(help, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        texts.push_back(configtest::WindowText(child));
    auto has = [&](const std::string& text) { return std::find(texts.begin(), texts.end(), text) != texts.end(); };
    // The texts with quotes, apostrophes and a backslash, which a resource
    // script easily gets wrong, and the rest by their labels.
    EXPECT_TRUE(has("Specifies the speed which the waves will \"morph\" - changing from one waveform to another."));
    EXPECT_TRUE(has("Specifies how 'rough' the waves will be. Set to 0 for smooth waves, "
                    "set to 1000 for completely rough waves."));
    EXPECT_TRUE(has("Saves the display to %WINDIR%\\Tarnovelle.bmp. Shift-TAB saves display as Windows wallpaper."));
    EXPECT_TRUE(has("Key Commands"));
    for (const char* label : {"Main Seed", "Resolution", "Waves", "Roughness", "Morph Speed", "Color Cycling",
                              "MIDI Path", "ESC", "F1", "TAB"})
        EXPECT_TRUE(has(label)) << label;
    PostMessageA(GetDlgItem(help, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(help); }, WindowTimeoutMs));
    Close(dialog, CancelButton);
}

TEST_F(ConfigDialogWine, HiddenLastSeedBoxIsReadAgainWheneverTheDialogIsActivatedOrDeactivated)
{
    Store("LastSeed", "11");
    ConfigDialog dialog;
    ASSERT_TRUE(dialog.Open(""));
    EXPECT_EQ(dialog.Text(LastSeedBox), "11");
    Store("LastSeed", "9876");
    EXPECT_EQ(dialog.Text(LastSeedBox), "11");  // nothing polls the registry
    dialog.Click(HelpButton);                  // the help takes the activation
    HWND help = configtest::WaitForProcessWindow(dialog.ProcessId(), "Tarnovelle Help", WindowTimeoutMs);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return dialog.Text(LastSeedBox) == "9876"; }, ReactionTimeoutMs));
    Store("LastSeed", "-2");  // stored signed, shown unsigned
    PostMessageA(GetDlgItem(help, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return dialog.Text(LastSeedBox) == "4294967294"; }, ReactionTimeoutMs));
    EXPECT_FALSE(IsWindowVisible(dialog.Item(LastSeedBox)));
    Close(dialog, CancelButton);
}

TEST_F(ConfigDialogWine, FolderPickerSetsSongDirAndTheBoxOnlyWhenAFolderIsChosen)
{
    const char* const folder = "C:\\tarnovelle songs";
    ASSERT_TRUE(CreateDirectoryA(folder, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    Store("SongDir", "C:\\old songs");
    ConfigDialog dialog;
    ASSERT_TRUE(dialog.Open(""));
    for (bool choose : {false, true}) {
        SCOPED_TRACE(choose ? "chosen" : "cancelled");
        dialog.Click(BrowseButton);
        HWND picker = configtest::WaitForProcessWindow(dialog.ProcessId(), "Browse for Folder",
                                                       WindowTimeoutMs);
        ASSERT_NE(picker, nullptr);
        EXPECT_FALSE(IsWindowEnabled(dialog.Window())) << "the picker belongs to the dialog";
        if (choose) {
            ASSERT_TRUE(configtest::SelectPickerFolder(picker, {"Desktop", "My Computer", "(C:)", "tarnovelle songs"}));
        }
        PostMessageA(GetDlgItem(picker, choose ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(picker); }, WindowTimeoutMs));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(dialog.Window()); }, WindowTimeoutMs));
        EXPECT_EQ(dialog.Text(SongPathBox), choose ? folder : "C:\\old songs");
    }
    Close(dialog, OkButton);
    EXPECT_EQ(Stored("SongDir"), folder);
    RemoveDirectoryA(folder);
}

// The stand-in program that notes its command line beside itself.
std::string RecorderPath()
{
    return bench::BuildPath("tests/settings/tarnovelle_command_recorder.exe");
}

// Makes a program of the test the handler of http addresses for as long as it
// lives (the system's own handler; Wine reads no per-user one), then puts the
// previous handler back.
class HttpHandler {
public:
    explicit HttpHandler(const std::string& program)
    {
        hadOld = bench::ReadValue(HKEY_LOCAL_MACHINE, CommandKey, "", &oldType, &oldData);
        bench::WriteText(HKEY_LOCAL_MACHINE, CommandKey, "", "\"" + program + "\" \"%1\"");
    }
    ~HttpHandler()
    {
        if (hadOld)
            bench::WriteValue(HKEY_LOCAL_MACHINE, CommandKey, "", oldType, oldData.data(),
                              static_cast<DWORD>(oldData.size()));
    }
    HttpHandler(const HttpHandler&) = delete;
    HttpHandler& operator=(const HttpHandler&) = delete;

private:
    static constexpr const char* CommandKey = "Software\\Classes\\http\\shell\\open\\command";
    bool hadOld = false;
    DWORD oldType = REG_SZ;
    std::string oldData;
};

TEST_F(ConfigDialogWine, WebButtonOpensTheMakersHomePageInTheBrowser)
{
    const std::string browser = "C:\\tarnovelle-browser.exe";
    const std::string note = browser + ".ran.txt";
    ASSERT_TRUE(CopyFileA(RecorderPath().c_str(), browser.c_str(), FALSE));
    DeleteFileA(note.c_str());
    std::string opened;
    std::string label;
    {
        HttpHandler handler(browser);
        ConfigDialog dialog;
        ASSERT_TRUE(dialog.Open(""));
        label = dialog.Text(WebButton);
        dialog.Click(WebButton);
        EXPECT_TRUE(WaitUntil([&] { return bench::ReadFile(note, &opened) && !opened.empty(); }, ReactionTimeoutMs));
        Close(dialog, CancelButton);
    }
    DeleteFileA(browser.c_str());
    DeleteFileA(note.c_str());

    // The browser got the home page, and the button names that address.
    EXPECT_NE(opened.find("\"http://hollisfernby.example/\""), std::string::npos) << opened;
    EXPECT_EQ(label, "Visit us on the Web!\nhollisfernby.example");
}

// Preview from a copy of the program in a folder with blanks, with a decoy
// where the unquoted command would land (C:\Tarnovelle.exe).
struct PreviewFiles {
    const std::string folder = "C:\\Tarnovelle Test Dir";
    const std::string saver = folder + "\\Tarnovelle.scr";
    const std::string decoy = "C:\\Tarnovelle.exe";
    const std::string decoyNote = decoy + ".ran.txt";

    bool Place()
    {
        DeleteFileA(decoyNote.c_str());
        CreateDirectoryA(folder.c_str(), nullptr);
        return CopyFileA(bench::BuildPath("Tarnovelle.scr").c_str(), saver.c_str(), FALSE)
               && CopyFileA(RecorderPath().c_str(), decoy.c_str(), FALSE);
    }
    ~PreviewFiles()
    {
        DeleteFileA(saver.c_str());
        RemoveDirectoryA(folder.c_str());
        DeleteFileA(decoy.c_str());
        DeleteFileA(decoyNote.c_str());
    }
};

// Whether a run started directly writes the seed of its restart.
bool DirectRunWritesLastSeed(const std::string& seed)
{
    bench::ChildProcess run;
    if (!run.Start(bench::CommandLine(bench::BuildPath("Tarnovelle.scr"), "/s")))
        return false;
    bool written = WaitUntil(
        [&] {
            return bench::ReadText(HKEY_CURRENT_USER, Key, "LastSeed") == seed
                   || WaitForSingleObject(run.Handle(), 0) == WAIT_OBJECT_0;
        },
        10000);
    written = written && bench::ReadText(HKEY_CURRENT_USER, Key, "LastSeed") == seed;
    configtest::EndProcess(run.Id());
    return written;
}

TEST_F(ConfigDialogWine, PreviewSavesAndStartsThisProgramEvenFromAFolderWithBlanks)
{
    PreviewFiles files;
    ASSERT_TRUE(files.Place());
    Store("SongDir", "C:\\old songs");
    Store("LastSeed", "17");
    ConfigDialog dialog;
    ASSERT_TRUE(dialog.Open("", files.saver));
    EXPECT_EQ(dialog.Text(LastSeedBox), "17");
    dialog.SetText(MainSeedBox, "24680");
    dialog.Scroll(MorphSpeedBar, SB_THUMBTRACK, 12);
    dialog.SetText(SongPathBox, "C:\\typed, not confirmed");
    dialog.Click(PreviewButton);

    // Saved first, all but the path box, which only OK takes.
    EXPECT_TRUE(WaitUntil([&] { return Stored("MainSeed") == "24680"; }, ReactionTimeoutMs));
    EXPECT_EQ(Stored("MorphSpeed"), "12");
    EXPECT_EQ(Stored("SongDir"), "C:\\old songs");
    // The run's restart stores its seed, and the hidden box shows it. WinExec
    // returns once the run waits for input, after its restart, so the
    // dialog's reading a second later sees the seed (measured: the box shows
    // it 3 to 5 s after the save, the run still on the screen).
    bool runWroteSeed = WaitUntil([&] { return Stored("LastSeed") == "24680"; }, 15000);
    bool boxShowsSeed = runWroteSeed && WaitUntil([&] { return dialog.Text(LastSeedBox) == "24680"; }, 20000);
    configtest::EndChildProcesses(dialog.ProcessId());
    EXPECT_FALSE(bench::FileExists(files.decoyNote)) << "Preview started C:\\Tarnovelle.exe instead of itself";
    EXPECT_TRUE(IsWindowVisible(dialog.Window())) << "the dialog stays open";
    Close(dialog, CancelButton);
    EXPECT_EQ(Stored("MainSeed"), "24680");

    if (!runWroteSeed) {
        ASSERT_FALSE(DirectRunWritesLastSeed("24680"))
            << "Tarnovelle.scr /s writes LastSeed, but the run that Preview started did not";
        GTEST_SKIP() << "Tarnovelle.scr /s does not write LastSeed yet (its run mode is unfinished): "
                        "the preview run's seed and the hidden box after it are unchecked";
    }
    EXPECT_TRUE(boxShowsSeed);
}

TEST_F(ConfigDialogWine, EveryCommandLineButRunAndPreviewOpensTheDialog)
{
    for (const char* arguments : {"", "/c", "/c:1234", "/a", "/P", "/C"}) {
        SCOPED_TRACE(arguments);
        ConfigDialog dialog;
        ASSERT_TRUE(dialog.Open(arguments));
        Close(dialog, CancelButton);
    }
}

}  // namespace
