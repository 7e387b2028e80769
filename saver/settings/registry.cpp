// Registry values as REG_SZ text: open-or-create, write, read with default.
#include "saver/settings/registry.h"

#include <cstdio>
#include <cstring>

#include "saver/settings/settings.h"

const HKEY SettingsRoot = HKEY_CURRENT_USER;
const char SettingsKey[] = "Software\\HollisFernby\\Tarnovelle";

static HKEY OpenOrCreateKey(HKEY root, const char* subkey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS)
        return key;
    char keyClass[] = "REG_SZ";
    DWORD disposition = 0;
    if (RegCreateKeyExA(root, subkey, 0, keyClass, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition)
        == ERROR_SUCCESS)
        return key;
    return nullptr;
}

static void SetStringValue(HKEY key, const char* name, const char* text)
{
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>(std::strlen(text) + 1));
}

void RegWriteString(HKEY root, const char* subkey, const char* name, const char* text)
{
    HKEY key = OpenOrCreateKey(root, subkey);
    if (key == nullptr)
        return;
    SetStringValue(key, name, text);
    RegCloseKey(key);
}

void RegWriteInt(HKEY root, const char* subkey, const char* name, int32_t value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    RegWriteString(root, subkey, name, text);
}

// Queries a value into buffer and makes it a zero-terminated text: the data's
// bytes as far as their first zero byte, whatever the value's type. Data that
// fills the whole buffer without any zero byte has more characters than the
// buffer can hold, and counts as unreadable like an oversized value.
static bool QueryText(HKEY key, const char* name, char* buffer, std::size_t bufferSize)
{
    if (key == nullptr || bufferSize == 0)
        return false;
    DWORD size = static_cast<DWORD>(bufferSize);
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size)
        != ERROR_SUCCESS)
        return false;
    if (size < bufferSize) {
        buffer[size] = '\0';
        return true;
    }
    return std::memchr(buffer, '\0', bufferSize) != nullptr;
}

int RegReadString(HKEY root, const char* subkey, const char* name, char* buffer,
                  std::size_t bufferSize, const char* defaultText)
{
    HKEY key = OpenOrCreateKey(root, subkey);
    bool writable = key != nullptr;
    // A key whose security lets this user read but not write (an administrator's
    // lock-down) still holds the user's values: read them, and write nothing.
    if (!writable && RegOpenKeyExA(root, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        key = nullptr;
    if (!QueryText(key, name, buffer, bufferSize)) {
        if (writable)
            SetStringValue(key, name, defaultText);
        std::snprintf(buffer, bufferSize, "%s", defaultText);
    }
    if (key != nullptr)
        RegCloseKey(key);
    return 0;
}

int32_t RegReadInt(HKEY root, const char* subkey, const char* name, int32_t defaultValue)
{
    char defaultText[32];
    std::snprintf(defaultText, sizeof defaultText, "%d", static_cast<int>(defaultValue));
    char buffer[256];
    RegReadString(root, subkey, name, buffer, sizeof buffer, defaultText);
    return TextToNumber(buffer);
}
