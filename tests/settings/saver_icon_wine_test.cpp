// The icon that Tarnovelle.scr carries as resource 104: both sizes present,
// in 16 colours (which every Windows display shows), and each image usable.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "tests/wine/bench.h"

namespace {

#pragma pack(push, 2)
struct IconGroupHeader {
    WORD reserved;
    WORD type;  // 1: icon
    WORD count;
};
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;  // of the RT_ICON resource with the image
};
#pragma pack(pop)

TEST(SaverIconWine, Icon104Holds32And16PixelImagesIn16Colours)
{
    HMODULE saver = LoadLibraryExA(bench::BuildPath("Tarnovelle.scr").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(saver, nullptr);
    HRSRC group = FindResourceA(saver, MAKEINTRESOURCEA(104), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    auto* header = static_cast<const IconGroupHeader*>(LockResource(LoadResource(saver, group)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->type, 1);
    auto* entries = reinterpret_cast<const IconGroupEntry*>(header + 1);

    std::set<std::pair<int, int>> sizes;
    for (WORD i = 0; i < header->count; ++i) {
        const IconGroupEntry& entry = entries[i];
        SCOPED_TRACE(entry.width);
        sizes.insert({entry.width, entry.height});
        EXPECT_EQ(entry.colorCount, 16);
        EXPECT_EQ(entry.bitCount, 4);
        HRSRC image = FindResourceA(saver, MAKEINTRESOURCEA(entry.id), MAKEINTRESOURCEA(3));  // RT_ICON
        ASSERT_NE(image, nullptr);
        ASSERT_EQ(SizeofResource(saver, image), entry.bytes);
        auto* bits = static_cast<BYTE*>(LockResource(LoadResource(saver, image)));
        ASSERT_NE(bits, nullptr);
        auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(bits);
        EXPECT_EQ(info->biWidth, entry.width);
        EXPECT_EQ(info->biHeight, 2 * entry.height);  // colour bits and mask
        EXPECT_EQ(info->biBitCount, 4);
        HICON icon = CreateIconFromResourceEx(bits, entry.bytes, TRUE, 0x00030000, entry.width, entry.height, 0);
        EXPECT_NE(icon, nullptr);
        if (icon != nullptr)
            DestroyIcon(icon);
    }
    EXPECT_EQ(sizes, (std::set<std::pair<int, int>>{{32, 32}, {16, 16}}));
    FreeLibrary(saver);
}

}  // namespace
