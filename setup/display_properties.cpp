// Display Properties automation: three enumeration callbacks and the bounded
// search that uses them. The dialog runs in a process of its own; every
// message to it is sent, so each waits until the dialog has handled it.
#include "setup/display_properties.h"

#include "setup/setup_names.h"
#include "setup/text_match.h"

HWND DisplayPropertiesWindow = nullptr;
HWND DisplayTabControl = nullptr;
bool SaverEntryChosen = false;

namespace {

// TCM_SETCURFOCUS: gives a tab the focus and shows its page.
constexpr UINT SetTabFocusMessage = 0x1330;
constexpr WPARAM ScreenSaverTab = 1;

bool ClassIs(HWND window, const char* className)
{
    char name[256];
    if (GetClassNameA(window, name, sizeof name) == 0)
        name[0] = '\0';
    return SameTextIgnoringAsciiCase(name, className);
}

}  // namespace

BOOL CALLBACK FindDisplayProperties(HWND window, LPARAM)
{
    char title[256];
    if (GetWindowTextA(window, title, sizeof title) == 0)
        title[0] = '\0';
    if (!SameTextIgnoringAsciiCase(title, "Display Properties"))
        return TRUE;
    EnumChildWindows(window, SelectScreenSaverTab, 0);
    DisplayPropertiesWindow = window;
    return FALSE;
}

BOOL CALLBACK SelectScreenSaverTab(HWND window, LPARAM)
{
    if (!ClassIs(window, "SysTabControl32"))
        return TRUE;
    DisplayTabControl = window;
    SendMessageA(window, SetTabFocusMessage, ScreenSaverTab, 0);
    return FALSE;
}

BOOL CALLBACK SelectSaverEntry(HWND window, LPARAM)
{
    if (!ClassIs(window, "COMBOBOX")) {
        EnumChildWindows(window, SelectSaverEntry, 0);
        return SaverEntryChosen ? FALSE : TRUE;
    }
    // wParam 0: the search starts after item 0 and wraps round to it.
    LRESULT index = SendMessageA(window, CB_FINDSTRINGEXACT, 0, reinterpret_cast<LPARAM>(ProductName));
    if (index == CB_ERR)
        return TRUE;
    SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    WORD controlId = static_cast<WORD>(GetWindowLongA(window, GWL_ID) & 0xFFFF);
    SendMessageA(DisplayPropertiesWindow, WM_COMMAND, MAKEWPARAM(controlId, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(window));
    Sleep(50);
    SendMessageA(DisplayPropertiesWindow, WM_COMMAND, IDOK, 0);
    SaverEntryChosen = true;
    return FALSE;
}

void ChooseSaverInDisplayProperties(DWORD waitMs)
{
    WinExec("rundll32.exe shell32.dll,Control_RunDLL desk.cpl", SW_SHOW);
    // The search gives up after waitMs: where no window of that title ever
    // appears, the setting stays as it was and the install goes on.
    DisplayPropertiesWindow = nullptr;
    DWORD start = GetTickCount();
    do {
        Sleep(50);
        EnumWindows(FindDisplayProperties, 0);
    } while (DisplayPropertiesWindow == nullptr && GetTickCount() - start < waitMs);
    if (DisplayPropertiesWindow != nullptr && DisplayTabControl != nullptr) {
        SaverEntryChosen = false;
        EnumChildWindows(DisplayPropertiesWindow, SelectSaverEntry, 0);
    }
    Sleep(50);
}
