// Identifiers of the installer's resources and dialog controls, shared by
// setup.rc and the dialog procedures.
#pragma once

// Resources.
#define IDD_INSTALL 101
#define IDB_PICTURE 102
#define IDD_LICENCE 120
#define IDR_SAVER 137

// Install dialog 101 (the buttons are IDOK "Install" and IDCANCEL "Cancel").
#define IDC_TITLE 1000
#define IDC_PROGRESS 1001
#define IDC_PICTURE 1002
#define IDC_MAKE_DEFAULT 1003
#define IDC_RUN_AFTER 1004
#define IDC_START_MENU 1005

// Licence dialog 120 (the buttons are IDOK and IDCANCEL).
#define IDC_ACCEPT 1004
#define IDC_DECLINE 1005
#define IDC_LICENCE_TEXT 1006
