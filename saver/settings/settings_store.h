// Loading and saving the settings under SettingsKey.
#pragma once

// Reads every setting (writing the default of each value that cannot be read),
// holds the numbers to their limits in memory, and chooses the display mode,
// DisplayWidth, DisplayHeight and ScreenClass. Returns 0, or the exit code 1
// with which the process must end at once: the chosen mode is 0 x 0 pixels.
int LoadSettings();

// Writes what the configuration dialog edits, as it is in memory.
void SaveSettings();
