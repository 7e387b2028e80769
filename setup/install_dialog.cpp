// RunInstall and InstallDialogProc: the licence first, then the three
// choices, and on Install the worker with its final message. Everything runs
// on the one thread inside the Install handler.
#include "setup/install_dialog.h"

#include <commctrl.h>

#include "setup/command_lines.h"
#include "setup/dialog_table.h"
#include "setup/install_files.h"
#include "setup/instance.h"
#include "setup/licence_dialog.h"
#include "setup/resource_ids.h"
#include "setup/setup_names.h"
#include "setup/show_message.h"
#include "setup/start_program.h"

HFONT TitleFont = nullptr;

namespace {

void OnInitDialog(HWND window, WPARAM, LPARAM)
{
    SendDlgItemMessageA(window, IDC_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(TitleFont), TRUE);
    SendDlgItemMessageA(window, IDC_PROGRESS, PBM_SETRANGE, 0, MAKELPARAM(0, 1000));
    CheckDlgButton(window, IDC_MAKE_DEFAULT, BST_CHECKED);
    CheckDlgButton(window, IDC_START_MENU, BST_CHECKED);
    // The install dialog is not visible yet, so the agreement shows alone;
    // declined or cancelled, the install dialog ends before it is ever seen.
    if (DialogBoxParamA(SetupInstance, MAKEINTRESOURCEA(IDD_LICENCE), nullptr, LicenceDialogProc, 0) == 0)
        EndDialog(window, 0);
}

void ShowProgressBar(HWND window)
{
    HWND bar = GetDlgItem(window, IDC_PROGRESS);
    SendMessageA(bar, WM_SHOWWINDOW, 1, 0);
    ShowWindow(bar, SW_SHOW);
    UpdateWindow(bar);
}

void ReadChoices(HWND window)
{
    MakeDefault = IsDlgButtonChecked(window, IDC_MAKE_DEFAULT) == BST_CHECKED ? 1 : 0;
    RunAfterInstall = IsDlgButtonChecked(window, IDC_RUN_AFTER) == BST_CHECKED ? 1 : 0;
    AddToStartMenu = IsDlgButtonChecked(window, IDC_START_MENU) == BST_CHECKED ? 1 : 0;
}

// After a failure the installer's copy uninstalls silently what was done.
// The path is quoted, since the Windows directory may hold spaces.
void StartCleanUp()
{
    char command[2048];
    if (SetupCopyPath[0] != '\0' && FormatCleanupCommand(command, sizeof command, SetupCopyPath))
        StartProgram(command);
}

void OnInstall(HWND window)
{
    ShowMessage("Try pressing the F1 Key while Tarnovelle is running to get different colors!");
    ShowProgressBar(window);
    SetProgress(window, 100);
    ReadChoices(window);
    if (InstallFiles(window) != 0) {
        StartCleanUp();
        SetProgress(window, 1000);
        ShowMessage("Errors occurred.\n%s was not successfully installed", ProductName);
    } else {
        SetProgress(window, 1000);
        ShowMessage("%s was successfully installed", ProductName);
    }
    EndDialog(window, 1);
}

void OnCancel(HWND window)
{
    EndDialog(window, 0);
}

const CommandHandler Commands[] = {
    {IDOK, OnInstall},
    {IDCANCEL, OnCancel},
};

void OnCommand(HWND window, WPARAM wParam, LPARAM)
{
    RunCommandHandler(Commands, window, wParam);
}

const MessageHandler Handlers[] = {
    {WM_INITDIALOG, OnInitDialog},
    {WM_COMMAND, OnCommand},
};

}  // namespace

void RunInstall()
{
    InitCommonControls();
    TitleFont = CreateFontA(30, 0, 0, 0, 800, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, "Arial");
    DialogBoxParamA(SetupInstance, MAKEINTRESOURCEA(IDD_INSTALL), nullptr, InstallDialogProc, 0);
    if (TitleFont != nullptr)
        DeleteObject(TitleFont);
    TitleFont = nullptr;
}

INT_PTR CALLBACK InstallDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageOwner = window;
    RunMessageHandler(Handlers, window, message, wParam, lParam);
    return 0;
}
