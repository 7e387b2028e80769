// The screen capture: the back buffer and the working palette as an 8-bit
// bitmap file, and that file as the wallpaper.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "saver/display/capture.h"
#include "saver/display/screen_device.h"
#include "saver/shell/saver_log.h"
#include "saver/shell/saver_window.h"
#include "tests/display/device_fixture.h"
#include "tests/wine/bench.h"

namespace {

using devicetest::DrainQueue;
using devicetest::OnDisk;
using devicetest::ReadLog;

uint32_t Read32(const std::string& file, size_t at)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(file[at + static_cast<size_t>(i)]);
    return value;
}

uint32_t Read16(const std::string& file, size_t at)
{
    return static_cast<uint8_t>(file[at]) | (static_cast<uint32_t>(static_cast<uint8_t>(file[at + 1])) << 8);
}

struct CaptureTest : devicetest::DeviceTest {
    // A 30 x 5 device (rows padded by 2 bytes in the file) over a back buffer
    // whose pitch is wider than a row.
    void SetUp() override
    {
        devicetest::DeviceTest::SetUp();
        fake::Install(Width, Height);
        device = std::make_unique<ScreenDevice>(GetModuleHandleA(nullptr), "Tarnovelle", Width, Height, 1, 8,
                                                SaverWndProc);
        ASSERT_EQ(device->ready, 1);
        for (int32_t y = 0; y < Height; ++y) {
            for (int32_t x = 0; x < fake::Pitch(); ++x)
                fake::record.back.pixels[static_cast<size_t>(y * fake::Pitch() + x)] =
                    static_cast<uint8_t>(x < Width ? 1 + x + 40 * y : 0xEE);  // 0xEE: beyond the row
        }
        for (int i = 0; i < 256; ++i) {
            uint8_t* entry = device->paletteEntries + 4 * i;
            entry[0] = static_cast<uint8_t>(i);        // red
            entry[1] = static_cast<uint8_t>(255 - i);  // green
            entry[2] = static_cast<uint8_t>(i ^ 0x55); // blue
            entry[3] = 1;                              // PC_RESERVED
        }
        directory = bench::WindowsDirectory();
        path = directory + "\\capture-test.bmp";
        DeleteFileA(path.c_str());
    }
    void TearDown() override
    {
        if (device != nullptr && device->window != nullptr)
            DestroyWindow(device->window);
        device.reset();
        DeleteFileA(path.c_str());
        devicetest::DeviceTest::TearDown();
    }

    static constexpr int32_t Width = 30;
    static constexpr int32_t Height = 5;
    std::unique_ptr<ScreenDevice> device;
    std::string directory;
    std::string path;
};

TEST_F(CaptureTest, FileHoldsHeadersPaletteAndRowsBottomUp)
{
    device->SaveBitmap(directory.c_str(), "capture-test.bmp");
    std::string file;
    ASSERT_TRUE(bench::ReadFile(path, &file));
    const uint32_t rowLength = 32;
    ASSERT_EQ(file.size(), 1078u + rowLength * Height);
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(Read32(file, 2), file.size());
    EXPECT_EQ(Read32(file, 6), 0u);
    EXPECT_EQ(Read32(file, 10), 1078u);
    EXPECT_EQ(Read32(file, 14), 40u);
    EXPECT_EQ(Read32(file, 18), static_cast<uint32_t>(Width));
    EXPECT_EQ(Read32(file, 22), static_cast<uint32_t>(Height));
    EXPECT_EQ(Read16(file, 26), 1u);
    EXPECT_EQ(Read16(file, 28), 8u);
    EXPECT_EQ(Read32(file, 30), 0u);
    EXPECT_EQ(Read32(file, 34), 0u);
    EXPECT_EQ(Read32(file, 38), 1000u);
    EXPECT_EQ(Read32(file, 42), 1000u);
    EXPECT_EQ(Read32(file, 46), 256u);
    EXPECT_EQ(Read32(file, 50), 256u);
    for (int i = 0; i < 256; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(static_cast<uint8_t>(file[54 + 4 * i + 0]), i ^ 0x55);  // blue
        EXPECT_EQ(static_cast<uint8_t>(file[54 + 4 * i + 1]), 255 - i);   // green
        EXPECT_EQ(static_cast<uint8_t>(file[54 + 4 * i + 2]), i);         // red
        EXPECT_EQ(static_cast<uint8_t>(file[54 + 4 * i + 3]), 0);
    }
    for (int32_t i = 0; i < Height; ++i) {
        int32_t screenRow = Height - 1 - i;  // the file's first row is the bottom one
        std::string expected;
        for (int32_t x = 0; x < Width; ++x)
            expected += static_cast<char>(1 + x + 40 * screenRow);
        expected += std::string(2, '\0');
        EXPECT_EQ(file.substr(1078 + static_cast<size_t>(i) * rowLength, rowLength), expected) << "file row " << i;
    }
    EXPECT_EQ(fake::record.back.locks, 1);
    EXPECT_EQ(fake::record.back.unlocks, 1);
    EXPECT_EQ(ReadLog(), OnDisk("Starting log\n\n"));
}

TEST_F(CaptureTest, ALockThatFailsLeavesHeadersAndColoursAndTwoPlainEntries)
{
    fake::script.lock = DDERR_SURFACEBUSY;
    device->SaveBitmap(directory.c_str(), "capture-test.bmp");
    std::string file;
    ASSERT_TRUE(bench::ReadFile(path, &file));
    EXPECT_EQ(file.size(), 1078u);
    EXPECT_EQ(Read32(file, 2), 1078u + 32u * Height) << "the header still announces the pixels";
    EXPECT_EQ(ErrorsLogged, 0);
    EXPECT_EQ(ReadLog(), OnDisk("Starting log\n\nError locking frame buffer: 0x887601ae\n"
                                "Unable to save backdrop image: Error locking surface\n"));
    EXPECT_EQ(fake::record.back.unlocks, 0);
}

TEST_F(CaptureTest, APathThatWouldNotFitWritesNothing)
{
    std::string longDirectory = directory + "\\" + std::string(250, 'd');
    device->SaveBitmap(longDirectory.c_str(), "capture-test.bmp");
    EXPECT_EQ(fake::record.back.locks, 0);
    // A file that cannot be created is no error either.
    device->SaveBitmap((directory + "\\no-such-folder").c_str(), "capture-test.bmp");
    EXPECT_EQ(fake::record.back.locks, 0);
    EXPECT_EQ(ReadLog(), OnDisk("Starting log\n\n"));
}

TEST_F(CaptureTest, SetWallpaperStoresTheCaptureFileInTheProfile)
{
    const char* desktop = "Control Panel\\Desktop";
    bench::WriteText(HKEY_CURRENT_USER, desktop, "Wallpaper", "");
    SetWallpaper();
    EXPECT_EQ(bench::ReadText(HKEY_CURRENT_USER, desktop, "Wallpaper"), directory + "\\Tarnovelle.bmp");
    bench::WriteText(HKEY_CURRENT_USER, desktop, "Wallpaper", "");
}

}  // namespace
