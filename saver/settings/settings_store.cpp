// LoadSettings and SaveSettings: the settings' registry values, in their order.
#include "saver/settings/settings_store.h"

#include "saver/display/mode_list.h"
#include "saver/settings/registry.h"
#include "saver/settings/settings.h"

static int32_t ReadNumber(const char* name, int32_t defaultValue)
{
    return RegReadInt(SettingsRoot, SettingsKey, name, defaultValue);
}

static void WriteNumber(const char* name, int32_t value)
{
    RegWriteInt(SettingsRoot, SettingsKey, name, value);
}

int LoadSettings()
{
    MainSeed = static_cast<uint32_t>(ReadNumber("MainSeed", 0));
    Resolution = HoldToLimits(ReadNumber("Resolution", 9999), ResolutionLimits);

    BuildModeList();
    ModeChoice mode = ModeForIndex(Resolution);
    DisplayWidth = mode.width;
    DisplayHeight = mode.height;
    if (mode.corrected) {
        Resolution = mode.position;
        WriteNumber("Resolution", Resolution);
    }
    if (DisplayWidth == 0 && DisplayHeight == 0)
        return 1;
    ScreenClass = ScreenClassForWidth(DisplayWidth);

    MorphSpeed = HoldToLimits(ReadNumber("MorphSpeed", 2), MorphSpeedLimits);
    UseCurves = HoldToLimits(ReadNumber("UseCurves", 6), UseCurvesLimits);
    Roughness = HoldToLimits(ReadNumber("Roughness", 0), RoughnessLimits);
    ColorCycleMode = HoldToLimits(ReadNumber("ColorCycleMode", 3), ColorCycleModeLimits);
    MouseMoveCountdown = ReadNumber("IgnoreMouseMoves", 2);
    RegReadString(SettingsRoot, SettingsKey, "SongDir", SongDir, sizeof SongDir, "");
    return 0;
}

void SaveSettings()
{
    WriteNumber("MainSeed", static_cast<int32_t>(MainSeed));
    WriteNumber("Resolution", Resolution);
    WriteNumber("MorphSpeed", MorphSpeed);
    WriteNumber("UseCurves", UseCurves);
    WriteNumber("Roughness", Roughness);
    WriteNumber("ColorCycleMode", ColorCycleMode);
    WriteNumber("IgnoreMouseMoves", MouseMoveCountdown);
    RegWriteString(SettingsRoot, SettingsKey, "SongDir", SongDir);
}
