// SetRegString, KillRegKey and KillRegValue: every registry change the
// installer and the uninstaller make.
#include "setup/registry_edit.h"

#include <cstring>

#include "setup/install_log.h"

void SetRegString(HKEY root, const char* keyPath, const char* valueName, const char* text)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
        char keyClass[] = "REG_SZ";
        HKEY created = nullptr;
        DWORD disposition = 0;
        if (RegCreateKeyExA(root, keyPath, 0, keyClass, REG_OPTION_NON_VOLATILE, 0, nullptr,
                            &created, &disposition) != ERROR_SUCCESS)
            return;
        RegCloseKey(created);
        if (RegOpenKeyExA(root, keyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
            return;
    }
    RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>(std::strlen(text) + 1));
    RegCloseKey(key);
}

void KillRegKey(HKEY root, const char* path, const char* name)
{
    HKEY key = nullptr;
    LONG result = RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &key);
    if (result != ERROR_SUCCESS) {
        InstallLog("KillRegKey:RegOpenKeyEx() failed: %d\n", static_cast<int>(result));
        return;
    }
    result = RegDeleteKeyA(key, name);
    if (result != ERROR_SUCCESS)
        InstallLog("KillRegKey:RegDeleteKey() failed: %d\n", static_cast<int>(result));
    RegCloseKey(key);
}

void KillRegValue(HKEY root, const char* path, const char* name)
{
    HKEY key = nullptr;
    LONG result = RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &key);
    if (result != ERROR_SUCCESS) {
        InstallLog("KillRegValue:RegOpenKeyEx() failed: %d\n", static_cast<int>(result));
        return;
    }
    result = RegDeleteValueA(key, name);
    if (result != ERROR_SUCCESS)
        InstallLog("KillRegValue:RegDeleteValue() failed: %d\n", static_cast<int>(result));
    RegCloseKey(key);
}
