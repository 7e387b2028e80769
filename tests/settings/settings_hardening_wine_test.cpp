// The settings store against registry values that nobody should have written
// but anybody can: other types, oversized data, stray zero bytes, a key that
// may only be read, a key that cannot be created. Every case loads to a defined
// value, nothing overflows, and a value that could be read is never rewritten.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "saver/settings/registry.h"
#include "saver/settings/settings.h"
#include "saver/settings/settings_store.h"
#include "tests/wine/bench.h"

namespace {

const char* const Parent = "Software\\HollisFernby";
const char* const Key = "Software\\HollisFernby\\Tarnovelle";

// Raw bytes of a value, which may hold zero bytes anywhere.
std::string Bytes(const char* data, size_t size)
{
    return std::string(data, size);
}

struct Stored {
    bool present = false;
    DWORD type = 0;
    std::string data;
};

Stored StoredValue(const char* name)
{
    Stored value;
    value.present = bench::ReadValue(HKEY_CURRENT_USER, Key, name, &value.type, &value.data);
    return value;
}

void Store(const char* name, DWORD type, const std::string& data)
{
    bench::WriteValue(HKEY_CURRENT_USER, Key, name, type, data.data(), static_cast<DWORD>(data.size()));
}

bool SetKeyAccess(const char* path, const DWORD* everybodyMay)
{
    return bench::SetKeyAccess(HKEY_CURRENT_USER, path, everybodyMay);
}

struct SettingsHardening : ::testing::Test {
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean()
    {
        SetKeyAccess(Key, nullptr);
        bench::DeleteKeyTree(HKEY_CURRENT_USER, Key);
        // Only a parent made by a test (volatile, empty) goes; a parent with
        // other keys stays, as the saver's own uninstall leaves it.
        HKEY parent = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Parent, 0, KEY_READ, &parent) == ERROR_SUCCESS) {
            DWORD subkeys = 1;
            RegQueryInfoKeyA(parent, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr);
            RegCloseKey(parent);
            if (subkeys == 0)
                RegDeleteKeyA(HKEY_CURRENT_USER, Parent);
        }
    }
};

struct NumberCase {
    const char* what;
    DWORD type;
    std::string data;
    int32_t number;     // what RegReadInt gives with the default 5
    bool keptAsStored;  // false: replaced by the default's text "5"
};

// The number each kind of value yields: its bytes as text, as far as the first
// zero byte; only data that fills the 256-byte buffer without any zero byte,
// or does not fit it at all, counts as unreadable.
TEST_F(SettingsHardening, NumbersFromEveryTypeAndSize)
{
    const std::vector<NumberCase> cases = {
        {"REG_DWORD 12: the byte 0C is no digit", REG_DWORD, Bytes("\x0C\0\0\0", 4), 0, true},
        {"REG_DWORD 0x3231: the bytes 31 32 are the text 12", REG_DWORD, Bytes("12\0\0", 4), 12, true},
        {"REG_DWORD 0: the empty text", REG_DWORD, Bytes("\0\0\0\0", 4), 0, true},
        {"REG_QWORD with a sign", REG_QWORD, Bytes("-7\0\0\0\0\0\0", 8), -7, true},
        {"REG_BINARY without terminator", REG_BINARY, "42", 42, true},
        {"REG_BINARY empty", REG_BINARY, "", 0, true},
        {"REG_NONE", REG_NONE, Bytes("23\0", 3), 23, true},
        {"REG_MULTI_SZ: its first string", REG_MULTI_SZ, Bytes("17\0" "99\0\0", 7), 17, true},
        {"REG_EXPAND_SZ is not expanded", REG_EXPAND_SZ, Bytes("%NUMBER%\0", 9), 0, true},
        {"REG_EXPAND_SZ digits before a variable", REG_EXPAND_SZ, Bytes("8%NUMBER%\0", 10), 8, true},
        {"REG_SZ with a zero byte inside", REG_SZ, Bytes("33\0" "77\0", 6), 33, true},
        {"REG_SZ of 255 characters and terminator",
         REG_SZ, std::string(253, '0') + "64" + std::string(1, '\0'), 64, true},
        {"REG_SZ of 256 characters and terminator",
         REG_SZ, std::string(254, '0') + "64" + std::string(1, '\0'), 5, false},
        {"REG_BINARY of 255 bytes, no zero", REG_BINARY, std::string(253, '0') + "81", 81, true},
        {"REG_BINARY of 256 bytes, no zero", REG_BINARY, std::string(254, '0') + "81", 5, false},
        {"REG_BINARY of 256 bytes, a zero inside",
         REG_BINARY, Bytes("51\0", 3) + std::string(253, 'x'), 51, true},
        {"REG_BINARY of 257 bytes, a zero inside, does not fit",
         REG_BINARY, Bytes("51\0", 3) + std::string(254, 'x'), 5, false},
        {"REG_MULTI_SZ longer than the buffer",
         REG_MULTI_SZ, std::string(300, '6') + std::string(2, '\0'), 5, false},
    };
    for (const NumberCase& each : cases) {
        SCOPED_TRACE(each.what);
        Store("Probe", each.type, each.data);
        Stored before = StoredValue("Probe");
        ASSERT_TRUE(before.present);
        EXPECT_EQ(RegReadInt(HKEY_CURRENT_USER, Key, "Probe", 5), each.number);
        Stored after = StoredValue("Probe");
        if (each.keptAsStored) {
            EXPECT_EQ(after.type, before.type);
            EXPECT_EQ(after.data, before.data);
        } else {
            EXPECT_EQ(after.type, static_cast<DWORD>(REG_SZ));
            EXPECT_EQ(after.data, Bytes("5\0", 2));
        }
    }
}

struct TextCase {
    const char* what;
    DWORD type;
    std::string data;
    std::string text;   // what a 260-byte buffer receives with the default "dflt"
    bool keptAsStored;
};

// The song folder's 260-byte buffer: up to 259 characters, never a byte more;
// the guard bytes after the buffer stay as they were in every case.
TEST_F(SettingsHardening, TextsFillTheirBufferAndNotAByteMore)
{
    const std::string folder259 = "C:\\" + std::string(256, 'f');
    const std::vector<TextCase> cases = {
        {"REG_SZ of 259 characters", REG_SZ, folder259 + std::string(1, '\0'), folder259, true},
        {"REG_SZ of 260 characters", REG_SZ, folder259 + "g" + std::string(1, '\0'), "dflt", false},
        {"REG_BINARY of 259 bytes", REG_BINARY, folder259, folder259, true},
        {"REG_BINARY of 260 bytes, no zero", REG_BINARY, folder259 + "g", "dflt", false},
        {"REG_BINARY of 260 bytes, a zero after 10", REG_BINARY,
         Bytes("C:\\Songs\\A\0", 11) + std::string(249, 'z'), "C:\\Songs\\A", true},
        {"REG_BINARY of 2000 bytes", REG_BINARY, std::string(2000, 'q'), "dflt", false},
        {"REG_BINARY empty", REG_BINARY, "", "", true},
        {"REG_EXPAND_SZ taken unexpanded", REG_EXPAND_SZ,
         Bytes("%WINDIR%\\Media\0", 15), "%WINDIR%\\Media", true},
        {"REG_MULTI_SZ: the first folder", REG_MULTI_SZ,
         Bytes("C:\\One\0" "C:\\Two\0\0", 15), "C:\\One", true},
        {"REG_DWORD: its bytes", REG_DWORD, Bytes("AB\0\0", 4), "AB", true},
    };
    constexpr size_t Room = 260;
    constexpr size_t Guard = 64;
    for (const TextCase& each : cases) {
        SCOPED_TRACE(each.what);
        Store("Folder", each.type, each.data);
        Stored before = StoredValue("Folder");
        std::vector<char> buffer(Room + Guard, '\xA5');
        EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, Key, "Folder", buffer.data(), Room, "dflt"), 0);
        EXPECT_EQ(std::string(buffer.data()), each.text);
        EXPECT_EQ(std::string(buffer.data() + Room, Guard), std::string(Guard, '\xA5'));
        Stored after = StoredValue("Folder");
        if (each.keptAsStored) {
            EXPECT_EQ(after.type, before.type);
            EXPECT_EQ(after.data, before.data);
        } else {
            EXPECT_EQ(after.type, static_cast<DWORD>(REG_SZ));
            EXPECT_EQ(after.data, Bytes("dflt\0", 5));
        }
    }
}

// The whole load over odd types on the real names: each value gives its
// number through the limits, and none of them is rewritten.
TEST_F(SettingsHardening, LoadTakesOddTypesAsTheirBytesAndKeepsThem)
{
    const char* const names[] = {"MainSeed", "MorphSpeed", "UseCurves", "Roughness",
                                 "ColorCycleMode", "IgnoreMouseMoves", "SongDir"};
    Store("MainSeed", REG_DWORD, Bytes("-1\0\0", 4));
    Store("MorphSpeed", REG_SZ, Bytes("9\0" "1000\0", 7));
    Store("UseCurves", REG_BINARY, "7");
    Store("Roughness", REG_MULTI_SZ, Bytes("250\0" "999\0\0", 9));
    Store("ColorCycleMode", REG_EXPAND_SZ, Bytes("1%X%\0", 5));
    Store("IgnoreMouseMoves", REG_BINARY, "");
    Store("SongDir", REG_EXPAND_SZ, Bytes("%WINDIR%\\Media\0", 15));
    std::vector<Stored> before;
    for (const char* name : names)
        before.push_back(StoredValue(name));

    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(MainSeed, 0xFFFFFFFFu);
    EXPECT_EQ(MorphSpeed, 9);
    EXPECT_EQ(UseCurves, 7);
    EXPECT_EQ(Roughness, 250);
    EXPECT_EQ(ColorCycleMode, 1);
    EXPECT_EQ(MouseMoveCountdown, 0);
    EXPECT_STREQ(SongDir, "%WINDIR%\\Media");
    for (size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(names[i]);
        Stored after = StoredValue(names[i]);
        EXPECT_EQ(after.type, before[i].type);
        EXPECT_EQ(after.data, before[i].data);
    }
}

// A key this user may read but not write: its values are still the settings
// (not the defaults), and nothing is written to it, not even the defaults of
// the missing values or the corrected Resolution; saving fails quietly.
TEST_F(SettingsHardening, ReadOnlyKeyIsReadAndLeftAlone)
{
    bench::WriteText(HKEY_CURRENT_USER, Key, "UseCurves", "4");
    bench::WriteText(HKEY_CURRENT_USER, Key, "Roughness", "640");
    bench::WriteText(HKEY_CURRENT_USER, Key, "MainSeed", "31337");
    bench::WriteText(HKEY_CURRENT_USER, Key, "Resolution", "9999");
    bench::WriteText(HKEY_CURRENT_USER, Key, "SongDir", "C:\\My Songs");
    const DWORD readOnly = KEY_READ;
    ASSERT_TRUE(SetKeyAccess(Key, &readOnly));
    HKEY probe = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, Key, 0, KEY_ALL_ACCESS, &probe), ERROR_ACCESS_DENIED)
        << "the key must refuse full access for this test to mean anything";

    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(UseCurves, 4);
    EXPECT_EQ(Roughness, 640);
    EXPECT_EQ(MainSeed, 31337u);
    EXPECT_STREQ(SongDir, "C:\\My Songs");
    EXPECT_EQ(MorphSpeed, 2);          // missing: the default, in memory only
    EXPECT_EQ(ColorCycleMode, 3);
    EXPECT_EQ(MouseMoveCountdown, 2);
    EXPECT_EQ(DisplayWidth, 320);      // 9999 names no mode: the smallest
    EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, Key, "MorphSpeed"), "<missing>");
    EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, Key, "IgnoreMouseMoves"), "<missing>");
    EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, Key, "Resolution"), "9999");

    UseCurves = 8;
    SaveSettings();
    EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, Key, "UseCurves"), "4");
}

// A key that cannot be reached at all gives every default in memory and
// writes nothing: one that refuses even reading, and a missing one that cannot
// be created (its parent is volatile, which takes only volatile children).
TEST_F(SettingsHardening, UnreachableKeyGivesDefaultsAndWritesNothing)
{
    bench::WriteText(HKEY_CURRENT_USER, Key, "UseCurves", "4");
    const DWORD nothing = 0;
    ASSERT_TRUE(SetKeyAccess(Key, &nothing));
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(UseCurves, 6);
    EXPECT_EQ(MorphSpeed, 2);
    EXPECT_STREQ(SongDir, "");
    EXPECT_EQ(DisplayWidth, 320);
    ASSERT_TRUE(SetKeyAccess(Key, nullptr));
    EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, Key, "UseCurves"), "4");
    EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, Key, "MorphSpeed"), "<missing>");
    Clean();

    ASSERT_FALSE(bench::KeyExists(HKEY_CURRENT_USER, Parent))
        << "this prefix holds other keys under the parent";
    HKEY parent = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Parent, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &parent, nullptr), ERROR_SUCCESS);
    RegCloseKey(parent);
    MorphSpeed = -1;
    std::snprintf(SongDir, sizeof SongDir, "%s", "stale");
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(MorphSpeed, 2);
    EXPECT_EQ(UseCurves, 6);
    EXPECT_EQ(Resolution, 0);
    EXPECT_STREQ(SongDir, "");
    EXPECT_FALSE(bench::KeyExists(HKEY_CURRENT_USER, Key));
}

}  // namespace
