// Playing the playlist through the MCI "sequencer": one device open at a time,
// the next song started when the sequencer reports a successful end.
#include <windows.h>
#include <mmsystem.h>

#include "saver/music/mci_entry.h"
#include "saver/music/music.h"
#include "saver/settings/settings.h"

MciSendCommandFunction MciSendCommandEntry = mciSendCommandA;
uint32_t SongDevice;

static void CloseDevice(MCIDEVICEID device)
{
    MciSendCommandEntry(device, MCI_CLOSE, 0, 0);
}

uint32_t PlaySong(HWND window, const char* path)
{
    MCI_OPEN_PARMSA open{};
    open.lpstrDeviceType = "sequencer";
    open.lpstrElementName = path;
    MCIERROR error = MciSendCommandEntry(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT,
                                         reinterpret_cast<DWORD_PTR>(&open));
    if (error != 0)
        return error;
    MCIDEVICEID device = open.wDeviceID;

    // Only the success of the query matters; the port it reports is not used.
    MCI_STATUS_PARMS status{};
    status.dwItem = MCI_SEQ_STATUS_PORT;
    error = MciSendCommandEntry(device, MCI_STATUS, MCI_STATUS_ITEM, reinterpret_cast<DWORD_PTR>(&status));
    if (error != 0) {
        CloseDevice(device);
        return error;
    }

    MCI_PLAY_PARMS play{};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(window);
    error = MciSendCommandEntry(device, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play));
    if (error != 0) {
        CloseDevice(device);
        return error;
    }
    SongDevice = device;
    return 0;
}

// Plays the first song from start on whose path fits; it becomes CurrentSong.
static uint32_t PlayFrom(HWND window, SongNode* start)
{
    char path[SongPathSize];
    SongNode* song = FindPlayableSong(start, SongDir, path, sizeof path);
    if (song == nullptr)
        return 0;
    CurrentSong = song;
    return PlaySong(window, path);
}

void OnSongNotify(HWND window, WPARAM wParam)
{
    if (wParam != MCI_NOTIFY_SUCCESSFUL)
        return;
    // The device whose song ended; a notification with no device held (never
    // sent by the sequencer) closes nothing.
    if (SongDevice != 0) {
        CloseDevice(SongDevice);
        SongDevice = 0;
    }
    if (CurrentSong == nullptr)
        return;
    PlayFrom(window, NextSongWrapping(CurrentSong));
}

uint32_t PlayCurrentSong(HWND window)
{
    if (CurrentSong == nullptr)
        return 0;
    return PlayFrom(window, CurrentSong);
}
