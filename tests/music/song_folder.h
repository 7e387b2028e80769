// Test folders inside the Wine prefix: a fresh folder under the temp directory,
// files made in it (also past MAX_PATH), and the folder's entries as a plain
// search lists them, to compare the playlist with.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace musictest {

// A new, empty folder under the prefix's temp directory, removed with
// everything in it when the object goes.
class SongFolder {
public:
    SongFolder();
    ~SongFolder();
    SongFolder(const SongFolder&) = delete;
    SongFolder& operator=(const SongFolder&) = delete;

    const std::string& Path() const { return path; }
    // An empty file (or one with these bytes) with this ANSI name; names of
    // any length, through the wide API's long-path form.
    bool AddFile(const std::string& name, const std::string& contents = "") const;
    bool AddFolder(const std::string& name) const;

private:
    std::string path;
};

struct FoundEntry {
    std::string name;  // as FindFirstFileA/FindNextFileA return it
    bool directory;
};

// Every entry of folder in the order of the folder search.
std::vector<FoundEntry> ListFolder(const std::string& folder);

// The names a playlist of folder must hold, in search order: files (not
// directories) whose name upper-cased in a-z contains ".MID" and whose path
// folder + "\\" + name has at most 259 characters.
std::vector<std::string> ExpectedSongs(const std::string& folder);

// The names in Playlist, in list order.
std::vector<std::string> PlaylistNames();

// A short valid standard MIDI file: one track, one note.
std::string TinyMidiFile();

}  // namespace musictest
