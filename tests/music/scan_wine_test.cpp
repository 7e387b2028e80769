// ScanSongFolder over real folders of the Wine prefix: which entries become
// songs, their names and order, and the bounds of folder and path lengths.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "saver/music/music.h"
#include "saver/settings/settings.h"
#include "tests/music/song_folder.h"

namespace {

using musictest::SongFolder;
using Names = std::vector<std::string>;

void SetSongDir(const std::string& folder)
{
    ASSERT_LT(folder.size(), sizeof SongDir);
    std::snprintf(SongDir, sizeof SongDir, "%s", folder.c_str());
}

Names Sorted(Names names)
{
    std::sort(names.begin(), names.end());
    return names;
}

struct ScanSongFolderWine : ::testing::Test {
    void SetUp() override { ClearPlaylist(); }
    void TearDown() override { ClearPlaylist(); }
};

TEST_F(ScanSongFolderWine, TakesDotMidFilesOnlyInSearchOrder)
{
    SongFolder folder;
    for (const char* name : {"SONG.mid", "SONG.MIDI", "A.MID.BAK", "SONG.RMI", "readme.txt", "midnight.wav", "x.Mid"})
        ASSERT_TRUE(folder.AddFile(name)) << name;
    ASSERT_TRUE(folder.AddFolder("FOLDER.MID"));
    ASSERT_TRUE(folder.AddFolder("sub"));
    ASSERT_TRUE(folder.AddFile("FOLDER.MID\\INNER.MID"));  // songs of subfolders are not searched
    ASSERT_TRUE(folder.AddFile("sub\\deep.mid"));

    SetSongDir(folder.Path());
    ScanSongFolder();

    Names songs = musictest::PlaylistNames();
    EXPECT_EQ(Sorted(songs), (Names{"A.MID.BAK", "SONG.MID", "SONG.MIDI", "X.MID"}));
    EXPECT_EQ(songs, musictest::ExpectedSongs(folder.Path()));  // the search's own order
    EXPECT_EQ(Playlist.Count(), 4);
    ASSERT_NE(CurrentSong, nullptr);
    EXPECT_EQ(CurrentSong, Playlist.head);
    EXPECT_EQ(std::string(CurrentSongName()), songs.front());
    EXPECT_EQ(std::string(SongDir), folder.Path());
}

TEST_F(ScanSongFolderWine, TrailingBackslashGivesTheSameListAndIsRemovedInMemory)
{
    SongFolder folder;
    for (const char* name : {"b.mid", "a.mid", "c.txt"})
        ASSERT_TRUE(folder.AddFile(name));
    SetSongDir(folder.Path());
    ScanSongFolder();
    Names plain = musictest::PlaylistNames();
    ASSERT_EQ(plain.size(), 2u);

    SetSongDir(folder.Path() + "\\");
    ScanSongFolder();
    EXPECT_EQ(musictest::PlaylistNames(), plain);
    EXPECT_EQ(std::string(SongDir), folder.Path());
}

TEST_F(ScanSongFolderWine, NoFolderOrNoSongsGiveAnEmptyList)
{
    SongFolder folder;
    ASSERT_TRUE(folder.AddFile("song.mid"));
    ASSERT_TRUE(folder.AddFile("other.mp3"));
    SongFolder empty;
    ASSERT_TRUE(empty.AddFile("notes.txt"));

    const std::string cases[] = {
        "",                                  // no SongDir
        folder.Path() + "\\missing",         // a folder that does not exist
        empty.Path(),                        // files, but no song among them
        "C:\\" + std::string(253, 'd'),      // a search pattern that would not fit
        "C:\\" + std::string(256, 'd'),      // a SongDir of 259 characters
    };
    for (const std::string& dir : cases) {
        SCOPED_TRACE(dir);
        // Each case starts from a full list: the scan must also forget it.
        SetSongDir(folder.Path());
        ScanSongFolder();
        ASSERT_EQ(Playlist.Count(), 1);

        SetSongDir(dir);
        ScanSongFolder();
        EXPECT_EQ(Playlist.Count(), 0);
        EXPECT_EQ(Playlist.head, nullptr);
        EXPECT_EQ(CurrentSong, nullptr);
        EXPECT_EQ(CurrentSongName(), nullptr);
    }
}

TEST_F(ScanSongFolderWine, ThousandsOfEntries)
{
    SongFolder folder;
    Names expected;
    for (int i = 0; i < 3000; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, i % 3 == 0 ? "song%04d.mid" : "file%04d.txt", i);
        ASSERT_TRUE(folder.AddFile(name)) << name;
        if (i % 3 == 0) {
            std::snprintf(name, sizeof name, "SONG%04d.MID", i);
            expected.push_back(name);
        }
    }
    SetSongDir(folder.Path());
    ScanSongFolder();
    Names songs = musictest::PlaylistNames();
    EXPECT_EQ(Playlist.Count(), 1000);
    EXPECT_EQ(Sorted(songs), expected);
    EXPECT_EQ(songs, musictest::ExpectedSongs(folder.Path()));
}

TEST_F(ScanSongFolderWine, SongsWhosePathWouldNotFitAreSkipped)
{
    SongFolder folder;
    // folder + "\\" + name: 259 characters fit the path buffer, 260 do not.
    size_t room = 259 - folder.Path().size() - 1;
    ASSERT_GT(room, 8u);
    std::string fits = std::string(room - 4, 'f') + ".mid";
    std::string oneOver = std::string(room - 3, 'o') + ".mid";
    // The longest name the prefix's Linux file system allows is 255 bytes (a
    // 259-character one cannot be made; the host tests feed that one in).
    std::string longest = std::string(251, 'l') + ".mid";
    for (const std::string& name : {fits, oneOver, longest, std::string("short.mid")})
        ASSERT_TRUE(folder.AddFile(name)) << name.size();
    // The search really returns every one of them.
    ASSERT_EQ(musictest::ListFolder(folder.Path()).size(), 6u);

    SetSongDir(folder.Path());
    ScanSongFolder();
    Names songs = musictest::PlaylistNames();
    std::string fitsUpper = std::string(room - 4, 'F') + ".MID";
    EXPECT_EQ(Sorted(songs), Sorted(Names{fitsUpper, "SHORT.MID"}));
    EXPECT_EQ(songs, musictest::ExpectedSongs(folder.Path()));
}

TEST_F(ScanSongFolderWine, FolderOfNearlyAWholePath)
{
    // A SongDir of 253 characters still makes a search pattern of 257; only a
    // five-character song name then fits its 259-character path.
    SongFolder folder;
    size_t subLength = 253 - folder.Path().size() - 1;
    ASSERT_LE(subLength, 255u);
    std::string sub(subLength, 's');
    ASSERT_TRUE(folder.AddFolder(sub));
    for (const char* name : {"a.mid", "ab.mid", "abc.midi"})
        ASSERT_TRUE(folder.AddFile(sub + "\\" + name)) << name;
    std::string dir = folder.Path() + "\\" + sub;
    ASSERT_EQ(dir.size(), 253u);
    ASSERT_EQ(musictest::ListFolder(dir).size(), 5u);

    SetSongDir(dir);
    ScanSongFolder();
    EXPECT_EQ(musictest::PlaylistNames(), (Names{"A.MID"}));

    SetSongDir(dir + "\\");  // 254 characters before the trailing backslash goes
    ScanSongFolder();
    EXPECT_EQ(musictest::PlaylistNames(), (Names{"A.MID"}));
}

TEST_F(ScanSongFolderWine, NonAsciiBytesAreKeptAsTheyAre)
{
    SongFolder folder;
    // Names in the ANSI code page: the bytes above 0x7F must come back unchanged.
    const std::string names[] = {"caf\xe9.mid", "\xc9t\xe9 \xe0 Paris.Mid", "na\xefve.txt"};
    for (const std::string& name : names)
        ASSERT_TRUE(folder.AddFile(name));
    // What the folder search returns for them, upper-cased in a-z only.
    Names expected;
    for (const musictest::FoundEntry& entry : musictest::ListFolder(folder.Path())) {
        if (entry.name == "." || entry.name == "..")
            continue;
        std::string upper = entry.name;
        for (char& c : upper) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 32);
        }
        if (upper.find(".MID") != std::string::npos)
            expected.push_back(upper);
    }
    ASSERT_EQ(Sorted(expected), (Names{"CAF\xe9.MID", "\xc9T\xe9 \xe0 PARIS.MID"}))
        << "the prefix's code page did not keep the names' bytes";

    SetSongDir(folder.Path());
    ScanSongFolder();
    EXPECT_EQ(musictest::PlaylistNames(), expected);
}

}  // namespace
