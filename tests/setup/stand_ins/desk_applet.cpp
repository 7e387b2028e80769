// Stand-in for the system's Display Properties applet (installed as the
// prefix's desk.cpl): a dialog titled "Display Properties" with a tab control,
// a list without the saver and, on its second page, a list holding
// "Tarnovelle". Records every message another process sends it to
// C:\display_properties.log, one per line, so the tests see the sequence.
#include <windows.h>
#include <commctrl.h>
#include <cpl.h>

#include <cstdarg>
#include <cstdio>

namespace {

HINSTANCE Module = nullptr;
HWND Page = nullptr;
WNDPROC TabProc = nullptr;
WNDPROC WallpaperProc = nullptr;
WNDPROC SaverListProc = nullptr;
bool Shown = false;

__attribute__((format(printf, 1, 2)))
void Record(const char* format, ...)
{
    FILE* log = std::fopen("C:\\display_properties.log", "ab");
    if (log == nullptr)
        return;
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(log, format, arguments);
    va_end(arguments);
    std::fputc('\n', log);
    std::fclose(log);
}

const char* NameOf(HWND dialog, HWND control)
{
    if (control == nullptr)
        return "0";
    if (control == GetDlgItem(dialog, 1200))
        return "wallpaper-list";
    if (Page != nullptr && control == GetDlgItem(Page, 1300))
        return "saver-list";
    return "other";
}

LRESULT CALLBACK TabSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == TCM_SETCURFOCUS && InSendMessage())
        Record("TCM_SETCURFOCUS %d", static_cast<int>(wParam));
    return CallWindowProcA(TabProc, window, message, wParam, lParam);
}

LRESULT ListMessage(WNDPROC original, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (InSendMessage()) {
        int id = GetDlgCtrlID(window);
        if (message == CB_FINDSTRINGEXACT)
            Record("CB_FINDSTRINGEXACT %d %d %s", id, static_cast<int>(wParam),
                   reinterpret_cast<const char*>(lParam));
        else if (message == CB_SETCURSEL)
            Record("CB_SETCURSEL %d %d", id, static_cast<int>(wParam));
    }
    return CallWindowProcA(original, window, message, wParam, lParam);
}

LRESULT CALLBACK WallpaperSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ListMessage(WallpaperProc, window, message, wParam, lParam);
}

LRESULT CALLBACK SaverListSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ListMessage(SaverListProc, window, message, wParam, lParam);
}

INT_PTR CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

void Fill(HWND list, const char* const* items, int count)
{
    for (int i = 0; i < count; ++i)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
    SendMessageA(list, CB_SETCURSEL, 0, 0);
}

void OnInitDialog(HWND dialog)
{
    HWND tab = GetDlgItem(dialog, 12320);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>("Background");
    SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.pszText = const_cast<char*>("Screen Saver");
    SendMessageA(tab, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));

    static const char* const wallpapers[] = {"(None)", "Clouds", "Tarnovelle Waves"};
    Fill(GetDlgItem(dialog, 1200), wallpapers, 3);

    Page = CreateDialogParamA(Module, MAKEINTRESOURCEA(2), dialog, PageProc, 0);
    SetWindowPos(Page, HWND_BOTTOM, 12, 40, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    static const char* const savers[] = {"(None)", "Blank Screen", "Tarnovelle", "Tarnovelle2"};
    Fill(GetDlgItem(Page, 1300), savers, 4);

    TabProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(tab, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TabSubclass)));
    WallpaperProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        GetDlgItem(dialog, 1200), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WallpaperSubclass)));
    SaverListProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        GetDlgItem(Page, 1300), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SaverListSubclass)));

    Record("opened");
    // The title last: a window with this title has all its children.
    SetWindowTextA(dialog, "Display Properties");
}

void OnTabChanged(HWND dialog)
{
    int current = static_cast<int>(SendDlgItemMessageA(dialog, 12320, TCM_GETCURSEL, 0, 0));
    ShowWindow(Page, current == 1 ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(dialog, 1200), current == 0 ? SW_SHOW : SW_HIDE);
}

INT_PTR CALLBACK SheetProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(TCN_SELCHANGE))
            OnTabChanged(dialog);
        return FALSE;
    case WM_COMMAND:
        if (InSendMessage())
            Record("WM_COMMAND %d %d %s", LOWORD(wParam), HIWORD(wParam),
                   NameOf(dialog, reinterpret_cast<HWND>(lParam)));
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            char chosen[64] = "";
            HWND list = GetDlgItem(Page, 1300);
            int index = static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
            if (index >= 0)
                SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(chosen));
            Record("closed %s %s", LOWORD(wParam) == IDOK ? "ok" : "cancel", chosen);
            EndDialog(dialog, LOWORD(wParam));
        }
        return TRUE;
    }
    return FALSE;
}

void ShowOnce(HWND parent)
{
    if (Shown)
        return;
    Shown = true;
    DialogBoxParamA(Module, MAKEINTRESOURCEA(1), parent, SheetProc, 0);
}

}  // namespace

extern "C" __declspec(dllexport) LONG APIENTRY CPlApplet(HWND parent, UINT message, LPARAM, LPARAM data)
{
    switch (message) {
    case CPL_INIT:
        InitCommonControls();
        return TRUE;
    case CPL_GETCOUNT:
        return 1;
    case CPL_INQUIRE: {
        auto* info = reinterpret_cast<CPLINFO*>(data);
        info->idIcon = CPL_DYNAMIC_RES;
        info->idName = CPL_DYNAMIC_RES;
        info->idInfo = CPL_DYNAMIC_RES;
        info->lData = 0;
        return 0;
    }
    case CPL_NEWINQUIRE: {
        auto* info = reinterpret_cast<NEWCPLINFOA*>(data);
        ZeroMemory(info, sizeof *info);
        info->dwSize = sizeof *info;
        lstrcpynA(info->szName, "Display", sizeof info->szName);
        lstrcpynA(info->szInfo, "Display Properties stand-in", sizeof info->szInfo);
        return 0;
    }
    case CPL_STARTWPARMSA:
    case CPL_STARTWPARMSW:
        ShowOnce(parent);
        return TRUE;
    case CPL_DBLCLK:
        ShowOnce(parent);
        return 0;
    }
    return 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        Module = instance;
    return TRUE;
}
