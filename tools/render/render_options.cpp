// Parsing the headless renderer's options: strict numbers, settings limits.
#include "tools/render/render_options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "saver/settings/settings.h"

const char RenderUsage[] =
    "usage: tarnovelle-render --width W --height H --seed S [--waves N] [--morph-speed M]\n"
    "                         [--roughness R] [--color-cycle C] [--frames F]\n"
    "                         (--out FILE.bmp | --png FILE.png | both)\n"
    "Renders frame F (default 1) of the Tarnovelle animation for seed S (0: the clock)\n"
    "at a W x H display (default 640 x 480) as an 8-bit bitmap and/or PNG.\n"
    "Defaults: 6 waves, morph speed 2, roughness 0, colour cycling 3 (Cycle+Morph).\n";

namespace {

// A whole decimal number (an optional minus, then digits, nothing else)
// within low..high.
bool ParseNumber(const char* text, long long low, long long high, long long* value)
{
    const char* p = text;
    if (*p == '-')
        ++p;
    if (*p < '0' || *p > '9')
        return false;
    for (const char* q = p; *q != '\0'; ++q) {
        if (*q < '0' || *q > '9')
            return false;
    }
    errno = 0;
    char* end = nullptr;
    long long parsed = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high)
        return false;
    *value = parsed;
    return true;
}

// A numeric option: its range and where its value goes. The settings among
// them are held to the limits the saver's settings store applies.
struct NumberOption {
    const char* name;
    long long low;
    long long high;
    void (*store)(RenderOptions* options, long long value);
};

int32_t Int(long long value)
{
    return static_cast<int32_t>(value);
}

const NumberOption NumberOptions[] = {
    {"--width", 1, MaxRenderSide, [](RenderOptions* o, long long v) { o->width = Int(v); }},
    {"--height", 1, MaxRenderSide, [](RenderOptions* o, long long v) { o->height = Int(v); }},
    {"--seed", 0, UINT32_MAX, [](RenderOptions* o, long long v) { o->seed = static_cast<uint32_t>(v); }},
    {"--waves", INT32_MIN, INT32_MAX,
     [](RenderOptions* o, long long v) { o->waves = HoldToLimits(Int(v), UseCurvesLimits); }},
    {"--morph-speed", INT32_MIN, INT32_MAX,
     [](RenderOptions* o, long long v) { o->morphSpeed = HoldToLimits(Int(v), MorphSpeedLimits); }},
    {"--roughness", INT32_MIN, INT32_MAX,
     [](RenderOptions* o, long long v) { o->roughness = HoldToLimits(Int(v), RoughnessLimits); }},
    {"--color-cycle", INT32_MIN, INT32_MAX,
     [](RenderOptions* o, long long v) { o->colorCycle = HoldToLimits(Int(v), ColorCycleModeLimits); }},
    {"--frames", 1, UINT32_MAX, [](RenderOptions* o, long long v) { o->frames = static_cast<uint32_t>(v); }},
};

std::string Problem(const char* option, const char* what)
{
    return std::string(option) + ": " + what;
}

}  // namespace

std::string ParseRenderOptions(int argc, const char* const* argv, RenderOptions* options)
{
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) {
            options->help = true;
            continue;
        }
        bool isPath = std::strcmp(option, "--out") == 0 || std::strcmp(option, "--png") == 0;
        const NumberOption* number = nullptr;
        for (const NumberOption& candidate : NumberOptions) {
            if (std::strcmp(option, candidate.name) == 0)
                number = &candidate;
        }
        if (!isPath && number == nullptr)
            return Problem(option, "unknown option");
        if (i + 1 >= argc)
            return Problem(option, "missing value");
        const char* text = argv[++i];
        if (isPath) {
            if (*text == '\0')
                return Problem(option, "empty file name");
            (std::strcmp(option, "--out") == 0 ? options->bmpPath : options->pngPath) = text;
            continue;
        }
        long long value = 0;
        if (!ParseNumber(text, number->low, number->high, &value)) {
            std::string what = "not a number in " + std::to_string(number->low) + ".."
                               + std::to_string(number->high) + ": '" + text + "'";
            return Problem(option, what.c_str());
        }
        number->store(options, value);
    }
    if (!options->help && options->bmpPath.empty() && options->pngPath.empty())
        return "no output: give --out FILE.bmp and/or --png FILE.png";
    return "";
}
