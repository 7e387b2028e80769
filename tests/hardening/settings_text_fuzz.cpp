// Fuzz target: registry text to a setting's number (atoi's reading, wrapping
// modulo 2^32) and the limits the load holds each number to.
#include <cerrno>
#include <cinttypes>
#include <climits>
#include <string>

#include "saver/settings/settings.h"
#include "tests/hardening/fuzz_check.h"

namespace {

bool IsCBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The model: the digit run after blanks and one sign, folded from its last
// digit backwards with powers of ten modulo 2^32.
uint32_t ModelBits(const char* text, std::size_t* digits)
{
    const char* p = text;
    while (IsCBlank(*p))
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    const char* first = p;
    while (*p >= '0' && *p <= '9')
        ++p;
    *digits = static_cast<std::size_t>(p - first);
    uint32_t value = 0;
    uint32_t power = 1;
    for (const char* d = p; d != first; --d) {
        value += static_cast<uint32_t>(d[-1] - '0') * power;
        power *= 10u;
    }
    return negative ? 0u - value : value;
}

void CheckLimits(int32_t value, NumberLimits limits)
{
    int32_t held = HoldToLimits(value, limits);
    FUZZ_CHECK(held >= limits.low && held <= limits.high);
    if (value >= limits.low && value <= limits.high)
        FUZZ_CHECK(held == value);
    else
        FUZZ_CHECK(held == (value < limits.low ? limits.low : limits.high));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    // A registry value read as text ends at its first zero byte.
    std::string stored(reinterpret_cast<const char*>(data), size);
    const char* text = stored.c_str();

    int32_t value = TextToNumber(text);
    std::size_t digits = 0;
    FUZZ_CHECK(static_cast<uint32_t>(value) == ModelBits(text, &digits));

    // Where the C library's own reading is defined, it agrees: strtoll for any
    // digit run that fits 64 bits, atoi itself within 32 bits.
    if (digits <= 18) {
        errno = 0;
        long long wide = std::strtoll(text, nullptr, 10);
        FUZZ_CHECK(errno == 0);
        FUZZ_CHECK(static_cast<uint32_t>(static_cast<unsigned long long>(wide)) == static_cast<uint32_t>(value));
        if (wide >= INT32_MIN && wide <= INT32_MAX)
            FUZZ_CHECK(std::atoi(text) == value);
    }

    // The text a save writes ("%d") reads back to the same number.
    char saved[16];
    std::snprintf(saved, sizeof saved, "%" PRId32, value);
    FUZZ_CHECK(TextToNumber(saved) == value);

    for (NumberLimits limits : {ResolutionLimits, MorphSpeedLimits, UseCurvesLimits, RoughnessLimits,
                                ColorCycleModeLimits})
        CheckLimits(value, limits);

    int32_t screenClass = ScreenClassForWidth(value);
    FUZZ_CHECK(screenClass == (value >= 1 && value <= 512 ? 0 : value >= 513 && value <= 1024 ? 1 : 2));
    return 0;
}
