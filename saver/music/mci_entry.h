// The one way into the Media Control Interface. Tests replace MciSendCommandEntry
// with a fake to drive the sequencer's failures and its notifications.
#pragma once
#include <windows.h>
#include <mmsystem.h>

using MciSendCommandFunction = MCIERROR(WINAPI*)(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                                                 DWORD_PTR parameters);

extern MciSendCommandFunction MciSendCommandEntry;
