// The Wine bench inside Wine: processes, windows, registry and files for the tests.
#include "tests/wine/bench.h"

#include <cstdio>
#include <vector>

namespace bench {

std::string BuildPath(const char* name)
{
    std::string path = "Z:" TARNOVELLE_WIN32_BUILD_DIR "/";
    path += name;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

std::string CommandLine(const std::string& program, const std::string& arguments)
{
    std::string line = "\"" + program + "\"";
    if (!arguments.empty())
        line += " " + arguments;
    return line;
}

ChildProcess::~ChildProcess()
{
    if (process == nullptr)
        return;
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process, 255);
        WaitForSingleObject(process, 5000);
    }
    CloseHandle(process);
}

bool ChildProcess::Start(const std::string& commandLine, const char* directory)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, directory,
                        &startup, &info))
        return false;
    CloseHandle(info.hThread);
    process = info.hProcess;
    id = info.dwProcessId;
    return true;
}

bool ChildProcess::Wait(DWORD timeoutMs, DWORD* exitCode)
{
    if (process == nullptr)
        return false;
    if (WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process, 255);
        WaitForSingleObject(process, 5000);
        return false;
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    if (exitCode != nullptr)
        *exitCode = code;
    return true;
}

bool Run(const std::string& commandLine, DWORD timeoutMs, DWORD* exitCode)
{
    ChildProcess child;
    if (!child.Start(commandLine))
        return false;
    return child.Wait(timeoutMs, exitCode);
}

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindWindowA(className, title);
        if (window != nullptr && IsWindowVisible(window))
            return window;
        if (GetTickCount() - start > timeoutMs)
            return nullptr;
        Sleep(20);
    }
}

namespace {
struct ProcessWindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<ProcessWindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND WaitForProcessWindow(DWORD processId, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        ProcessWindowSearch search{processId, nullptr};
        EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        if (GetTickCount() - start > timeoutMs)
            return nullptr;
        Sleep(20);
    }
}

void DeleteKeyTree(HKEY root, const char* key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS)
        return;
    char name[256];
    for (;;) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(handle, 0, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        std::string child = std::string(key) + "\\" + name;
        DeleteKeyTree(root, child.c_str());
    }
    RegCloseKey(handle);
    RegDeleteKeyA(root, key);
}

bool KeyExists(HKEY root, const char* key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

bool ReadValue(HKEY root, const char* key, const char* name, DWORD* type, std::string* data)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    DWORD valueType = 0;
    bool found = RegQueryValueExA(handle, name, nullptr, &valueType, nullptr, &size) == ERROR_SUCCESS;
    if (found) {
        std::string bytes(size, '\0');
        found = RegQueryValueExA(handle, name, nullptr, &valueType,
                                 reinterpret_cast<BYTE*>(bytes.data()), &size) == ERROR_SUCCESS;
        bytes.resize(size);
        if (type != nullptr)
            *type = valueType;
        if (data != nullptr)
            *data = bytes;
    }
    RegCloseKey(handle);
    return found;
}

std::string ReadText(HKEY root, const char* key, const char* name)
{
    DWORD type = 0;
    std::string data;
    if (!ReadValue(root, key, name, &type, &data))
        return "<missing>";
    if (type != REG_SZ)
        return "<type " + std::to_string(type) + ">";
    if (!data.empty() && data.back() == '\0')
        data.pop_back();
    return data;
}

void WriteValue(HKEY root, const char* key, const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr)
        != ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(handle);
}

void WriteText(HKEY root, const char* key, const char* name, const std::string& text)
{
    WriteValue(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

bool SetKeyAccess(HKEY root, const char* key, const DWORD* everybodyMay)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key, 0, WRITE_DAC, &handle) != ERROR_SUCCESS)
        return false;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everybody = nullptr;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everybody)) {
        RegCloseKey(handle);
        return false;
    }
    alignas(DWORD) char listBytes[128];
    PACL list = reinterpret_cast<PACL>(listBytes);
    InitializeAcl(list, sizeof listBytes, ACL_REVISION);
    if (everybodyMay != nullptr && *everybodyMay != 0)
        AddAccessAllowedAce(list, ACL_REVISION, *everybodyMay, everybody);
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, everybodyMay != nullptr ? list : nullptr, FALSE);
    bool set = RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
    FreeSid(everybody);
    RegCloseKey(handle);
    return set;
}

bool ReadFile(const std::string& path, std::string* contents)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    contents->clear();
    char chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        contents->append(chunk, got);
    std::fclose(file);
    return true;
}

bool WriteFile(const std::string& path, const std::string& contents)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool ok = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    return std::fclose(file) == 0 && ok;
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string WindowsDirectory()
{
    char directory[MAX_PATH];
    GetWindowsDirectoryA(directory, sizeof directory);
    return directory;
}

std::string SystemDirectory()
{
    char directory[MAX_PATH];
    GetSystemDirectoryA(directory, sizeof directory);
    return directory;
}

namespace {

// Runs a Unix program with the Unix name of a Windows path as its last
// argument, then polls until that path can (or cannot) be opened: a Unix
// process's handle cannot be waited for.
bool RunOnUnixPath(const char* program, const std::string& path, bool openable)
{
    using UnixName = char*(CDECL*)(const WCHAR*);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (unixName == nullptr)
        return false;
    std::wstring wide(path.begin(), path.end());
    char* target = unixName(wide.c_str());
    if (target == nullptr)
        return false;
    std::string command = std::string(program) + " " + target;
    HeapFree(GetProcessHeap(), 0, target);
    ChildProcess unix;
    if (!unix.Start(command))
        return false;
    DWORD start = GetTickCount();
    for (;;) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        if ((file != INVALID_HANDLE_VALUE) == openable)
            return true;
        if (GetTickCount() - start > 10000)
            return false;
        Sleep(20);
    }
}

}  // namespace

bool LinkToFullDevice(const std::string& path)
{
    return RunOnUnixPath("Z:\\bin\\ln -sf /dev/full", path, true);
}

bool RemoveFullDeviceLink(const std::string& path)
{
    return RunOnUnixPath("Z:\\bin\\rm -f", path, false);
}

}  // namespace bench
