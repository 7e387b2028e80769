// The saver window's key and mouse decisions.
#include "saver/shell/input_rules.h"

#include <gtest/gtest.h>

namespace {

uint32_t Position(uint32_t x, uint32_t y)
{
    return (y << 16) | x;
}

TEST(CommandForKey, OnlyTabShiftEscapeAndF1AreCommands)
{
    const struct {
        uint32_t key;
        KeyCommand command;
    } cases[] = {
        {9, KeyCommand::Capture},       {16, KeyCommand::Nothing},   {27, KeyCommand::ToggleStats},
        {112, KeyCommand::Restart},     {17, KeyCommand::Close},     // Ctrl
        {'Q', KeyCommand::Close},       {' ', KeyCommand::Close},    {13, KeyCommand::Close},
        {113, KeyCommand::Close},       // F2
        {160, KeyCommand::Close},       // left Shift's own code is not VK_SHIFT
        {8, KeyCommand::Close},         {10, KeyCommand::Close},     {26, KeyCommand::Close},
        {28, KeyCommand::Close},        {111, KeyCommand::Close},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(CommandForKey(c.key), c.command);
    }
}

TEST(MouseMoveCloses, CountdownOfTwoIgnoresTwoMovesWhereverTheyAre)
{
    int32_t countdown = 2;
    EXPECT_FALSE(MouseMoveCloses(&countdown, Position(400, 300)));
    EXPECT_EQ(countdown, 1);
    EXPECT_FALSE(MouseMoveCloses(&countdown, Position(5, 5)));
    EXPECT_EQ(countdown, 0);
    EXPECT_TRUE(MouseMoveCloses(&countdown, Position(1, 1)));
    EXPECT_EQ(countdown, 0);
}

TEST(MouseMoveCloses, SpentOrNegativeCountdownIsNeverChanged)
{
    for (int32_t start : {0, -1, -5, INT32_MIN}) {
        SCOPED_TRACE(start);
        int32_t countdown = start;
        EXPECT_TRUE(MouseMoveCloses(&countdown, Position(7, 9)));
        EXPECT_FALSE(MouseMoveCloses(&countdown, Position(0, 9)));
        EXPECT_EQ(countdown, start);
    }
}

TEST(MouseMoveCloses, MovesOnTheTopOrLeftEdgeNeverClose)
{
    const struct {
        uint32_t lParam;
        bool closes;
    } cases[] = {
        {Position(0, 0), false},      {Position(0, 599), false},   {Position(799, 0), false},
        {Position(1, 1), true},       {Position(0xFFFF, 1), true},  // x = -1, off the left edge
        {Position(0x10000 - 1, 0), false},
        {0x00010000u, false},         // y = 1, x = 0
        {0x00000001u, false},         // x = 1, y = 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lParam);
        int32_t countdown = 0;
        EXPECT_EQ(MouseMoveCloses(&countdown, c.lParam), c.closes);
    }
}

TEST(ActivatesApp, OneAndTwoActivate)
{
    EXPECT_TRUE(ActivatesApp(1));
    EXPECT_TRUE(ActivatesApp(2));
    EXPECT_FALSE(ActivatesApp(0));
    EXPECT_FALSE(ActivatesApp(3));
}

}  // namespace
