// The playlist's portable rules: names, bounded paths, the scan's bookkeeping
// and the walk from one song to the next.
#include "saver/music/playlist.h"

#include <cstdio>
#include <cstring>
#include <new>

NodeList Playlist;
SongNode* CurrentSong;

static SongNode* AsSong(ListNode* node)
{
    return static_cast<SongNode*>(node);
}

const char* CurrentSongName()
{
    return CurrentSong == nullptr ? nullptr : CurrentSong->name;
}

void ClearPlaylist()
{
    DeleteAllNodes<SongNode>(Playlist);
    CurrentSong = nullptr;
}

void UpperCaseName(char* name)
{
    for (char* p = name; *p != '\0'; ++p) {
        if (*p >= 'a' && *p <= 'z')
            *p = static_cast<char>(*p - 'a' + 'A');
    }
}

bool IsSongName(const char* upperCasedName)
{
    return std::strstr(upperCasedName, ".MID") != nullptr;
}

// The result of snprintf into a fixed buffer: what does not fit whole is
// refused, never truncated, and leaves the buffer empty.
static bool Whole(int length, char* out, std::size_t size)
{
    if (length >= 0 && static_cast<std::size_t>(length) < size)
        return true;
    if (size > 0)
        out[0] = '\0';
    return false;
}

bool FormatSearchPattern(char* pattern, std::size_t size, const char* folder)
{
    return Whole(std::snprintf(pattern, size, "%s\\*.*", folder), pattern, size);
}

bool FormatSongPath(char* path, std::size_t size, const char* folder, const char* name)
{
    return Whole(std::snprintf(path, size, "%s\\%s", folder, name), path, size);
}

bool BeginSongScan(char* folder, char* pattern, std::size_t patternSize)
{
    ClearPlaylist();
    if (patternSize > 0)
        pattern[0] = '\0';
    std::size_t length = std::strlen(folder);
    if (length == 0)
        return false;
    if (folder[length - 1] == '\\')
        folder[length - 1] = '\0';
    return FormatSearchPattern(pattern, patternSize, folder);
}

bool AddFoundFile(const char* folder, bool isDirectory, char* name)
{
    if (isDirectory)
        return false;
    UpperCaseName(name);
    if (!IsSongName(name))
        return false;
    // A song that could never be started (its path would not fit) is left out.
    char path[SongPathSize];
    if (!FormatSongPath(path, sizeof path, folder, name))
        return false;
    SongNode* song = new (std::nothrow) SongNode{};
    if (song == nullptr)
        return false;
    std::snprintf(song->name, sizeof song->name, "%s", name);
    Playlist.Append(song);
    return true;
}

void FinishSongScan()
{
    CurrentSong = AsSong(Playlist.head);
}

SongNode* NextSongWrapping(SongNode* song)
{
    if (song == nullptr)
        return nullptr;
    ListNode* next = NodeList::Next(song);
    return AsSong(next != nullptr ? next : Playlist.head);
}

SongNode* FindPlayableSong(SongNode* start, const char* folder, char* path, std::size_t size)
{
    SongNode* song = start;
    for (int32_t tried = 0; song != nullptr && tried < Playlist.Count(); ++tried) {
        if (FormatSongPath(path, size, folder, song->name))
            return song;
        song = NextSongWrapping(song);
    }
    if (size > 0)
        path[0] = '\0';
    return nullptr;
}
