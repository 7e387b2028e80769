// The settings dialog's arithmetic: scroll steps and limits, typed values and
// the Preview command line.
#include "saver/settings/config_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(ScrolledValue, StepsAndLimitsOfBothBars)
{
    const struct {
        const char* what;
        const ScrollRule* rule;
        int32_t current;
        uint32_t code;
        uint32_t thumb;
        int32_t expected;
    } cases[] = {
        {"roughness line left", &RoughnessScroll, 500, ScrollLineLeft, 0, 499},
        {"roughness line right", &RoughnessScroll, 500, ScrollLineRight, 0, 501},
        {"roughness page left", &RoughnessScroll, 500, ScrollPageLeft, 0, 450},
        {"roughness page right", &RoughnessScroll, 500, ScrollPageRight, 0, 550},
        {"roughness page left stops at 0", &RoughnessScroll, 30, ScrollPageLeft, 0, 0},
        {"roughness line left at 0", &RoughnessScroll, 0, ScrollLineLeft, 0, 0},
        {"roughness page right stops at 1000", &RoughnessScroll, 980, ScrollPageRight, 0, 1000},
        {"roughness thumb track", &RoughnessScroll, 5, ScrollThumbTrack, 777, 777},
        {"roughness thumb position changes nothing", &RoughnessScroll, 5, ScrollThumbPosition, 777, 5},
        {"morph line left", &MorphSpeedScroll, 20, ScrollLineLeft, 0, 19},
        {"morph line right", &MorphSpeedScroll, 20, ScrollLineRight, 0, 21},
        {"morph page left", &MorphSpeedScroll, 20, ScrollPageLeft, 0, 10},
        {"morph page right", &MorphSpeedScroll, 20, ScrollPageRight, 0, 30},
        {"morph line left stops at 1", &MorphSpeedScroll, 1, ScrollLineLeft, 0, 1},
        {"morph page left stops at 1", &MorphSpeedScroll, 5, ScrollPageLeft, 0, 1},
        {"morph page right stops at 50", &MorphSpeedScroll, 45, ScrollPageRight, 0, 50},
        {"morph thumb track", &MorphSpeedScroll, 2, ScrollThumbTrack, 33, 33},
        {"morph thumb track beyond the range", &MorphSpeedScroll, 2, ScrollThumbTrack, 65535, 50},
        // Codes that step nothing still pull an out-of-range value in.
        {"stored 500, end scroll", &MorphSpeedScroll, 500, 8, 0, 50},
        {"stored 500, line left", &MorphSpeedScroll, 500, ScrollLineLeft, 0, 50},
        {"stored 0, thumb position", &MorphSpeedScroll, 0, ScrollThumbPosition, 0, 1},
        {"largest stored value, page right", &MorphSpeedScroll, INT32_MAX, ScrollPageRight, 0, 50},
        {"smallest value, page left", &RoughnessScroll, INT32_MIN, ScrollPageLeft, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ScrolledValue(c.current, c.code, c.thumb, *c.rule), c.expected);
    }
}

TEST(TypedValue, WhenTheDialogIsToldAndWithWhichValue)
{
    const NumberLimits morph = MorphSpeedScroll.limits;
    const NumberLimits rough = RoughnessScroll.limits;
    const struct {
        const char* what;
        const char* text;
        int32_t current;
        NumberLimits limits;
        bool send;
        int32_t value;
    } cases[] = {
        {"morph: new number in range", "9", 2, morph, true, 9},
        {"morph: same number", "9", 9, morph, false, 9},
        {"morph: 99 becomes 50", "99", 9, morph, true, 50},
        {"morph: 99 while already 50 still rewrites the box", "99", 50, morph, true, 50},
        {"morph: emptied box gives 1", "", 7, morph, true, 1},
        {"morph: emptied box that stood at a stored 0 changes nothing", "", 0, morph, false, 1},
        {"morph: 0 gives 1", "0", 1, morph, true, 1},
        {"morph: stored 500 kept while the box still says 500", "500", 500, morph, false, 50},
        {"morph: stored 500, one digit deleted", "50", 500, morph, true, 50},
        {"morph: stored 500, digit added", "5009", 500, morph, true, 50},
        {"rough: emptied box from a nonzero value", "", 345, rough, true, 0},
        {"rough: emptied box that held 0 stays empty", "", 0, rough, false, 0},
        {"rough: 1500 becomes 1000", "1500", 20, rough, true, 1000},
        {"rough: 9999 while already 1000", "9999", 1000, rough, true, 1000},
        {"rough: leading zeros, same number", "0012", 12, rough, false, 12},
        {"rough: pasted minus sign", "-5", 3, rough, true, 0},
        {"rough: digits then text read like atoi", "12ab", 3, rough, true, 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TypedChange change = TypedValue(c.text, c.current, c.limits);
        EXPECT_EQ(change.send, c.send);
        EXPECT_EQ(change.value, c.value);
    }
}

TEST(FormatPreviewCommand, QuotesThePathSoBlanksCannotStartAnotherProgram)
{
    char buffer[300];
    ASSERT_TRUE(FormatPreviewCommand(buffer, sizeof buffer, "C:\\Program Files\\Tarnovelle\\Tarnovelle.scr"));
    EXPECT_STREQ(buffer, "\"C:\\Program Files\\Tarnovelle\\Tarnovelle.scr\" /s");
    ASSERT_TRUE(FormatPreviewCommand(buffer, sizeof buffer, "C:\\WINDOWS\\TARNOV~1.EXE"));
    EXPECT_STREQ(buffer, "\"C:\\WINDOWS\\TARNOV~1.EXE\" /s");
}

TEST(FormatPreviewCommand, RefusesAnEmptyPathAndALineThatDoesNotFit)
{
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_FALSE(FormatPreviewCommand(buffer, sizeof buffer, ""));
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(FormatPreviewCommand(buffer, sizeof buffer, nullptr));

    // "C:\a.scr" needs 2 + 8 + 3 + 1 = 14 bytes; one byte less must not run a
    // cut-off command.
    EXPECT_TRUE(FormatPreviewCommand(buffer, 14, "C:\\a.scr"));
    EXPECT_STREQ(buffer, "\"C:\\a.scr\" /s");
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_FALSE(FormatPreviewCommand(buffer, 13, "C:\\a.scr"));
    EXPECT_STREQ(buffer, "");

    // A path of 259 characters (the longest a 260-byte buffer holds) needs 265 bytes.
    std::string longPath = "C:\\" + std::string(256, 'd');
    char line[265];
    EXPECT_TRUE(FormatPreviewCommand(line, sizeof line, longPath.c_str()));
    EXPECT_EQ(std::string(line), "\"" + longPath + "\" /s");
    EXPECT_FALSE(FormatPreviewCommand(line, sizeof line - 1, longPath.c_str()));
    EXPECT_FALSE(FormatPreviewCommand(buffer, 0, "C:\\a.scr"));
}

}  // namespace
