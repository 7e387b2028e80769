// BuildModeList against Wine's real DirectDraw in its virtual desktop.
#include <windows.h>
#include <ddraw.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "saver/display/ddraw_entry.h"
#include "saver/display/mode_list.h"

namespace {

struct DriverMode {
    DWORD width;
    DWORD height;
    DWORD bits;
    DWORD flags;
};

HRESULT WINAPI Collect(DDSURFACEDESC* desc, void* context)
{
    static_cast<std::vector<DriverMode>*>(context)->push_back(
        {desc->dwWidth, desc->dwHeight, desc->ddpfPixelFormat.dwRGBBitCount, desc->ddpfPixelFormat.dwFlags});
    return DDENUMRET_OK;
}

std::vector<DriverMode> DriverModes()
{
    std::vector<DriverMode> modes;
    IDirectDraw* directDraw = nullptr;
    if (DirectDrawCreate(nullptr, &directDraw, nullptr) != DD_OK)
        return modes;
    directDraw->EnumDisplayModes(0, nullptr, &modes, Collect);
    ReleaseAll(directDraw);
    return modes;
}

TEST(DisplayModesWine, RealListIsTheEightBitModesOrderedByHeight)
{
    std::vector<DriverMode> driver = DriverModes();
    std::vector<std::string> expected;
    std::vector<DriverMode> eightBit;
    for (const DriverMode& mode : driver) {
        if (mode.flags & DDPF_PALETTEINDEXED8) {
            EXPECT_EQ(mode.bits, 8u);
            eightBit.push_back(mode);
        }
    }
    std::stable_sort(eightBit.begin(), eightBit.end(),
                     [](const DriverMode& a, const DriverMode& b) { return a.height < b.height; });
    for (const DriverMode& mode : eightBit)
        expected.push_back(std::to_string(mode.width) + "x" + std::to_string(mode.height));
    // The bench's virtual desktop offers 8-bit modes alongside 16 and 32 bit ones.
    ASSERT_FALSE(expected.empty());
    ASSERT_LT(expected.size(), driver.size());

    ASSERT_TRUE(BuildModeList());
    std::vector<std::string> listed;
    for (DisplayMode* mode = FirstMode(); mode != nullptr; mode = NextMode())
        listed.push_back(mode->text);
    EXPECT_EQ(listed, expected);
    EXPECT_NE(std::find(listed.begin(), listed.end(), "640x480"), listed.end());
}

TEST(DisplayModesWine, RebuildingGivesTheSameList)
{
    ASSERT_TRUE(BuildModeList());
    int32_t first = ModeList.Count();
    ASSERT_TRUE(BuildModeList());
    EXPECT_EQ(ModeList.Count(), first);
}

HRESULT WINAPI NoDirectDraw(GUID*, IDirectDraw**, IUnknown*)
{
    return DDERR_NODIRECTDRAWHW;
}

TEST(DisplayModesWine, WithoutDirectDrawTheListIsLeftAsItWas)
{
    ASSERT_TRUE(BuildModeList());
    int32_t before = ModeList.Count();
    DirectDrawCreateFunction real = DirectDrawCreateEntry;
    DirectDrawCreateEntry = NoDirectDraw;
    EXPECT_FALSE(BuildModeList());
    DirectDrawCreateEntry = real;
    EXPECT_EQ(ModeList.Count(), before);
}

}  // namespace
