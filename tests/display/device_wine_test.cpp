// The display device and its frame surfaces against the fake DirectDraw:
// construction step by step, every failure's log, the flip, the palette
// upload and the teardown.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "saver/display/screen_device.h"
#include "saver/engine/palette.h"
#include "saver/engine/random.h"
#include "saver/shell/saver_log.h"
#include "saver/shell/saver_window.h"
#include "tests/display/device_fixture.h"

namespace {

using devicetest::DeviceTest;
using devicetest::DrainQueue;
using devicetest::OnDisk;
using devicetest::ReadLog;

std::unique_ptr<ScreenDevice> MakeDevice(int32_t width = 64, int32_t height = 48, int32_t wantBackBuffer = 1)
{
    return std::make_unique<ScreenDevice>(GetModuleHandleA(nullptr), "Tarnovelle", width, height,
                                          wantBackBuffer, 8, SaverWndProc);
}

void ExpectEverythingReleased()
{
    EXPECT_EQ(fake::record.directDrawReferences, 0);
    EXPECT_EQ(fake::record.primary.references, 0);
    EXPECT_EQ(fake::record.back.references, 0);
    EXPECT_EQ(fake::record.paletteReferences, 0);
    EXPECT_EQ(fake::record.directDrawOverReleases + fake::record.primary.overReleases
                  + fake::record.back.overReleases + fake::record.paletteOverReleases,
              0);
}

TEST_F(DeviceTest, EachFailingStepStopsConstructionWithItsCodeAndItsLogEntry)
{
    const struct {
        int32_t code;
        std::function<void()> fail;
        const char* entry;
    } cases[] = {
        {1, [] { fake::script.create = DDERR_NODIRECTDRAWHW; },
         "!! DirectDrawCreate() failed. Error: -2005532109\n"
         "   You may not have DirectDraw3 (or higher) installed correctly\n"},
        {2, [] { fake::script.cooperativeLevel = DDERR_EXCLUSIVEMODEALREADYSET; },
         "!! SetCooperativeLevel failed. Error: -2005532091\nUnable to access full-screen mode.\n"},
        {3, [] { fake::script.displayMode = DDERR_INVALIDMODE; },
         "!! SetDisplayMode failed. Error: 0x88760078\n"
         "   Your video driver does not support (640x480) resolution.\n"
         "   Please choose a different screen resolution in the Settings dialog box.\n"},
        {4, [] { fake::script.createSurface = DDERR_OUTOFVIDEOMEMORY; },
         "!! CreateSurface failed. Error: -2005532292\n"},
        {5, [] { fake::script.attachedSurface = DDERR_NOTFOUND; },
         "!! GetAttachedSurface failed. Error: -2005532417\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        fake::Install(640, 480);
        c.fail();
        auto device = MakeDevice(640, 480);

        EXPECT_EQ(device->errorCode, c.code);
        EXPECT_EQ(device->ready, 0);
        EXPECT_EQ(device->window, nullptr);
        EXPECT_EQ(FindWindowA("Tarnovelle", nullptr), nullptr) << "the window is destroyed";
        EXPECT_EQ(ErrorsLogged, 1);
        EXPECT_EQ(ReadLog(), OnDisk(std::string("Starting log\n\n") + c.entry));
        // Nothing after the failing step is tried.
        EXPECT_EQ(fake::record.cooperativeCalls, c.code >= 2 ? 1 : 0);
        EXPECT_EQ(fake::record.modeCalls, c.code >= 3 ? 1 : 0);
        EXPECT_EQ(fake::record.createSurfaceCalls, c.code >= 4 ? 1 : 0);
        EXPECT_EQ(fake::record.attachedCalls, c.code >= 5 ? 1 : 0);
        EXPECT_EQ(fake::record.createPaletteCalls, 0);
        // The window's destruction tore down what was built and posted the quit.
        EXPECT_EQ(fake::record.restoreDisplayModeCalls, c.code >= 2 ? 1 : 0);
        ExpectEverythingReleased();
        EXPECT_TRUE(DrainQueue()) << "WM_QUIT from the window's destruction";
        device->ReleaseDisplay();
        EXPECT_EQ(fake::record.restoreDisplayModeCalls, c.code >= 2 ? 1 : 0);
    }
}

TEST_F(DeviceTest, ConstructionMakesEachCallAsDirectDrawExpectsIt)
{
    auto device = MakeDevice();
    ASSERT_EQ(device->errorCode, 0);
    EXPECT_EQ(device->ready, 1);
    EXPECT_EQ(ErrorsLogged, 0);
    EXPECT_EQ(ReadLog(), OnDisk("Starting log\n\n"));

    EXPECT_TRUE(fake::record.createGotNullGuidAndOuter);
    EXPECT_EQ(fake::record.cooperativeWindow, device->window);
    EXPECT_EQ(fake::record.cooperativeFlags, 0x11u);
    EXPECT_EQ(fake::record.modeWidth, 64u);
    EXPECT_EQ(fake::record.modeHeight, 48u);
    EXPECT_EQ(fake::record.modeBits, 8u);
    const DDSURFACEDESC& desc = fake::record.createSurfaceDesc;
    EXPECT_EQ(desc.dwSize, 108u);
    EXPECT_EQ(desc.dwFlags, 0x21u);
    EXPECT_EQ(desc.dwBackBufferCount, 1u);
    EXPECT_EQ(desc.ddsCaps.dwCaps, 0x218u);
    EXPECT_EQ(fake::record.attachedCaps, 4u);
    EXPECT_EQ(device->front->width, 64);
    EXPECT_EQ(device->back->height, 48);

    // The window: a topmost popup whose class and title are the title, with
    // the device in its first extra slot.
    HWND window = device->window;
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindWindowA("Tarnovelle", "Tarnovelle"), window);
    EXPECT_EQ(reinterpret_cast<ScreenDevice*>(GetWindowLongPtrA(window, 0)), device.get());
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_POPUP);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // The first palette: the clock seeds the generator, the random palette
    // is handed to CreatePalette (8-bit) and attached to the primary.
    uint8_t expected[PaletteBytes];
    SeedRandom(static_cast<uint32_t>(device->startTime));
    MakeRandomPalette(expected);
    EXPECT_EQ(fake::record.paletteFlags, 4u);
    EXPECT_EQ(fake::record.paletteCreatedWith, std::vector<uint8_t>(expected, expected + PaletteBytes));
    EXPECT_EQ(fake::record.primary.attachedPalette, device->palette);
    ASSERT_NE(device->palette, nullptr);

    device->UploadPalette();
    EXPECT_EQ(fake::record.setEntriesCalls, 1);
    EXPECT_EQ(fake::record.setEntriesFlags, 0u);
    EXPECT_EQ(fake::record.setEntriesStart, 0u);
    EXPECT_EQ(fake::record.setEntriesCount, 256u);
    EXPECT_EQ(fake::record.lastEntries, std::vector<uint8_t>(expected, expected + PaletteBytes));

    DestroyWindow(window);  // WM_DESTROY releases the display
    EXPECT_TRUE(DrainQueue());
}

TEST_F(DeviceTest, ReleaseDisplayTwiceReleasesEverythingOnce)
{
    auto device = MakeDevice();
    ASSERT_EQ(device->ready, 1);
    device->ReleaseDisplay();
    EXPECT_EQ(device->ready, 0);
    EXPECT_EQ(device->directDraw, nullptr);
    EXPECT_EQ(device->palette, nullptr);
    EXPECT_EQ(device->paletteEntries, nullptr);
    EXPECT_EQ(device->front, nullptr);
    EXPECT_EQ(device->back, nullptr);
    EXPECT_EQ(fake::record.restoreDisplayModeCalls, 1);
    ExpectEverythingReleased();  // the back buffer's two references included

    device->ReleaseDisplay();
    EXPECT_EQ(fake::record.restoreDisplayModeCalls, 1);
    ExpectEverythingReleased();
    // Without a palette the upload does nothing.
    device->UploadPalette();
    EXPECT_EQ(fake::record.setEntriesCalls, 0);

    // The window outlives the teardown; its own destruction finds nothing left.
    ASSERT_NE(device->window, nullptr);
    DestroyWindow(device->window);
    EXPECT_TRUE(DrainQueue());
    EXPECT_EQ(fake::record.restoreDisplayModeCalls, 1);
}

TEST_F(DeviceTest, PaletteFailuresAreLoggedAndTheDeviceIsReadyAllTheSame)
{
    const struct {
        const char* name;
        std::function<void()> fail;
        const char* entry;
        bool hasPalette;
    } cases[] = {
        {"create", [] { fake::script.createPalette = DDERR_NOPALETTEHW; },
         "!! Error creating palette: -2005532099\n", false},
        {"attach", [] { fake::script.setPalette = DDERR_NOPALETTEATTACHED; }, "!! error setting palette\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake::Install();
        c.fail();
        auto device = MakeDevice();
        EXPECT_EQ(device->errorCode, 0);
        EXPECT_EQ(device->ready, 1);
        EXPECT_EQ(ErrorsLogged, 1);
        EXPECT_EQ(ReadLog(), OnDisk(std::string("Starting log\n\n") + c.entry));
        EXPECT_EQ(device->palette != nullptr, c.hasPalette);
        device->UploadPalette();
        EXPECT_EQ(fake::record.setEntriesCalls, c.hasPalette ? 1 : 0);
        EXPECT_TRUE(device->Present());
        DestroyWindow(device->window);
        EXPECT_TRUE(DrainQueue());
        ExpectEverythingReleased();
    }
}

TEST_F(DeviceTest, PresentRestoresALostSurfaceAndRetriesWhileStillDrawing)
{
    const struct {
        std::deque<HRESULT> flips;
        bool shown;
        int flipCalls;
        int restores;
    } cases[] = {
        {{DD_OK}, true, 1, 0},
        {{DDERR_SURFACELOST}, false, 1, 1},
        {{DDERR_WASSTILLDRAWING, DDERR_WASSTILLDRAWING, DD_OK}, true, 3, 0},
        {{DDERR_WASSTILLDRAWING, DDERR_SURFACELOST}, false, 2, 1},
        {{DDERR_GENERIC}, false, 1, 0},
    };
    auto device = MakeDevice();
    ASSERT_EQ(device->ready, 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flipCalls);
        fake::record.primary.flips = 0;
        fake::record.primary.restores = 0;
        fake::script.flips = c.flips;
        EXPECT_EQ(device->Present(), c.shown);
        EXPECT_EQ(fake::record.primary.flips, c.flipCalls);
        EXPECT_EQ(fake::record.primary.flipFlags, static_cast<DWORD>(DDFLIP_WAIT));
        EXPECT_EQ(fake::record.primary.restores, c.restores);
    }
    DestroyWindow(device->window);
    EXPECT_TRUE(DrainQueue());
}

TEST_F(DeviceTest, SurfaceDescriptionAndLockFailuresAreLogged)
{
    fake::script.surfaceDescription = DDERR_GENERIC;
    auto device = MakeDevice();
    EXPECT_EQ(device->ready, 1) << "an unreadable description does not stop construction";
    EXPECT_EQ(device->back->width, 0);
    EXPECT_EQ(ReadLog(), OnDisk("Starting log\n\n!! Error getting Surface description\n"
                                "!! Error getting Surface description\n"));

    // A good lock, then a failed one that keeps the last pitch and stays unlocked.
    FrameSurface* back = device->back;
    uint8_t* pixels = back->Lock();
    EXPECT_EQ(pixels, fake::record.back.pixels.data());
    EXPECT_EQ(back->pitch, fake::Pitch());
    EXPECT_EQ(fake::record.back.lockFlags, static_cast<DWORD>(DDLOCK_WAIT));
    back->Unlock();
    back->Unlock();
    EXPECT_EQ(fake::record.back.unlocks, 1) << "Unlock on an unlocked surface makes no call";

    ErrorsLogged = 0;
    fake::script.lock = DDERR_SURFACEBUSY;
    EXPECT_EQ(back->Lock(), nullptr);
    EXPECT_EQ(back->locked, nullptr);
    EXPECT_EQ(back->pitch, fake::Pitch());
    back->Unlock();
    EXPECT_EQ(fake::record.back.unlocks, 1);
    EXPECT_EQ(ErrorsLogged, 0) << "a failed lock is a plain entry";
    EXPECT_EQ(ReadLog(), OnDisk("Starting log\n\n!! Error getting Surface description\n"
                                "!! Error getting Surface description\n"
                                "Error locking frame buffer: 0x887601ae\n"));

    // The text calls: a context is taken and always given back.
    EXPECT_TRUE(back->GetDC());
    EXPECT_NE(back->dc, nullptr);
    back->SetBkMode(TRANSPARENT);
    back->SetTextColor(RGB(255, 255, 255));
    back->DrawText(1, 1, "");
    back->ReleaseDC();
    EXPECT_EQ(back->dc, nullptr);
    EXPECT_EQ(fake::record.back.releaseDCs, 1);

    DestroyWindow(device->window);
    EXPECT_TRUE(DrainQueue());
}

TEST_F(DeviceTest, WithoutABackBufferNoAttachedSurfaceIsAsked)
{
    auto device = MakeDevice(64, 48, 0);
    EXPECT_EQ(device->ready, 1);
    EXPECT_EQ(fake::record.createSurfaceDesc.dwBackBufferCount, 0u);
    EXPECT_EQ(fake::record.attachedCalls, 0);
    EXPECT_EQ(device->back, nullptr);
    DestroyWindow(device->window);
    EXPECT_TRUE(DrainQueue());
    ExpectEverythingReleased();
}

}  // namespace
