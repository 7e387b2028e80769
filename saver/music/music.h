// The saver's music: the playlist scanned from the SongDir folder and its songs
// played one after the other, wrapping, through the MCI MIDI sequencer.
#pragma once
#include <windows.h>

#include <cstdint>

#include "saver/music/playlist.h"

// The sequencer device of the song that plays; 0 when none is held.
extern uint32_t SongDevice;

// Fills Playlist from the SongDir setting (one trailing backslash is removed
// from it in memory) and makes the first song current. An empty, missing or
// too long folder gives an empty playlist.
void ScanSongFolder();

// Opens the sequencer on path, checks its port and plays the whole song with
// notification to window. 0 on success (SongDevice is then the device), else
// the MCI error, with whatever was opened closed again.
uint32_t PlaySong(HWND window, const char* path);

// MM_MCINOTIFY from the sequencer: after a successful end (wParam 1) closes the
// device and plays the next song whose path fits, wrapping from the last to the
// first; any other wParam is ignored.
void OnSongNotify(HWND window, WPARAM wParam);

// The first song of a run: plays CurrentSong from SongDir (or the next one
// whose path fits). The MCI error; 0 when it started or there is no song.
uint32_t PlayCurrentSong(HWND window);
