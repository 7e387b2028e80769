// PlaySong, PlayCurrentSong and OnSongNotify: the MCI commands they send, the
// failures that close what was opened, and the walk through the playlist on the
// sequencer's notifications. A fake MCI entry records and answers the commands;
// one test goes through Wine's real sequencer.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "saver/music/mci_entry.h"
#include "saver/music/music.h"
#include "saver/settings/settings.h"
#include "tests/music/song_folder.h"

namespace {

using musictest::SongFolder;

struct Command {
    MCIDEVICEID device;
    UINT message;
    DWORD_PTR flags;
    std::string deviceType;  // MCI_OPEN
    std::string element;     // MCI_OPEN
    DWORD statusItem;        // MCI_STATUS
    DWORD_PTR callback;      // MCI_PLAY
    bool parameters;         // a parameter block was given
};

// The fake sequencer: every command recorded; one message may be made to fail.
struct FakeMci {
    std::vector<Command> commands;
    UINT failing = 0;
    MCIERROR failure = 0;
    MCIDEVICEID nextDevice = 41;
    bool forward = false;  // hand each command on to the real mciSendCommandA
};
FakeMci Fake;

MCIERROR WINAPI FakeSend(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters)
{
    Command command{device, message, flags, "", "", 0, 0, parameters != 0};
    if (message == MCI_OPEN && parameters != 0) {
        auto* open = reinterpret_cast<MCI_OPEN_PARMSA*>(parameters);
        command.deviceType = open->lpstrDeviceType != nullptr ? open->lpstrDeviceType : "<null>";
        command.element = open->lpstrElementName != nullptr ? open->lpstrElementName : "<null>";
    } else if (message == MCI_STATUS && parameters != 0) {
        command.statusItem = reinterpret_cast<MCI_STATUS_PARMS*>(parameters)->dwItem;
    } else if (message == MCI_PLAY && parameters != 0) {
        auto* play = reinterpret_cast<MCI_PLAY_PARMS*>(parameters);
        command.callback = play->dwCallback;
        // No start or end position: the whole song.
        EXPECT_EQ(flags & (MCI_FROM | MCI_TO), 0u);
    }
    Fake.commands.push_back(command);
    if (Fake.forward)
        return mciSendCommandA(device, message, flags, parameters);
    if (Fake.failing == message)
        return Fake.failure;
    if (message == MCI_OPEN)
        reinterpret_cast<MCI_OPEN_PARMSA*>(parameters)->wDeviceID = Fake.nextDevice++;
    return 0;
}

void SetSongDir(const std::string& folder)
{
    ASSERT_LT(folder.size(), sizeof SongDir);
    std::snprintf(SongDir, sizeof SongDir, "%s", folder.c_str());
}

struct PlaybackWine : ::testing::Test {
    HWND window = nullptr;

    void SetUp() override
    {
        Fake = FakeMci{};
        MciSendCommandEntry = FakeSend;
        ClearPlaylist();
        SongDevice = 0;
        window = CreateWindowA("STATIC", "songs", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(window);
        ClearPlaylist();
        MciSendCommandEntry = mciSendCommandA;
    }

    DWORD_PTR Callback() const { return reinterpret_cast<DWORD_PTR>(window); }

    // The element of every MCI_OPEN sent so far.
    static std::vector<std::string> Opened()
    {
        std::vector<std::string> elements;
        for (const Command& command : Fake.commands) {
            if (command.message == MCI_OPEN)
                elements.push_back(command.element);
        }
        return elements;
    }
};

void ExpectOpen(const Command& c, const std::string& path)
{
    EXPECT_EQ(c.message, static_cast<UINT>(MCI_OPEN));
    EXPECT_EQ(c.device, 0u);
    EXPECT_EQ(c.flags, static_cast<DWORD_PTR>(MCI_OPEN_TYPE | MCI_OPEN_ELEMENT));
    EXPECT_EQ(c.flags, 0x2200u);
    EXPECT_EQ(c.deviceType, "sequencer");
    EXPECT_EQ(c.element, path);
}

void ExpectClose(const Command& c, MCIDEVICEID device)
{
    EXPECT_EQ(c.message, static_cast<UINT>(MCI_CLOSE));
    EXPECT_EQ(c.device, device);
    EXPECT_EQ(c.flags, 0u);
    EXPECT_FALSE(c.parameters);
}

TEST_F(PlaybackWine, PlaySongOpensQueriesThePortAndPlaysWithNotification)
{
    EXPECT_EQ(PlaySong(window, "C:\\MUSIC\\SONG.MID"), 0u);
    ASSERT_EQ(Fake.commands.size(), 3u);
    ExpectOpen(Fake.commands[0], "C:\\MUSIC\\SONG.MID");

    const Command& status = Fake.commands[1];
    EXPECT_EQ(status.message, static_cast<UINT>(MCI_STATUS));
    EXPECT_EQ(status.device, 41u);
    EXPECT_EQ(status.flags, static_cast<DWORD_PTR>(MCI_STATUS_ITEM));
    EXPECT_EQ(status.statusItem, static_cast<DWORD>(MCI_SEQ_STATUS_PORT));
    EXPECT_EQ(status.statusItem, 0x4003u);

    const Command& play = Fake.commands[2];
    EXPECT_EQ(play.message, static_cast<UINT>(MCI_PLAY));
    EXPECT_EQ(play.device, 41u);
    EXPECT_EQ(play.flags, static_cast<DWORD_PTR>(MCI_NOTIFY));
    EXPECT_EQ(play.callback, Callback());

    EXPECT_EQ(SongDevice, 41u);
}

TEST_F(PlaybackWine, AFailedStepClosesWhatWasOpenedAndReturnsItsError)
{
    const struct {
        UINT failing;
        MCIERROR error;
        std::vector<UINT> sent;
    } cases[] = {
        {MCI_OPEN, MCIERR_FILE_NOT_FOUND, {MCI_OPEN}},  // nothing open, nothing closed
        {MCI_STATUS, MCIERR_HARDWARE, {MCI_OPEN, MCI_STATUS, MCI_CLOSE}},
        {MCI_PLAY, MCIERR_SEQ_PORT_INUSE, {MCI_OPEN, MCI_STATUS, MCI_PLAY, MCI_CLOSE}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        Fake.commands.clear();
        Fake.failing = c.failing;
        Fake.failure = c.error;
        SongDevice = 7;
        MCIDEVICEID device = Fake.nextDevice;
        EXPECT_EQ(PlaySong(window, "C:\\M\\BAD.MID"), c.error);
        std::vector<UINT> sent;
        for (const Command& command : Fake.commands)
            sent.push_back(command.message);
        EXPECT_EQ(sent, c.sent);
        if (c.sent.back() == MCI_CLOSE)
            ExpectClose(Fake.commands.back(), device);
        EXPECT_EQ(SongDevice, 7u);  // only a started song becomes SongDevice
    }
}

TEST_F(PlaybackWine, NotificationsWalkThePlaylistAndWrap)
{
    SongFolder folder;
    for (const char* name : {"one.mid", "two.mid", "three.mid"})
        ASSERT_TRUE(folder.AddFile(name));
    SetSongDir(folder.Path() + "\\");  // the trailing backslash must not reach the paths
    ScanSongFolder();
    std::vector<std::string> order = musictest::PlaylistNames();
    ASSERT_EQ(order.size(), 3u);
    auto pathOf = [&](size_t i) { return folder.Path() + "\\" + order[i % 3]; };

    ASSERT_EQ(PlayCurrentSong(window), 0u);
    ASSERT_EQ(Fake.commands.size(), 3u);
    ExpectOpen(Fake.commands[0], pathOf(0));
    EXPECT_EQ(Fake.commands[2].callback, Callback());
    EXPECT_EQ(SongDevice, 41u);

    for (size_t song = 1; song <= 4; ++song) {
        SCOPED_TRACE(song);
        MCIDEVICEID ended = SongDevice;
        Fake.commands.clear();
        OnSongNotify(window, MCI_NOTIFY_SUCCESSFUL);
        ASSERT_EQ(Fake.commands.size(), 4u);
        ExpectClose(Fake.commands[0], ended);  // the ended song's device first
        ExpectOpen(Fake.commands[1], pathOf(song));
        EXPECT_EQ(Fake.commands[3].message, static_cast<UINT>(MCI_PLAY));
        EXPECT_EQ(Fake.commands[3].callback, Callback());
        EXPECT_EQ(std::string(CurrentSongName()), order[song % 3]);
        EXPECT_EQ(SongDevice, ended + 1);
    }
}

TEST_F(PlaybackWine, OtherNotificationsAreIgnored)
{
    SongFolder folder;
    ASSERT_TRUE(folder.AddFile("a.mid"));
    ASSERT_TRUE(folder.AddFile("b.mid"));
    SetSongDir(folder.Path());
    ScanSongFolder();
    ASSERT_EQ(PlayCurrentSong(window), 0u);
    SongNode* playing = CurrentSong;
    MCIDEVICEID device = SongDevice;
    Fake.commands.clear();

    for (WPARAM wParam : {WPARAM{MCI_NOTIFY_SUPERSEDED}, WPARAM{MCI_NOTIFY_ABORTED}, WPARAM{MCI_NOTIFY_FAILURE},
                          WPARAM{0}, WPARAM{3}, WPARAM{0x101}}) {
        SCOPED_TRACE(wParam);
        OnSongNotify(window, wParam);
        EXPECT_TRUE(Fake.commands.empty());  // not even a close: the device stays open
        EXPECT_EQ(CurrentSong, playing);
        EXPECT_EQ(SongDevice, device);
    }
}

TEST_F(PlaybackWine, OneSongRepeatsItself)
{
    SongFolder folder;
    ASSERT_TRUE(folder.AddFile("loop.mid"));
    SetSongDir(folder.Path());
    ScanSongFolder();
    ASSERT_EQ(PlayCurrentSong(window), 0u);
    OnSongNotify(window, MCI_NOTIFY_SUCCESSFUL);
    OnSongNotify(window, MCI_NOTIFY_SUCCESSFUL);
    std::string path = folder.Path() + "\\LOOP.MID";
    EXPECT_EQ(Opened(), (std::vector<std::string>{path, path, path}));
}

TEST_F(PlaybackWine, WithoutSongsNothingIsOpened)
{
    SetSongDir("");
    ScanSongFolder();
    EXPECT_EQ(PlayCurrentSong(window), 0u);
    EXPECT_EQ(CurrentSongName(), nullptr);
    OnSongNotify(window, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_TRUE(Fake.commands.empty());
    EXPECT_EQ(SongDevice, 0u);
}

TEST_F(PlaybackWine, AFailedSongStopsTheMusic)
{
    SongFolder folder;
    ASSERT_TRUE(folder.AddFile("a.mid"));
    ASSERT_TRUE(folder.AddFile("b.mid"));
    SetSongDir(folder.Path());
    ScanSongFolder();
    ASSERT_EQ(PlayCurrentSong(window), 0u);
    MCIDEVICEID first = SongDevice;

    Fake.failing = MCI_OPEN;
    Fake.failure = MCIERR_INVALID_FILE;
    Fake.commands.clear();
    OnSongNotify(window, MCI_NOTIFY_SUCCESSFUL);
    ASSERT_EQ(Fake.commands.size(), 2u);
    ExpectClose(Fake.commands[0], first);
    EXPECT_EQ(Fake.commands[1].message, static_cast<UINT>(MCI_OPEN));
    EXPECT_EQ(SongDevice, 0u);  // the ended song's device is not kept once closed
    EXPECT_STREQ(CurrentSongName(), musictest::PlaylistNames()[1].c_str());
}

TEST_F(PlaybackWine, SongsWhosePathNoLongerFitsAreSkippedWithoutEndlessSearch)
{
    // The scan keeps only songs that fit; a folder changed after the scan (here
    // a longer one) must not overflow a path or loop for ever.
    SongFolder folder;
    for (const char* name : {"aaaaaaaaaaaaaaaaaaaa.mid", "b.mid", "cccccccccccccccccccc.mid"})
        ASSERT_TRUE(folder.AddFile(name));
    SetSongDir(folder.Path());
    ScanSongFolder();
    std::vector<std::string> order = musictest::PlaylistNames();
    ASSERT_EQ(order.size(), 3u);
    ASSERT_EQ(PlayCurrentSong(window), 0u);

    // 250 characters: only "B.MID" still makes a path of at most 259.
    std::string longer = "C:\\" + std::string(247, 'x');
    SetSongDir(longer);
    Fake.commands.clear();
    for (int i = 0; i < 3; ++i)
        OnSongNotify(window, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(Opened(), (std::vector<std::string>(3, longer + "\\B.MID")));
    EXPECT_STREQ(CurrentSongName(), "B.MID");

    // Nothing fits at all: the notification closes the ended song and stops.
    SetSongDir("C:\\" + std::string(255, 'y'));
    Fake.commands.clear();
    OnSongNotify(window, MCI_NOTIFY_SUCCESSFUL);
    ASSERT_EQ(Fake.commands.size(), 1u);
    EXPECT_EQ(Fake.commands[0].message, static_cast<UINT>(MCI_CLOSE));
    EXPECT_EQ(PlayCurrentSong(window), 0u);
    EXPECT_EQ(Fake.commands.size(), 1u);
}

// The real sequencer of the prefix: a MIDI file opens and plays (Wine never
// sends the end notification without a MIDI output, so the test posts it, as
// the sequencer would, and the window procedure hands it on).
LRESULT CALLBACK SongWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == MM_MCINOTIFY) {
        OnSongNotify(window, wParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(PlaybackWine, RealSequencerPlaysAMidiFileAndRejectsAnotherFile)
{
    SongFolder folder;
    ASSERT_TRUE(folder.AddFile("first.mid", musictest::TinyMidiFile()));
    ASSERT_TRUE(folder.AddFile("second.mid", musictest::TinyMidiFile()));
    ASSERT_TRUE(folder.AddFile("broken.mid", "this is not a MIDI file"));

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = SongWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TarnovelleSongTest";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    HWND songWindow = CreateWindowA("TarnovelleSongTest", "songs", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(songWindow, nullptr);
    Fake.forward = true;

    EXPECT_NE(PlaySong(songWindow, (folder.Path() + "\\BROKEN.MID").c_str()), 0u);
    EXPECT_EQ(SongDevice, 0u);

    SetSongDir(folder.Path());
    ScanSongFolder();
    std::vector<std::string> order = musictest::PlaylistNames();
    ASSERT_EQ(order.size(), 3u);
    // Start with a real song, whichever place the search gave it.
    while (std::string(CurrentSongName()) == "BROKEN.MID")
        CurrentSong = NextSongWrapping(CurrentSong);
    ASSERT_EQ(PlayCurrentSong(songWindow), 0u);
    MCIDEVICEID first = SongDevice;
    EXPECT_NE(first, 0u);
    std::string firstName = CurrentSongName();

    Fake.commands.clear();
    PostMessageA(songWindow, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, static_cast<LPARAM>(first));
    MSG message;
    while (PeekMessageA(&message, songWindow, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    ASSERT_GE(Fake.commands.size(), 2u);
    ExpectClose(Fake.commands[0], first);
    EXPECT_NE(std::string(CurrentSongName()), firstName);
    ExpectOpen(Fake.commands[1], folder.Path() + "\\" + CurrentSongName());
    if (std::string(CurrentSongName()) == "BROKEN.MID") {
        // The real sequencer refuses it: closed, nothing left open.
        EXPECT_EQ(SongDevice, 0u);
    } else {
        EXPECT_NE(SongDevice, 0u);
        mciSendCommandA(SongDevice, MCI_CLOSE, 0, 0);
    }
    DestroyWindow(songWindow);
}

}  // namespace
