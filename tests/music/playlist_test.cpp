// The playlist's portable rules: names, bounded paths, the scan's bookkeeping
// and the walk from song to song, fed with folder entries as a search returns them.
#include "saver/music/playlist.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

struct Entry {
    std::string name;
    bool directory;
};

struct PlaylistTest : ::testing::Test {
    void SetUp() override { ClearPlaylist(); }
    void TearDown() override { ClearPlaylist(); }

    // A whole scan of folder over entries, as the folder search reports them.
    static void Scan(std::string folder, const std::vector<Entry>& entries)
    {
        char dir[SongPathSize];
        ASSERT_LT(folder.size(), sizeof dir);
        std::memcpy(dir, folder.c_str(), folder.size() + 1);
        char pattern[SongPathSize];
        if (!BeginSongScan(dir, pattern, sizeof pattern))
            return;
        scannedFolder = dir;
        for (const Entry& entry : entries) {
            std::vector<char> name(entry.name.begin(), entry.name.end());
            name.push_back('\0');
            AddFoundFile(dir, entry.directory, name.data());
        }
        FinishSongScan();
    }

    static Names Songs()
    {
        Names names;
        for (ListNode* node = Playlist.head; node != nullptr; node = node->next)
            names.push_back(static_cast<SongNode*>(node)->name);
        return names;
    }

    static inline std::string scannedFolder;
};

TEST(UpperCaseName, OnlyAsciiLettersChange)
{
    const struct {
        const char* name;
        const char* upper;
    } cases[] = {
        {"song.mid", "SONG.MID"},
        {"Mixed_Case-09.MiD", "MIXED_CASE-09.MID"},
        {"az@[`{", "AZ@[`{"},                     // the bytes around a-z stay
        {"caf\xe9.mid", "CAF\xe9.MID"},           // e-acute (cp1252) is not A-Z
        {"\xc3\xa9t\xc3\xa9.mid", "\xc3\xa9T\xc3\xa9.MID"},  // nor are UTF-8 bytes
        {"\xff\x80z", "\xff\x80Z"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string name = c.name;
        UpperCaseName(name.data());
        EXPECT_EQ(name, c.upper);
    }
}

TEST(IsSongName, DotMidAnywhereInTheUpperCasedName)
{
    EXPECT_TRUE(IsSongName("SONG.MID"));
    EXPECT_TRUE(IsSongName("SONG.MIDI"));
    EXPECT_TRUE(IsSongName("A.MID.BAK"));
    EXPECT_TRUE(IsSongName(".MID"));
    EXPECT_FALSE(IsSongName("SONG.RMI"));
    EXPECT_FALSE(IsSongName("SONG.mid"));  // the test comes after upper-casing
    EXPECT_FALSE(IsSongName("SONGMID"));
    EXPECT_FALSE(IsSongName("SONG.MI"));
    EXPECT_FALSE(IsSongName(""));
}

TEST(FormatSongPath, FitsExactlyOrIsRefusedWhole)
{
    char path[SongPathSize];
    ASSERT_TRUE(FormatSongPath(path, sizeof path, "C:\\MUSIC", "SONG.MID"));
    EXPECT_STREQ(path, "C:\\MUSIC\\SONG.MID");

    // 259 characters fit a 260-byte buffer with its terminator; 260 do not.
    std::string folder(250, 'f');
    std::string name8 = "ABCD.MID";
    ASSERT_TRUE(FormatSongPath(path, sizeof path, folder.c_str(), name8.c_str()));
    EXPECT_EQ(std::strlen(path), 259u);
    EXPECT_EQ(std::string(path), folder + "\\" + name8);
    std::string name9 = "ABCDE.MID";
    std::strcpy(path, "stale");
    EXPECT_FALSE(FormatSongPath(path, sizeof path, folder.c_str(), name9.c_str()));
    EXPECT_STREQ(path, "");

    // A small buffer is never written past the size it was given.
    char small[8];
    std::memset(small, 'x', sizeof small);
    EXPECT_FALSE(FormatSongPath(small, 4, "C:", "A.MID"));
    EXPECT_STREQ(small, "");
    EXPECT_EQ(std::string(small + 4, 4), "xxxx");
}

TEST(FormatSearchPattern, FolderUpTo255CharactersFits)
{
    char pattern[SongPathSize];
    ASSERT_TRUE(FormatSearchPattern(pattern, sizeof pattern, "C:\\MUSIC"));
    EXPECT_STREQ(pattern, "C:\\MUSIC\\*.*");
    std::string folder(255, 'd');
    ASSERT_TRUE(FormatSearchPattern(pattern, sizeof pattern, folder.c_str()));
    EXPECT_EQ(std::string(pattern), folder + "\\*.*");
    folder += 'd';
    EXPECT_FALSE(FormatSearchPattern(pattern, sizeof pattern, folder.c_str()));
    EXPECT_STREQ(pattern, "");
}

TEST_F(PlaylistTest, TakesUpperCasedDotMidNamesInSearchOrder)
{
    Scan("C:\\MUSIC", {{".", true},
                       {"..", true},
                       {"zeta.mid", false},
                       {"SONG.MIDI", false},
                       {"song.rmi", false},
                       {"a.mid.bak", false},
                       {"Folder.MID", true},
                       {"readme.txt", false},
                       {"Alpha.Mid", false}});
    EXPECT_EQ(Songs(), (Names{"ZETA.MID", "SONG.MIDI", "A.MID.BAK", "ALPHA.MID"}));
    EXPECT_EQ(Playlist.Count(), 4);
    ASSERT_NE(CurrentSong, nullptr);
    EXPECT_STREQ(CurrentSongName(), "ZETA.MID");
    EXPECT_EQ(CurrentSong, Playlist.head);
}

TEST_F(PlaylistTest, NoSongsOrNoFolderLeaveNoCurrentSong)
{
    Scan("C:\\MUSIC", {{"readme.txt", false}, {"x.MID", true}});
    EXPECT_EQ(Playlist.Count(), 0);
    EXPECT_EQ(CurrentSong, nullptr);
    EXPECT_EQ(CurrentSongName(), nullptr);

    Scan("C:\\MUSIC", {{"a.mid", false}});
    ASSERT_EQ(Playlist.Count(), 1);
    Scan("", {{"a.mid", false}});  // an empty SongDir: no search, and the old list is gone
    EXPECT_EQ(Playlist.Count(), 0);
    EXPECT_EQ(CurrentSong, nullptr);
}

TEST_F(PlaylistTest, RescanReplacesTheList)
{
    Scan("C:\\A", {{"one.mid", false}, {"two.mid", false}});
    Scan("C:\\B", {{"three.mid", false}});
    EXPECT_EQ(Songs(), (Names{"THREE.MID"}));
    EXPECT_STREQ(CurrentSongName(), "THREE.MID");
}

TEST(BeginSongScan, TrailingBackslashAndPatternBounds)
{
    const struct {
        std::string folder;
        bool scans;
        std::string trimmed;
        std::string pattern;
    } cases[] = {
        {"C:\\MUSIC", true, "C:\\MUSIC", "C:\\MUSIC\\*.*"},
        {"C:\\MUSIC\\", true, "C:\\MUSIC", "C:\\MUSIC\\*.*"},
        {"C:\\MUSIC\\\\", true, "C:\\MUSIC\\", "C:\\MUSIC\\\\*.*"},  // one backslash only
        {"C:\\", true, "C:", "C:\\*.*"},
        {"", false, "", ""},
        {std::string(255, 'd'), true, std::string(255, 'd'), std::string(255, 'd') + "\\*.*"},
        {std::string(255, 'd') + "\\", true, std::string(255, 'd'), std::string(255, 'd') + "\\*.*"},
        {std::string(256, 'd'), false, std::string(256, 'd'), ""},
        {std::string(259, 'd'), false, std::string(259, 'd'), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        char folder[SongPathSize];
        std::memcpy(folder, c.folder.c_str(), c.folder.size() + 1);
        char pattern[SongPathSize];
        std::memset(pattern, 'x', sizeof pattern);
        EXPECT_EQ(BeginSongScan(folder, pattern, sizeof pattern), c.scans);
        EXPECT_EQ(std::string(folder), c.trimmed);
        EXPECT_EQ(std::string(pattern), c.pattern);
    }
    ClearPlaylist();
}

TEST_F(PlaylistTest, TrailingBackslashGivesTheSameList)
{
    std::vector<Entry> entries = {{"b.mid", false}, {"a.mid", false}};
    Scan("C:\\MUSIC\\", entries);
    Names withSlash = Songs();
    EXPECT_EQ(scannedFolder, "C:\\MUSIC");
    Scan("C:\\MUSIC", entries);
    EXPECT_EQ(Songs(), withSlash);
}

TEST_F(PlaylistTest, SongWhosePathWouldNotFitIsSkipped)
{
    // Folder of 240 characters: a name of 18 makes a 259-character path, 19 do not.
    std::string folder = "C:\\" + std::string(237, 'm');
    std::string fits = std::string(14, 'a') + ".mid";
    std::string tooLong = std::string(15, 'b') + ".mid";
    std::string longest(259, 'c');
    longest.replace(0, 4, ".mid");
    Scan(folder, {{tooLong, false}, {fits, false}, {longest, false}});
    EXPECT_EQ(Songs(), (Names{std::string(14, 'A') + ".MID"}));
}

TEST_F(PlaylistTest, LongestPlayableNameIsKeptWhole)
{
    // "C:" + "\\" + 256 characters is a 259-character path: the longest that fits.
    std::string name = std::string(252, 'n') + ".mid";
    Scan("C:", {{name, false}, {std::string(253, 'o') + ".mid", false}});
    ASSERT_EQ(Playlist.Count(), 1);
    EXPECT_EQ(std::string(CurrentSongName()), std::string(252, 'N') + ".MID");
}

TEST_F(PlaylistTest, ThousandsOfEntriesKeepTheirOrder)
{
    std::vector<Entry> entries;
    Names expected;
    for (int i = 0; i < 5000; ++i) {
        std::string n = std::to_string(i);
        switch (i % 4) {
        case 0: entries.push_back({"s" + n + ".mid", false}); expected.push_back("S" + n + ".MID"); break;
        case 1: entries.push_back({"t" + n + ".txt", false}); break;
        case 2: entries.push_back({"d" + n + ".mid", true}); break;
        case 3: entries.push_back({"x" + n + ".MIDI", false}); expected.push_back("X" + n + ".MIDI"); break;
        }
    }
    Scan("C:\\MUSIC", entries);
    EXPECT_EQ(Playlist.Count(), 2500);
    EXPECT_EQ(Songs(), expected);
}

TEST_F(PlaylistTest, NextSongWrapsFromLastToFirst)
{
    EXPECT_EQ(NextSongWrapping(nullptr), nullptr);
    Scan("C:\\M", {{"1.mid", false}, {"2.mid", false}, {"3.mid", false}});
    Names order;
    SongNode* song = CurrentSong;
    for (int i = 0; i < 7; ++i) {
        order.push_back(song->name);
        song = NextSongWrapping(song);
    }
    EXPECT_EQ(order, (Names{"1.MID", "2.MID", "3.MID", "1.MID", "2.MID", "3.MID", "1.MID"}));

    Scan("C:\\M", {{"only.mid", false}});
    EXPECT_EQ(NextSongWrapping(CurrentSong), CurrentSong);  // one song repeats
}

TEST_F(PlaylistTest, FindPlayableSongSkipsPathsThatDoNotFitAndStops)
{
    Scan("C:\\M", {{"aaaaaaaaaaaa.mid", false}, {"b.mid", false}, {"cccccccccccc.mid", false}});
    ASSERT_EQ(Playlist.Count(), 3);
    SongNode* first = CurrentSong;
    SongNode* second = NextSongWrapping(first);
    SongNode* third = NextSongWrapping(second);
    char path[SongPathSize];

    ASSERT_EQ(FindPlayableSong(third, "C:\\M", path, sizeof path), third);
    EXPECT_STREQ(path, "C:\\M\\CCCCCCCCCCCC.MID");

    // With a longer folder (250 characters) only "B.MID" still fits: from the
    // third song the search wraps to the first, then finds the second.
    std::string longerFolder(250, 'g');
    EXPECT_EQ(FindPlayableSong(third, longerFolder.c_str(), path, sizeof path), second);
    EXPECT_EQ(std::string(path), longerFolder + "\\B.MID");

    // Nothing fits: every song is looked at once, then null and an empty path.
    std::string hugeFolder(256, 'h');
    std::strcpy(path, "stale");
    EXPECT_EQ(FindPlayableSong(first, hugeFolder.c_str(), path, sizeof path), nullptr);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(FindPlayableSong(nullptr, "C:\\M", path, sizeof path), nullptr);
}

}  // namespace
