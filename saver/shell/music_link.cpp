// Forwards to the music room (saver/music) when the build has it.
#include "saver/shell/music_link.h"

#ifdef TARNOVELLE_HAVE_MUSIC
#include "saver/music/music.h"

void ScanSongs()
{
    ScanSongFolder();
}

void StartFirstSong(HWND window)
{
    PlayCurrentSong(window);  // a song that fails to start is ignored
}

void NotifySong(HWND window, WPARAM wParam)
{
    OnSongNotify(window, wParam);
}

const char* PlayingSongName()
{
    return CurrentSongName();
}
#else
void ScanSongs() {}
void StartFirstSong(HWND) {}
void NotifySong(HWND, WPARAM) {}
const char* PlayingSongName()
{
    return nullptr;
}
#endif
