// The MIDI playlist: song nodes kept in the order the folder search returns
// them, the song that plays, and the bounded name and path rules. Portable: the
// folder search and the sequencer live in song_scan.cpp and playback.cpp.
#pragma once
#include <cstddef>
#include <cstdint>

#include "saver/display/node_list.h"

constexpr std::size_t SongPathSize = 260;  // every song name and path buffer, terminator included

struct SongNode : ListNode {
    char name[SongPathSize];  // bare file name, upper-cased, without the folder
};

extern NodeList Playlist;
extern SongNode* CurrentSong;  // the song that plays (or plays first); null when none

// CurrentSong's name; null when there is no song.
const char* CurrentSongName();

// Frees the nodes of an earlier scan, empties the list and forgets CurrentSong.
void ClearPlaylist();

// a-z become A-Z; every other byte, non-ASCII ones included, stays as it is.
void UpperCaseName(char* name);

// A song is a file whose upper-cased name holds ".MID" anywhere.
bool IsSongName(const char* upperCasedName);

// "%s\\*.*" of the folder; false (and an empty pattern) when it does not fit.
bool FormatSearchPattern(char* pattern, std::size_t size, const char* folder);

// "%s\\%s" of folder and name; false (and an empty path) when it does not fit:
// a path is never truncated.
bool FormatSongPath(char* path, std::size_t size, const char* folder, const char* name);

// Starts a scan of folder: clears the playlist, removes one trailing backslash
// from folder in place, and formats the search pattern. False when there is
// nothing to search: an empty folder, or one whose pattern does not fit.
bool BeginSongScan(char* folder, char* pattern, std::size_t patternSize);

// One entry of the folder search: unless it is a directory, upper-cases name in
// place and, when it is a song whose full path fits SongPathSize, appends a node
// for it. True when the song was added.
bool AddFoundFile(const char* folder, bool isDirectory, char* name);

// Ends a scan: CurrentSong is the first song, or null.
void FinishSongScan();

// The song after song, the first one after the last; null for a null song.
SongNode* NextSongWrapping(SongNode* song);

// From start on (start first, then its followers, wrapping), the first song
// whose path in folder fits; the path is formatted into path. Looks at each
// song at most once; null when none fits or start is null.
SongNode* FindPlayableSong(SongNode* start, const char* folder, char* path, std::size_t size);
