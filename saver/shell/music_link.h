// The saver's calls into its music, in one place: the playlist scan, the
// first song, the song-end notification and the name of the song that plays.
// A build without the music room links these as silent stand-ins.
#pragma once
#include <windows.h>

void ScanSongs();
void StartFirstSong(HWND window);
void NotifySong(HWND window, WPARAM wParam);
// Null when no song plays.
const char* PlayingSongName();
