// The Display Properties callbacks on windows of the test's own, in this
// process: which window is found, which tab and list entry are chosen, what
// the dialog is sent and in which order, and the bounded search.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/display_properties.h"

namespace {

// What the test's windows were sent, in order.
std::vector<std::string> Sent;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    char name[64];
    GetWindowTextA(window, name, sizeof name);
    if (message == WM_COMMAND) {
        char className[64] = "none";
        if (lParam != 0)
            GetClassNameA(reinterpret_cast<HWND>(lParam), className, sizeof className);
        Sent.push_back(std::string(name) + " WM_COMMAND " + std::to_string(LOWORD(wParam)) + " "
                       + std::to_string(HIWORD(wParam)) + " " + className);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

WNDPROC ComboProc = nullptr;
WNDPROC TabProc = nullptr;

LRESULT CALLBACK ComboSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CB_SETCURSEL)
        Sent.push_back("CB_SETCURSEL " + std::to_string(GetDlgCtrlID(window)) + " " + std::to_string(wParam));
    if (message == CB_FINDSTRINGEXACT)
        Sent.push_back("CB_FINDSTRINGEXACT " + std::to_string(GetDlgCtrlID(window)));
    return CallWindowProcA(ComboProc, window, message, wParam, lParam);
}

LRESULT CALLBACK TabSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == TCM_SETCURFOCUS) {
        char name[64];
        GetWindowTextA(GetParent(window), name, sizeof name);
        Sent.push_back(std::string(name) + " TCM_SETCURFOCUS " + std::to_string(wParam));
    }
    return CallWindowProcA(TabProc, window, message, wParam, lParam);
}

struct DisplayPropertiesWine : ::testing::Test {
    static void SetUpTestSuite()
    {
        InitCommonControls();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = RecordingProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "TestSheet";
        RegisterClassA(&windowClass);
    }

    void SetUp() override
    {
        Sent.clear();
        DisplayPropertiesWindow = nullptr;
        DisplayTabControl = nullptr;
        SaverEntryChosen = false;
    }

    void TearDown() override
    {
        for (HWND window : windows)
            DestroyWindow(window);
    }

    HWND Sheet(const char* title)
    {
        HWND window = CreateWindowExA(0, "TestSheet", title, WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        windows.push_back(window);
        return window;
    }

    HWND Child(HWND parent, const char* className, int id)
    {
        return CreateWindowExA(0, className, "", WS_CHILD | (lstrcmpA(className, "ComboBox") == 0 ? CBS_DROPDOWNLIST | CBS_HASSTRINGS : 0),
                               0, 0, 100, 100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
    }

    HWND Tab(HWND parent)
    {
        HWND tab = Child(parent, "SysTabControl32", 12320);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>("One");
        SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.pszText = const_cast<char*>("Two");
        SendMessageA(tab, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));
        TabProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(tab, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TabSubclass)));
        return tab;
    }

    HWND List(HWND parent, int id, std::initializer_list<const char*> items)
    {
        HWND list = Child(parent, "ComboBox", id);
        for (const char* item : items)
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        ComboProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ComboSubclass)));
        return list;
    }

    std::vector<HWND> windows;
};

TEST_F(DisplayPropertiesWine, TheTopmostTitleInAnyCaseIsFoundAndSwitchedToTab1)
{
    HWND lower = Sheet("older");
    Tab(lower);
    SetWindowTextA(lower, "Display Properties");
    HWND upper = Sheet("newer");
    Tab(upper);
    SetWindowTextA(upper, "display properties");
    SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Sheet("Display Properties 2");  // not the whole title

    EnumWindows(FindDisplayProperties, 0);
    EXPECT_EQ(DisplayPropertiesWindow, upper);
    EXPECT_NE(DisplayTabControl, nullptr);
    EXPECT_EQ(Sent, (std::vector<std::string>{"display properties TCM_SETCURFOCUS 1"}));
    EXPECT_EQ(SendMessageA(GetDlgItem(upper, 12320), TCM_GETCURFOCUS, 0, 0), 1);
    EXPECT_EQ(SendMessageA(GetDlgItem(lower, 12320), TCM_GETCURFOCUS, 0, 0), 0);
}

TEST_F(DisplayPropertiesWine, ListsWithoutTheEntryArePassedOverAndTheFirstHolderIsChosenOnce)
{
    HWND sheet = Sheet("Sheet");
    Tab(sheet);
    List(sheet, 1200, {"(None)", "Clouds", "Tarnovelle Waves"});
    HWND page = Child(sheet, "Static", 500);     // a page holding a page holding the list
    HWND inner = Child(page, "Static", 501);
    HWND saverList = List(inner, 1300, {"(None)", "Blank", "Tarnovelle", "Zebra"});
    List(sheet, 1400, {"Tarnovelle"});           // after the chosen one: never searched
    DisplayPropertiesWindow = sheet;

    EnumChildWindows(sheet, SelectSaverEntry, 0);
    EXPECT_TRUE(SaverEntryChosen);
    EXPECT_EQ(Sent, (std::vector<std::string>{
        "CB_FINDSTRINGEXACT 1200",
        "CB_FINDSTRINGEXACT 1300",
        "CB_SETCURSEL 1300 2",
        "Sheet WM_COMMAND 1300 9 ComboBox",
        "Sheet WM_COMMAND 1 0 none",
    }));
    EXPECT_EQ(SendMessageA(saverList, CB_GETCURSEL, 0, 0), 2);
}

TEST_F(DisplayPropertiesWine, WithoutAHolderNothingIsSelectedOrPressed)
{
    HWND sheet = Sheet("Sheet");
    List(sheet, 1200, {"(None)", "Tarnovelle2"});
    DisplayPropertiesWindow = sheet;
    EnumChildWindows(sheet, SelectSaverEntry, 0);
    EXPECT_FALSE(SaverEntryChosen);
    EXPECT_EQ(Sent, (std::vector<std::string>{"CB_FINDSTRINGEXACT 1200"}));
}

TEST_F(DisplayPropertiesWine, TheWholeStepDrivesAFoundDialogAndSkipsOneWithoutTabs)
{
    HWND sheet = Sheet("Display Properties");
    Tab(sheet);
    List(sheet, 1300, {"(None)", "Tarnovelle"});
    DWORD start = GetTickCount();
    ChooseSaverInDisplayProperties(3000);
    EXPECT_LT(GetTickCount() - start, 1500u);
    EXPECT_EQ(DisplayPropertiesWindow, sheet);
    EXPECT_EQ(Sent, (std::vector<std::string>{
        "Display Properties TCM_SETCURFOCUS 1",
        "CB_FINDSTRINGEXACT 1300",
        "CB_SETCURSEL 1300 1",
        "Display Properties WM_COMMAND 1300 9 ComboBox",
        "Display Properties WM_COMMAND 1 0 none",
    }));

    // A window of that title without a tab control: found, left alone.
    DestroyWindow(sheet);
    windows.clear();
    SetUp();
    HWND bare = Sheet("Display Properties");
    List(bare, 1300, {"(None)", "Tarnovelle"});
    ChooseSaverInDisplayProperties(3000);
    EXPECT_EQ(DisplayPropertiesWindow, bare);
    EXPECT_TRUE(Sent.empty());
}

// No window of that title ever appears (as on current Windows and Wine): the
// search gives up after its bound and leaves everything as it was.
TEST_F(DisplayPropertiesWine, TheSearchEndsAfterItsBound)
{
    DWORD start = GetTickCount();
    ChooseSaverInDisplayProperties(1000);
    DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 1000u);
    EXPECT_LT(elapsed, 3000u);
    EXPECT_EQ(DisplayPropertiesWindow, nullptr);
    EXPECT_TRUE(Sent.empty());
}

}  // namespace
