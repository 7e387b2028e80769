// The installer's registry writes and deletions. Deletions write every
// failure to the install log; setting a string reports nothing.
#pragma once
#include <windows.h>

// Sets a REG_SZ value (with its terminating zero byte), creating the key if
// it is missing.
void SetRegString(HKEY root, const char* keyPath, const char* valueName, const char* text);

// Deletes the subkey `name` (which must have no subkeys) of the key at path.
void KillRegKey(HKEY root, const char* path, const char* name);

// Deletes the value `name` of the key at path.
void KillRegValue(HKEY root, const char* path, const char* name);
