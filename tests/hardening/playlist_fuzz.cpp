// Fuzz target: a SongDir and a sequence of folder entries, as a folder search
// returns them, to the playlist; then the walk from song to song.
//
// Input: two padding bytes (characters added to the folder, and to a later,
// longer folder), the folder text up to a zero byte, then entries separated by
// zero bytes, each a flags byte (bit 0: a directory) and the name.
#include <string>
#include <vector>

#include "saver/music/playlist.h"
#include "tests/hardening/fuzz_check.h"

namespace {

constexpr std::size_t LongestPath = SongPathSize - 1;

std::string UpperAsciiLetters(std::string name)
{
    for (char& c : name) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    fuzz::ByteReader input(data, size);
    std::size_t padding = input.Byte();
    std::size_t laterPadding = input.Byte();
    std::size_t length = 0;
    const uint8_t* text = input.Segment(&length);

    // SongDir holds at most 259 characters.
    std::string folder(reinterpret_cast<const char*>(text), length);
    folder.append(padding, 'd');
    if (folder.size() > LongestPath)
        folder.resize(LongestPath);

    char songDir[SongPathSize];
    std::memcpy(songDir, folder.c_str(), folder.size() + 1);
    char pattern[SongPathSize];
    bool scans = BeginSongScan(songDir, pattern, sizeof pattern);

    // One trailing backslash goes; the pattern is made only when it fits whole.
    std::string trimmed = folder;
    if (!trimmed.empty() && trimmed.back() == '\\')
        trimmed.pop_back();
    FUZZ_CHECK(trimmed == songDir);
    FUZZ_CHECK(scans == (!folder.empty() && trimmed.size() + 4 <= LongestPath));
    FUZZ_CHECK(std::string(pattern) == (scans ? trimmed + "\\*.*" : ""));
    FUZZ_CHECK(Playlist.Count() == 0 && CurrentSong == nullptr);

    std::vector<std::string> expected;
    while (scans && input.Left() > 0) {
        std::size_t entryLength = 0;
        const uint8_t* entry = input.Segment(&entryLength);
        if (entryLength == 0)
            continue;
        bool directory = (entry[0] & 1) != 0;
        std::string name(reinterpret_cast<const char*>(entry + 1), entryLength - 1);
        std::vector<char> found(name.begin(), name.end());
        found.push_back('\0');
        bool added = AddFoundFile(songDir, directory, found.data());

        std::string upper = UpperAsciiLetters(name);
        bool song = !directory && upper.find(".MID") != std::string::npos &&
                    trimmed.size() + 1 + upper.size() <= LongestPath;
        FUZZ_CHECK(added == song);
        if (!directory)
            FUZZ_CHECK(std::string(found.data()) == upper);  // upper-cased in place, a-z only
        if (song)
            expected.push_back(upper);
    }
    if (scans)
        FinishSongScan();

    // The list: the model's songs in search order, each upper-case with ".MID".
    FUZZ_CHECK(Playlist.Count() == static_cast<int32_t>(expected.size()));
    std::size_t i = 0;
    ListNode* previous = nullptr;
    for (ListNode* node = Playlist.head; node != nullptr; node = node->next, ++i) {
        FUZZ_CHECK(node->prev == previous);
        previous = node;
        const char* name = static_cast<SongNode*>(node)->name;
        FUZZ_CHECK(std::memchr(name, 0, SongPathSize) != nullptr);
        FUZZ_CHECK(i < expected.size() && expected[i] == name);
        for (const char* p = name; *p != '\0'; ++p)
            FUZZ_CHECK(!(*p >= 'a' && *p <= 'z'));
        FUZZ_CHECK(std::strstr(name, ".MID") != nullptr);
    }
    FUZZ_CHECK(i == expected.size() && Playlist.tail == previous);
    FUZZ_CHECK(CurrentSong == Playlist.head);
    FUZZ_CHECK((CurrentSongName() == nullptr) == expected.empty());

    // Every listed song can be started from the scanned folder, and the walk
    // goes round the whole list back to the first.
    char path[SongPathSize];
    SongNode* song = CurrentSong;
    for (std::size_t n = 0; n < expected.size(); ++n) {
        FUZZ_CHECK(FindPlayableSong(song, songDir, path, sizeof path) == song);
        FUZZ_CHECK(path == trimmed + "\\" + song->name);
        song = NextSongWrapping(song);
    }
    FUZZ_CHECK(song == CurrentSong);

    // A longer folder (as if SongDir changed since the scan): the first song
    // from the current one on whose path still fits, or none, never a cut path.
    std::string later = trimmed + std::string(laterPadding, 'x');
    SongNode* found = FindPlayableSong(CurrentSong, later.c_str(), path, sizeof path);
    SongNode* model = nullptr;
    song = CurrentSong;
    for (std::size_t n = 0; n < expected.size() && model == nullptr; ++n) {
        if (later.size() + 1 + std::strlen(song->name) <= LongestPath)
            model = song;
        song = NextSongWrapping(song);
    }
    FUZZ_CHECK(found == model);
    FUZZ_CHECK(path == (model == nullptr ? std::string() : later + "\\" + model->name));

    ClearPlaylist();
    FUZZ_CHECK(Playlist.Count() == 0 && CurrentSong == nullptr && Playlist.head == nullptr);
    return 0;
}
