// The real saver driven from inside Wine.
#include "tests/shell/saver_driver.h"

namespace driver {

const char* const SettingsKey = "Software\\HollisFernby\\Tarnovelle";

void WriteSettings(const std::vector<std::pair<const char*, std::string>>& values)
{
    bench::DeleteKeyTree(HKEY_CURRENT_USER, SettingsKey);
    const std::pair<const char*, std::string> defaults[] = {
        {"MainSeed", "0"},   {"Resolution", "0"},     {"MorphSpeed", "2"},        {"UseCurves", "6"},
        {"Roughness", "0"},  {"ColorCycleMode", "3"}, {"IgnoreMouseMoves", "2"},  {"SongDir", ""},
    };
    for (const auto& value : defaults)
        bench::WriteText(HKEY_CURRENT_USER, SettingsKey, value.first, value.second);
    for (const auto& value : values)
        bench::WriteText(HKEY_CURRENT_USER, SettingsKey, value.first, value.second);
}

std::string CapturePath()
{
    return bench::WindowsDirectory() + "\\Tarnovelle.bmp";
}

bool Saver::Start(const std::string& arguments)
{
    if (!child.Start(bench::CommandLine(bench::BuildPath("Tarnovelle.scr"), arguments)))
        return false;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 10000) {
        HWND found = FindWindowA("Tarnovelle", "Tarnovelle");
        DWORD owner = 0;
        if (found != nullptr)
            GetWindowThreadProcessId(found, &owner);
        if (found != nullptr && owner == child.Id() && IsWindowVisible(found)) {
            window = found;
            return true;
        }
        if (!Running())
            return false;
        Sleep(10);
    }
    return false;
}

void Saver::Post(UINT message, WPARAM wParam, LPARAM lParam)
{
    PostMessageA(window, message, wParam, lParam);
}

bool Saver::Ended(DWORD timeoutMs, DWORD* exitCode)
{
    if (WaitForSingleObject(child.Handle(), timeoutMs) != WAIT_OBJECT_0)
        return false;
    DWORD code = 0;
    GetExitCodeProcess(child.Handle(), &code);
    if (exitCode != nullptr)
        *exitCode = code;
    return true;
}

bool WaitForFile(const std::string& path, size_t size, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) && data.nFileSizeHigh == 0
            && data.nFileSizeLow == size)
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(10);
    }
}

}  // namespace driver
