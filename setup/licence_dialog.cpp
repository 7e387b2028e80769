// LicenceDialogProc: the agreement's text, declining as the preset choice,
// and the two buttons.
#include "setup/licence_dialog.h"

#include "setup/dialog_table.h"
#include "setup/licence_text.h"
#include "setup/resource_ids.h"

namespace {

void OnInitDialog(HWND window, WPARAM, LPARAM)
{
    SetDlgItemTextA(window, IDC_LICENCE_TEXT, LicenceText);
    CheckDlgButton(window, IDC_DECLINE, BST_CHECKED);
}

void OnOk(HWND window)
{
    EndDialog(window, IsDlgButtonChecked(window, IDC_ACCEPT) == BST_CHECKED ? 1 : 0);
}

void OnCancel(HWND window)
{
    EndDialog(window, 0);
}

const CommandHandler Commands[] = {
    {IDOK, OnOk},
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

INT_PTR CALLBACK LicenceDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    RunMessageHandler(Handlers, window, message, wParam, lParam);
    return 0;
}
