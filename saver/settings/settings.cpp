// The settings' process-wide values and their portable rules.
#include "saver/settings/settings.h"

uint32_t MainSeed;
int32_t Resolution;
int32_t MorphSpeed;
int32_t UseCurves;
int32_t Roughness;
int32_t ColorCycleMode;
char SongDir[PathBufferSize];
uint32_t LastSeed;
int32_t MouseMoveCountdown;
int32_t DisplayWidth;
int32_t DisplayHeight;
int32_t ScreenClass;

int32_t HoldToLimits(int32_t value, NumberLimits limits)
{
    if (value < limits.low)
        return limits.low;
    if (value > limits.high)
        return limits.high;
    return value;
}

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int32_t TextToNumber(const char* text)
{
    const char* p = text;
    while (IsBlank(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    uint32_t value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10u + static_cast<uint32_t>(*p - '0');
        ++p;
    }
    if (negative)
        value = 0u - value;
    return static_cast<int32_t>(value);
}

int32_t ScreenClassForWidth(int32_t width)
{
    if (width >= 1 && width <= 512)
        return 0;
    if (width > 512 && width <= 1024)
        return 1;
    return 2;
}
