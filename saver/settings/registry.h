// Registry values as REG_SZ text: the settings' only storage.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

// HKEY_CURRENT_USER\Software\HollisFernby\Tarnovelle
extern const HKEY SettingsRoot;
extern const char SettingsKey[];

// Writes text as a REG_SZ value (terminator included), creating the key when it
// cannot be opened; nothing is written when neither works.
void RegWriteString(HKEY root, const char* subkey, const char* name, const char* text);

// Writes value as its signed decimal text.
void RegWriteInt(HKEY root, const char* subkey, const char* name, int32_t value);

// Reads a value as text into buffer (always zero-terminated). A value that
// cannot be read — missing, or with more characters than the buffer holds —
// is replaced in the registry by defaultText, which is also what the buffer
// then holds. Returns 0.
int RegReadString(HKEY root, const char* subkey, const char* name, char* buffer,
                  std::size_t bufferSize, const char* defaultText);

// A number read as text (256-byte buffer) with TextToNumber; missing or
// unreadable values are written back with the default's text.
int32_t RegReadInt(HKEY root, const char* subkey, const char* name, int32_t defaultValue);
