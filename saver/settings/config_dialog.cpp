// The settings dialog: a table of short handlers over the process-wide
// Settings. OK and Preview save; Cancel and the close box save nothing.
#include "saver/settings/config_dialog.h"

#include <shellapi.h>

#include <cstdio>

#include "saver/display/mode_list.h"
#include "saver/resources/resource_ids.h"
#include "saver/settings/config_rules.h"
#include "saver/settings/folder_picker.h"
#include "saver/settings/help_dialog.h"
#include "saver/settings/registry.h"
#include "saver/settings/settings.h"
#include "saver/settings/settings_store.h"
#include "saver/settings/value_boxes.h"

namespace {

HINSTANCE DialogInstance;

// How long Preview waits for the run it started to write its "LastSeed".
constexpr DWORD PreviewSettleMs = 1000;

const char* const ColorCycleNames[] = {"None", "Morphing", "Cycling", "Cycle+Morph"};

LRESULT SendItem(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

void AddItem(HWND dialog, int id, const char* text)
{
    SendItem(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

int32_t SelectedItem(HWND dialog, int id)
{
    return static_cast<int32_t>(SendItem(dialog, id, CB_GETCURSEL, 0, 0));
}

int32_t UnsignedItem(HWND dialog, int id)
{
    return static_cast<int32_t>(GetDlgItemInt(dialog, id, nullptr, FALSE));
}

void ShowLastSeed(HWND dialog)
{
    LastSeed = static_cast<uint32_t>(RegReadInt(SettingsRoot, SettingsKey, "LastSeed", 0));
    SetDlgItemInt(dialog, CONTROL_LAST_SEED, LastSeed, FALSE);
}

// A value box and its scroll bar, both showing value.
void ShowValue(HWND dialog, int boxId, int barId, int32_t value)
{
    SetScrollPos(GetDlgItem(dialog, barId), SB_CTL, value, TRUE);
    SetDlgItemInt(dialog, boxId, static_cast<UINT>(value), FALSE);
}

void SetUpValueBox(HWND dialog, int boxId, int barId, int32_t value, NumberLimits range)
{
    SendItem(dialog, boxId, EM_LIMITTEXT, 4, 0);
    SetDlgItemInt(dialog, boxId, static_cast<UINT>(value), FALSE);
    HWND bar = GetDlgItem(dialog, barId);
    SetScrollRange(bar, SB_CTL, range.low, range.high, FALSE);
    SetScrollPos(bar, SB_CTL, value, TRUE);
}

void FillResolutions(HWND dialog)
{
    // The same list, in the same order, as the load chose the mode from, so
    // that an item's index is the mode's position.
    BuildModeList();
    for (DisplayMode* mode = FirstMode(); mode != nullptr; mode = NextMode())
        AddItem(dialog, CONTROL_RESOLUTION, mode->text);
    SendItem(dialog, CONTROL_RESOLUTION, CB_SETCURSEL, static_cast<WPARAM>(Resolution), 0);
}

void FillWaves(HWND dialog)
{
    for (int waves = UseCurvesLimits.low; waves <= UseCurvesLimits.high; ++waves) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", waves);
        AddItem(dialog, CONTROL_WAVES, text);
    }
    SendItem(dialog, CONTROL_WAVES, CB_SETCURSEL, static_cast<WPARAM>(UseCurves - UseCurvesLimits.low), 0);
}

void FillColorCycling(HWND dialog)
{
    for (const char* name : ColorCycleNames)
        AddItem(dialog, CONTROL_COLOR_CYCLING, name);
    SendItem(dialog, CONTROL_COLOR_CYCLING, CB_SETCURSEL, static_cast<WPARAM>(ColorCycleMode), 0);
}

// Everything but the song path, which only OK takes from its box.
void ReadControls(HWND dialog)
{
    MainSeed = GetDlgItemInt(dialog, CONTROL_MAIN_SEED, nullptr, FALSE);  // 0 when empty
    Resolution = SelectedItem(dialog, CONTROL_RESOLUTION);
    UseCurves = SelectedItem(dialog, CONTROL_WAVES) + UseCurvesLimits.low;
    MorphSpeed = UnsignedItem(dialog, CONTROL_MORPH_SPEED_BOX);
    Roughness = UnsignedItem(dialog, CONTROL_ROUGHNESS_BOX);
    ColorCycleMode = SelectedItem(dialog, CONTROL_COLOR_CYCLING);
}

// Starts this program again for a preview run. The module path is quoted: the
// program may live in a folder with blanks in its name, and WinExec would then
// start whatever program the text before the first blank names. A path that
// did not fit its buffer is cut off, and is never run either.
void StartPreviewRun()
{
    char modulePath[PathBufferSize];
    DWORD length = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
    if (length == 0 || length >= sizeof modulePath)
        return;
    char command[PathBufferSize + 8];
    if (FormatPreviewCommand(command, sizeof command, modulePath))
        WinExec(command, SW_SHOW);
}

// Buttons, by control id.

void OnOk(HWND dialog)
{
    ReadControls(dialog);
    GetDlgItemTextA(dialog, CONTROL_SONG_PATH, SongDir, sizeof SongDir);
    SaveSettings();
    EndDialog(dialog, 1);
}

void OnCancel(HWND dialog)
{
    EndDialog(dialog, 1);
}

void OnPreview(HWND dialog)
{
    ReadControls(dialog);
    SaveSettings();
    StartPreviewRun();
    Sleep(PreviewSettleMs);
    ShowLastSeed(dialog);
}

void OnBrowse(HWND dialog)
{
    char path[PathBufferSize];
    if (!BrowseForSongFolder(dialog, path))
        return;
    std::snprintf(SongDir, sizeof SongDir, "%s", path);
    SetDlgItemTextA(dialog, CONTROL_SONG_PATH, SongDir);
}

void OnHelp(HWND)
{
    // No owner: the settings dialog stays usable while the help is open.
    DialogBoxParamA(DialogInstance, MAKEINTRESOURCEA(DIALOG_HELP), nullptr, HelpDialogProc, 0);
}

void OnWeb(HWND dialog)
{
    ShellExecuteA(dialog, "open", MAKER_HOME_PAGE, nullptr, nullptr, SW_SHOW);
}

struct CommandRoute {
    int id;
    void (*handler)(HWND dialog);
};

const CommandRoute CommandRoutes[] = {
    {IDOK, OnOk},
    {IDCANCEL, OnCancel},
    {CONTROL_PREVIEW, OnPreview},
    {CONTROL_BROWSE, OnBrowse},
    {CONTROL_HELP, OnHelp},
    {CONTROL_WEB, OnWeb},
};

// Messages.

INT_PTR OnInitDialog(HWND dialog, WPARAM, LPARAM)
{
    SetDlgItemInt(dialog, CONTROL_MAIN_SEED, MainSeed, FALSE);
    ShowLastSeed(dialog);
    FillResolutions(dialog);
    FillWaves(dialog);
    SetUpValueBox(dialog, CONTROL_MORPH_SPEED_BOX, CONTROL_MORPH_SPEED_BAR, MorphSpeed, MorphSpeedScroll.limits);
    SubclassMorphSpeedBox(GetDlgItem(dialog, CONTROL_MORPH_SPEED_BOX));
    SetUpValueBox(dialog, CONTROL_ROUGHNESS_BOX, CONTROL_ROUGHNESS_BAR, Roughness, RoughnessScroll.limits);
    SubclassRoughnessBox(GetDlgItem(dialog, CONTROL_ROUGHNESS_BOX));
    FillColorCycling(dialog);
    SetDlgItemTextA(dialog, CONTROL_SONG_PATH, SongDir);
    return TRUE;
}

// A preview run writes a new "LastSeed"; the dialog shows it whenever it
// comes back to the front (and whenever it goes).
INT_PTR OnActivate(HWND dialog, WPARAM, LPARAM)
{
    ShowLastSeed(dialog);
    return FALSE;
}

INT_PTR OnCommand(HWND dialog, WPARAM wParam, LPARAM)
{
    for (const CommandRoute& route : CommandRoutes) {
        if (route.id == LOWORD(wParam)) {
            route.handler(dialog);
            break;
        }
    }
    return FALSE;
}

INT_PTR OnHScroll(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    uint32_t code = LOWORD(wParam);
    uint32_t thumb = HIWORD(wParam);
    switch (GetDlgCtrlID(reinterpret_cast<HWND>(lParam))) {
    case CONTROL_ROUGHNESS_BAR:
        Roughness = ScrolledValue(Roughness, code, thumb, RoughnessScroll);
        ShowValue(dialog, CONTROL_ROUGHNESS_BOX, CONTROL_ROUGHNESS_BAR, Roughness);
        break;
    case CONTROL_MORPH_SPEED_BAR:
        MorphSpeed = ScrolledValue(MorphSpeed, code, thumb, MorphSpeedScroll);
        ShowValue(dialog, CONTROL_MORPH_SPEED_BOX, CONTROL_MORPH_SPEED_BAR, MorphSpeed);
        break;
    default:
        break;
    }
    return TRUE;
}

// A number typed into a value box: value, box and bar take it, and the caret
// stays where the user left it.
void TakeTypedValue(HWND dialog, int boxId, int barId, int32_t* value, NumberLimits limits, WPARAM typed)
{
    DWORD start = 0;
    DWORD end = 0;
    SendItem(dialog, boxId, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    *value = HoldToLimits(static_cast<int32_t>(typed), limits);
    ShowValue(dialog, boxId, barId, *value);
    SendItem(dialog, boxId, EM_SETSEL, start, static_cast<LPARAM>(end));
}

INT_PTR OnRoughnessTyped(HWND dialog, WPARAM wParam, LPARAM)
{
    TakeTypedValue(dialog, CONTROL_ROUGHNESS_BOX, CONTROL_ROUGHNESS_BAR, &Roughness, RoughnessScroll.limits, wParam);
    return FALSE;
}

INT_PTR OnMorphSpeedTyped(HWND dialog, WPARAM wParam, LPARAM)
{
    TakeTypedValue(dialog, CONTROL_MORPH_SPEED_BOX, CONTROL_MORPH_SPEED_BAR, &MorphSpeed,
                   MorphSpeedScroll.limits, wParam);
    return FALSE;
}

struct MessageRoute {
    UINT message;
    INT_PTR (*handler)(HWND dialog, WPARAM wParam, LPARAM lParam);
};

const MessageRoute MessageRoutes[] = {
    {WM_INITDIALOG, OnInitDialog},
    {WM_ACTIVATE, OnActivate},
    {WM_COMMAND, OnCommand},
    {WM_HSCROLL, OnHScroll},
    {RoughnessTypedMessage, OnRoughnessTyped},
    {MorphSpeedTypedMessage, OnMorphSpeedTyped},
};

}  // namespace

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const MessageRoute& route : MessageRoutes) {
        if (route.message == message)
            return route.handler(dialog, wParam, lParam);
    }
    return FALSE;
}

int RunConfiguration(HINSTANCE instance)
{
    DialogInstance = instance;
    DialogBoxParamA(instance, MAKEINTRESOURCEA(DIALOG_CONFIGURATION), nullptr, ConfigDialogProc, 0);
    return 0;
}
