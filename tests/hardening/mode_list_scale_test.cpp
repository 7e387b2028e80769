// The display-mode list with thousands of modes, as a driver with many sizes
// might report them: the height sort stays stable over long runs of equal
// heights, ModeForIndex finds every position and corrects those past the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "saver/display/mode_list.h"

namespace {

constexpr uint32_t Palettised = PixelFormatPaletteIndexed8;
constexpr int Count = 5000;

struct Mode {
    int32_t width;
    int32_t height;
};

// Ten heights, each used by hundreds of modes, enumerated out of order. The
// width numbers the mode within its height in enumeration order, so a sort
// that is not stable shows in the widths. Three modes are 320x200, the
// smallest in both dimensions; all others are wider or taller than it, some
// narrower but taller, which never makes a mode "smaller".
std::vector<Mode> DriverModes()
{
    const int32_t heights[] = {768, 200, 480, 600, 240, 1024, 384, 400, 300, 576};
    std::vector<int> perHeight(10, 0);
    std::vector<Mode> modes;
    for (int i = 0; i < Count; ++i) {
        int h = (i * 7) % 10;
        int32_t width = 400 + perHeight[h]++;
        if (heights[h] >= 480 && i % 11 == 0)
            width = 100 + perHeight[h];  // narrower than 320 but taller than 200
        modes.push_back({width, heights[h]});
    }
    modes[17] = {320, 200};
    modes[2503] = {320, 200};
    modes[4991] = {320, 200};
    return modes;
}

struct ModeListScale : ::testing::Test {
    void SetUp() override
    {
        ClearModeList();
        modes = DriverModes();
        for (const Mode& mode : modes)
            ASSERT_TRUE(AddEnumeratedMode(Palettised, static_cast<uint32_t>(mode.width),
                                          static_cast<uint32_t>(mode.height)));
        SortModeList();
        expected = modes;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const Mode& a, const Mode& b) { return a.height < b.height; });
    }
    void TearDown() override { ClearModeList(); }

    std::vector<Mode> modes;     // as the driver reported them
    std::vector<Mode> expected;  // stably sorted by height
};

TEST_F(ModeListScale, SortIsStableAndTheLinksHold)
{
    ASSERT_EQ(ModeList.Count(), Count);
    std::vector<Mode> walked;
    for (DisplayMode* mode = FirstMode(); mode != nullptr; mode = NextMode()) {
        walked.push_back({mode->width, mode->height});
        ASSERT_EQ(std::string(mode->text), std::to_string(mode->width) + "x" + std::to_string(mode->height));
    }
    ASSERT_EQ(walked.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(walked[i].width, expected[i].width);
        ASSERT_EQ(walked[i].height, expected[i].height);
    }
    // Back from the tail, the prev links give the same list reversed.
    size_t back = expected.size();
    for (ListNode* node = ModeList.tail; node != nullptr; node = node->prev) {
        ASSERT_GT(back, 0u);
        --back;
        ASSERT_EQ(static_cast<DisplayMode*>(node)->width, expected[back].width);
    }
    EXPECT_EQ(back, 0u);
    EXPECT_EQ(NextMode(), nullptr) << "the walk ended at the tail";
}

TEST_F(ModeListScale, EveryPositionIsFoundAndThoseBeyondAreCorrected)
{
    for (int32_t position = 0; position < Count; ++position) {
        ModeChoice choice = ModeForIndex(position);
        ASSERT_FALSE(choice.corrected) << position;
        ASSERT_EQ(choice.position, position);
        ASSERT_EQ(choice.width, expected[static_cast<size_t>(position)].width) << position;
        ASSERT_EQ(choice.height, expected[static_cast<size_t>(position)].height) << position;
    }

    // The three 320x200 modes stand among the other height-200 modes in
    // driver order; past the end the last of them is chosen.
    int32_t lastSmallest = -1;
    for (size_t i = 0; i < expected.size(); ++i) {
        if (expected[i].width == 320 && expected[i].height == 200)
            lastSmallest = static_cast<int32_t>(i);
    }
    ASSERT_GT(lastSmallest, 0);
    for (int32_t beyond : {Count, Count + 1, 9999, INT32_MAX}) {
        SCOPED_TRACE(beyond);
        ModeChoice choice = ModeForIndex(beyond);
        EXPECT_TRUE(choice.corrected);
        EXPECT_EQ(choice.position, lastSmallest);
        EXPECT_EQ(choice.width, 320);
        EXPECT_EQ(choice.height, 200);
    }
}

}  // namespace
