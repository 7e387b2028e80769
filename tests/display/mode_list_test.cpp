// The mode list fed with mode sequences as a driver reports them: filter, order,
// the cursor walk and ModeForIndex.
#include "saver/display/mode_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr uint32_t Palettised = PixelFormatPaletteIndexed8 | 0x40;  // 8-bit modes also carry DDPF_RGB
constexpr uint32_t TrueColour = 0x40;

struct Reported {
    uint32_t flags;
    uint32_t width;
    uint32_t height;
};

struct ModeListTest : ::testing::Test {
    void SetUp() override { ClearModeList(); }
    void TearDown() override { ClearModeList(); }

    static void Enumerate(const std::vector<Reported>& modes)
    {
        ClearModeList();
        for (const Reported& mode : modes)
            ASSERT_TRUE(AddEnumeratedMode(mode.flags, mode.width, mode.height));
        SortModeList();
    }

    static std::vector<std::string> Texts()
    {
        std::vector<std::string> texts;
        for (DisplayMode* mode = FirstMode(); mode != nullptr; mode = NextMode())
            texts.push_back(mode->text);
        return texts;
    }
};

using Names = std::vector<std::string>;

TEST_F(ModeListTest, SortsByHeight)
{
    Enumerate({{Palettised, 640, 480}, {Palettised, 800, 600}, {Palettised, 640, 400}, {Palettised, 320, 200}});
    EXPECT_EQ(Texts(), (Names{"320x200", "640x400", "640x480", "800x600"}));
    EXPECT_EQ(ModeList.Count(), 4);
}

TEST_F(ModeListTest, EqualHeightsKeepDriverOrderWhateverTheWidth)
{
    Enumerate({{Palettised, 720, 480}, {Palettised, 640, 480}, {Palettised, 1024, 200},
               {Palettised, 320, 200}, {Palettised, 720, 480}});
    EXPECT_EQ(Texts(), (Names{"1024x200", "320x200", "720x480", "640x480", "720x480"}));
}

TEST_F(ModeListTest, KeepsOnlyPalettisedEightBitModes)
{
    Enumerate({{TrueColour, 640, 480}, {Palettised, 800, 600}, {0, 320, 200}, {PixelFormatPaletteIndexed8, 512, 384}});
    EXPECT_EQ(Texts(), (Names{"512x384", "800x600"}));
}

TEST_F(ModeListTest, ReversedInputComesOutAscending)
{
    std::vector<Reported> modes;
    for (uint32_t h = 40; h > 0; --h)
        modes.push_back({Palettised, h * 10, h * 10});
    Enumerate(modes);
    int previous = 0;
    for (DisplayMode* mode = FirstMode(); mode != nullptr; mode = NextMode()) {
        EXPECT_GT(mode->height, previous);
        previous = mode->height;
    }
    EXPECT_EQ(ModeList.Count(), 40);
}

TEST_F(ModeListTest, CursorOnEmptyListAndAfterTheEnd)
{
    EXPECT_EQ(FirstMode(), nullptr);
    EXPECT_EQ(NextMode(), nullptr);
    Enumerate({{Palettised, 640, 480}});
    ASSERT_NE(FirstMode(), nullptr);
    EXPECT_EQ(NextMode(), nullptr);
    EXPECT_EQ(NextMode(), nullptr);  // the cursor stays null
}

struct IndexCase {
    int32_t position;
    int32_t width;
    int32_t height;
    int32_t resultPosition;
    bool corrected;
};

TEST_F(ModeListTest, ModeForIndex)
{
    Enumerate({{Palettised, 640, 480}, {Palettised, 800, 600}, {Palettised, 640, 400}, {Palettised, 320, 200}});
    const IndexCase cases[] = {
        {0, 320, 200, 0, false},
        {2, 640, 480, 2, false},
        {3, 800, 600, 3, false},
        {4, 320, 200, 0, true},
        {9999, 320, 200, 0, true},
    };
    for (const IndexCase& c : cases) {
        SCOPED_TRACE(c.position);
        ModeChoice choice = ModeForIndex(c.position);
        EXPECT_EQ(choice.width, c.width);
        EXPECT_EQ(choice.height, c.height);
        EXPECT_EQ(choice.position, c.resultPosition);
        EXPECT_EQ(choice.corrected, c.corrected);
    }
}

TEST_F(ModeListTest, ModeForIndexPastTheEndTakesTheLastOfTheSmallest)
{
    // Equal entries take over; a later entry must be no larger in both dimensions.
    Enumerate({{Palettised, 320, 200}, {Palettised, 640, 400}, {Palettised, 320, 200}, {Palettised, 300, 480}});
    ModeChoice choice = ModeForIndex(100);
    EXPECT_EQ(choice.width, 320);
    EXPECT_EQ(choice.height, 200);
    EXPECT_EQ(choice.position, 1);  // sorted: 320x200, 320x200, 640x400, 300x480
    EXPECT_TRUE(choice.corrected);
}

TEST_F(ModeListTest, ModeForIndexOnEmptyList)
{
    ModeChoice choice = ModeForIndex(0);
    EXPECT_EQ(choice.width, 100000);
    EXPECT_EQ(choice.height, 100000);
    EXPECT_EQ(choice.position, 0);
}

TEST_F(ModeListTest, ModeForIndexOverThousandsOfModes)
{
    std::vector<Reported> modes;
    for (uint32_t i = 0; i < 5000; ++i)
        modes.push_back({Palettised, 4000 - (i % 997), 100 + i});
    Enumerate(modes);
    ModeChoice last = ModeForIndex(4999);
    EXPECT_EQ(last.height, 5099);
    EXPECT_FALSE(last.corrected);
    ModeChoice past = ModeForIndex(5000);
    EXPECT_TRUE(past.corrected);
    EXPECT_EQ(past.width, 4000);  // the first mode: nothing later is no larger in both
    EXPECT_EQ(past.height, 100);
    EXPECT_EQ(past.position, 0);
}

}  // namespace
