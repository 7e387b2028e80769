// The capture bitmap's bytes: headers, colour-table order, bottom-up padded rows.
#include "saver/display/bitmap_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

uint32_t Read32(const std::string& bytes, size_t at)
{
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

uint32_t Read16(const std::string& bytes, size_t at)
{
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8;
}

// Writes a bitmap through the functions under test into memory.
std::string Written(int32_t width, int32_t height, const std::vector<uint8_t>& palette,
                    const std::vector<uint8_t>& pixels, int32_t pitch)
{
    std::FILE* file = std::tmpfile();
    EXPECT_NE(file, nullptr);
    EXPECT_TRUE(WriteBitmapHeaders(file, width, height, palette.data()));
    EXPECT_TRUE(WriteBitmapRows(file, width, height, pixels.data(), pitch));
    std::string bytes(static_cast<size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), file), bytes.size());
    std::fclose(file);
    return bytes;
}

std::vector<uint8_t> RampPalette()
{
    std::vector<uint8_t> palette(1024);
    for (int i = 0; i < 256; ++i) {
        palette[4 * i + 0] = static_cast<uint8_t>(i);        // red
        palette[4 * i + 1] = static_cast<uint8_t>(255 - i);  // green
        palette[4 * i + 2] = static_cast<uint8_t>(i / 2);    // blue
        palette[4 * i + 3] = 1;                              // PC_RESERVED
    }
    palette[4 * 7 + 0] = 10;
    palette[4 * 7 + 1] = 20;
    palette[4 * 7 + 2] = 30;
    return palette;
}

TEST(BitmapFile, HeadersOfAn800x600Frame)
{
    std::vector<uint8_t> pixels(800 * 600, 5);
    std::string bytes = Written(800, 600, RampPalette(), pixels, 800);
    ASSERT_EQ(bytes.size(), 481078u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(Read32(bytes, 2), 481078u);
    EXPECT_EQ(Read32(bytes, 6), 0u);
    EXPECT_EQ(Read32(bytes, 10), 1078u);
    EXPECT_EQ(Read32(bytes, 14), 40u);
    EXPECT_EQ(Read32(bytes, 18), 800u);
    EXPECT_EQ(Read32(bytes, 22), 600u);
    EXPECT_EQ(Read16(bytes, 26), 1u);
    EXPECT_EQ(Read16(bytes, 28), 8u);
    EXPECT_EQ(Read32(bytes, 30), 0u);
    EXPECT_EQ(Read32(bytes, 34), 0u);
    EXPECT_EQ(Read32(bytes, 38), 1000u);
    EXPECT_EQ(Read32(bytes, 42), 1000u);
    EXPECT_EQ(Read32(bytes, 46), 256u);
    EXPECT_EQ(Read32(bytes, 50), 256u);
}

TEST(BitmapFile, ColourTableIsBlueGreenRedZero)
{
    std::vector<uint8_t> palette = RampPalette();
    std::string bytes = Written(4, 1, palette, std::vector<uint8_t>(4), 4);
    EXPECT_EQ(static_cast<uint8_t>(bytes[54 + 4 * 7 + 0]), 30);
    EXPECT_EQ(static_cast<uint8_t>(bytes[54 + 4 * 7 + 1]), 20);
    EXPECT_EQ(static_cast<uint8_t>(bytes[54 + 4 * 7 + 2]), 10);
    EXPECT_EQ(static_cast<uint8_t>(bytes[54 + 4 * 7 + 3]), 0);
    for (int i = 0; i < 256; ++i) {
        if (i == 7)
            continue;
        EXPECT_EQ(static_cast<uint8_t>(bytes[54 + 4 * i + 0]), i / 2);
        EXPECT_EQ(static_cast<uint8_t>(bytes[54 + 4 * i + 1]), 255 - i);
        EXPECT_EQ(static_cast<uint8_t>(bytes[54 + 4 * i + 2]), i);
        EXPECT_EQ(static_cast<uint8_t>(bytes[54 + 4 * i + 3]), 0);
    }
}

TEST(BitmapFile, RowsBottomUpPaddedAndSteppedByPitch)
{
    // 3 x 2 frame in a surface with a pitch of 8: row 0 = 1 2 3, row 1 = 4 5 6.
    std::vector<uint8_t> surface = {1, 2, 3, 99, 99, 99, 99, 99, 4, 5, 6, 99, 99, 99, 99, 99};
    std::string bytes = Written(3, 2, RampPalette(), surface, 8);
    ASSERT_EQ(bytes.size(), 1078u + 4u * 2u);
    EXPECT_EQ(Read32(bytes, 2), 1086u);
    const uint8_t expected[] = {4, 5, 6, 0, 1, 2, 3, 0};
    for (size_t i = 0; i < sizeof expected; ++i)
        EXPECT_EQ(static_cast<uint8_t>(bytes[1078 + i]), expected[i]) << i;
}

TEST(BitmapFile, RowLengths)
{
    EXPECT_EQ(BitmapRowLength(1), 4u);
    EXPECT_EQ(BitmapRowLength(4), 4u);
    EXPECT_EQ(BitmapRowLength(5), 8u);
    EXPECT_EQ(BitmapRowLength(641), 644u);
    EXPECT_EQ(BitmapRowLength(1024), 1024u);
}

}  // namespace
