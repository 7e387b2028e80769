// The settings dialog's arithmetic, free of Windows: the scroll bars' steps and
// limits, the rule for a value typed into a box, and the Preview command line.
#pragma once
#include <cstddef>
#include <cstdint>

#include "saver/settings/settings.h"

// A horizontal scroll bar of the dialog: its range, line step and page step.
struct ScrollRule {
    NumberLimits limits;
    int32_t lineStep;
    int32_t pageStep;
};

constexpr ScrollRule MorphSpeedScroll{{1, 50}, 1, 10};
constexpr ScrollRule RoughnessScroll{{0, 1000}, 1, 50};

// The scroll codes of WM_HSCROLL that change a value (the same numbers as
// SB_LINELEFT .. SB_THUMBTRACK); every other code leaves the value as it is.
constexpr uint32_t ScrollLineLeft = 0;
constexpr uint32_t ScrollLineRight = 1;
constexpr uint32_t ScrollPageLeft = 2;
constexpr uint32_t ScrollPageRight = 3;
constexpr uint32_t ScrollThumbPosition = 4;
constexpr uint32_t ScrollThumbTrack = 5;

// The value after one scroll message: stepped by the code (the thumb's track
// position for ScrollThumbTrack, nothing for ScrollThumbPosition and the rest),
// then held to the rule's limits. A value from outside the range (a MorphSpeed
// of 500 from the registry) is therefore pulled into it by any scroll message.
// The step is taken in 64 bits, so no stored value can overflow it.
int32_t ScrolledValue(int32_t current, uint32_t code, uint32_t thumb, const ScrollRule& rule);

// What a key release in a value box does with the box's text.
struct TypedChange {
    bool send;      // tell the dialog: box, bar and value become `value`
    int32_t value;  // the typed number held to the limits
};

// The typed number (read as atoi reads it) held to the limits. The dialog is
// told whenever the typed number differs from the current value, and then gets
// the held number, so that an over-large or emptied entry is replaced in the
// box straight away (99 in Morph Speed becomes 50, an emptied Morph Speed box
// 1). A key release that leaves the number as it was changes nothing: an
// emptied Roughness box that stood at 0 stays empty, and a stored Morph Speed
// of 500 survives a key release (tabbing into its box) until the number changes.
TypedChange TypedValue(const char* text, int32_t current, NumberLimits limits);

// The command line that starts this program for a preview run: the module
// path in double quotes, then " /s". Quoted because the program may live in a
// folder whose name has blanks, where an unquoted path would make Windows
// start a different program (C:\Program.exe for C:\Program Files\...). False,
// with an empty buffer, when the path is empty or the line does not fit.
bool FormatPreviewCommand(char* buffer, std::size_t bufferSize, const char* modulePath);
