// The settings dialog's arithmetic: scroll steps and limits, typed values,
// the Preview command line.
#include "saver/settings/config_rules.h"

#include <cstdio>

int32_t ScrolledValue(int32_t current, uint32_t code, uint32_t thumb, const ScrollRule& rule)
{
    int64_t value = current;
    switch (code) {
    case ScrollLineLeft:
        value -= rule.lineStep;
        break;
    case ScrollLineRight:
        value += rule.lineStep;
        break;
    case ScrollPageLeft:
        value -= rule.pageStep;
        break;
    case ScrollPageRight:
        value += rule.pageStep;
        break;
    case ScrollThumbTrack:
        value = thumb;
        break;
    default:
        break;
    }
    if (value < rule.limits.low)
        return rule.limits.low;
    if (value > rule.limits.high)
        return rule.limits.high;
    return static_cast<int32_t>(value);
}

TypedChange TypedValue(const char* text, int32_t current, NumberLimits limits)
{
    int32_t typed = TextToNumber(text);
    int32_t held = HoldToLimits(typed, limits);
    return TypedChange{typed != current, held};
}

bool FormatPreviewCommand(char* buffer, std::size_t bufferSize, const char* modulePath)
{
    if (bufferSize == 0)
        return false;
    buffer[0] = '\0';
    if (modulePath == nullptr || modulePath[0] == '\0')
        return false;
    int length = std::snprintf(buffer, bufferSize, "\"%s\" /s", modulePath);
    if (length < 0 || static_cast<std::size_t>(length) >= bufferSize) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}
