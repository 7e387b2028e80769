// The Morph Speed and Roughness boxes of the settings dialog: the subclass
// procedures that turn every key release into a value within the box's limits.
#pragma once
#include <windows.h>

// Sent by a box to the dialog after a key release changed the typed number:
// wParam holds the new value (already within the limits), lParam 0.
constexpr UINT RoughnessTypedMessage = WM_USER + 101;   // 1125
constexpr UINT MorphSpeedTypedMessage = WM_USER + 102;  // 1126

// The boxes' window procedures before the subclassing; every message is passed on.
extern WNDPROC MorphSpeedEditPrevious;
extern WNDPROC RoughnessEditPrevious;

LRESULT CALLBACK MorphSpeedEditProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK RoughnessEditProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

// Puts the procedures in front of the boxes' own.
void SubclassMorphSpeedBox(HWND box);
void SubclassRoughnessBox(HWND box);
