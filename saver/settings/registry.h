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
//
// The value's type is not looked at: its bytes are the text, as far as their
// first zero byte (or their end). So a REG_EXPAND_SZ is taken unexpanded, a
// REG_MULTI_SZ gives its first string, an empty REG_BINARY the empty text, and
// a REG_DWORD its four bytes, lowest first: 12 (0C 00 00 00) is the text
// "\x0C", which reads as the number 0, while 0x00003231 (31 32 00 00) is "12".
// A value read this way, however odd, stays in the registry as it is.
//
// A key that may be read but not written (its security allows this user only
// reading) is read all the same; nothing is written to it, defaults included.
// A key that can be neither opened nor created gives the default, unwritten.
int RegReadString(HKEY root, const char* subkey, const char* name, char* buffer,
                  std::size_t bufferSize, const char* defaultText);

// A number read as text (256-byte buffer) with TextToNumber; missing or
// unreadable values are written back with the default's text.
int32_t RegReadInt(HKEY root, const char* subkey, const char* name, int32_t defaultValue);
