// ScanSongFolder: the folder search that fills the playlist from SongDir.
#include <windows.h>

#include "saver/music/music.h"
#include "saver/settings/settings.h"

void ScanSongFolder()
{
    char pattern[SongPathSize];
    if (!BeginSongScan(SongDir, pattern, sizeof pattern))
        return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        // cFileName always ends within its MAX_PATH characters.
        AddFoundFile(SongDir, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    FinishSongScan();
}
