// The Wine bench's side inside Wine: start the built programs and wait for them
// with bounded timeouts, find their windows, and read and seed the registry.
#pragma once
#include <windows.h>

#include <string>

namespace bench {

// A file of the win32 build directory, as a Windows path (the build lives on Z:).
std::string BuildPath(const char* name);

// A quoted program path followed by its arguments.
std::string CommandLine(const std::string& program, const std::string& arguments);

// A started process. Ends it by its handle, if it still runs, when it goes.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    bool Start(const std::string& commandLine, const char* directory = nullptr);
    // True when the process ended within timeoutMs; exitCode then holds its code.
    // On a timeout the process is terminated and false returned.
    bool Wait(DWORD timeoutMs, DWORD* exitCode);
    DWORD Id() const { return id; }
    HANDLE Handle() const { return process; }

private:
    HANDLE process = nullptr;
    DWORD id = 0;
};

// Runs a command line and waits for it. Returns false on a start failure or a
// timeout (the process is then ended).
bool Run(const std::string& commandLine, DWORD timeoutMs, DWORD* exitCode);

// Polls until a top-level window of that class and/or title (either may be
// null) exists and is visible, or the time runs out (null).
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs);

// Polls until the process with this id has a visible top-level window.
HWND WaitForProcessWindow(DWORD processId, DWORD timeoutMs);

// Registry.
void DeleteKeyTree(HKEY root, const char* key);
bool KeyExists(HKEY root, const char* key);
// Reads a value's type and raw bytes; false when it is missing.
bool ReadValue(HKEY root, const char* key, const char* name, DWORD* type, std::string* data);
// A REG_SZ value as text (without its terminator); "<missing>" when absent,
// "<type N>" when it is not REG_SZ.
std::string ReadText(HKEY root, const char* key, const char* name);
void WriteValue(HKEY root, const char* key, const char* name, DWORD type, const void* data, DWORD size);
void WriteText(HKEY root, const char* key, const char* name, const std::string& text);
// Replaces an existing key's access list, for keys an administrator has locked:
// null opens it to everybody again; otherwise everybody gets exactly that
// access mask (0: nothing at all). The owner may always change the list, so a
// test can undo it. False when the key is missing or the list was refused.
bool SetKeyAccess(HKEY root, const char* key, const DWORD* everybodyMay);

// Files.
bool ReadFile(const std::string& path, std::string* contents);
bool WriteFile(const std::string& path, const std::string& contents);
bool FileExists(const std::string& path);
std::string WindowsDirectory();
std::string SystemDirectory();
// A full drive for one file: makes the file at this Windows path a link to the
// Unix device /dev/full, where every write fails with ENOSPC ("no space left
// on device") while opening succeeds. Wine starts Unix programs, so /bin/ln
// does it. Such a file has no attributes (FileExists says false); it can only
// be opened. RemoveFullDeviceLink takes the link away again. Both wait
// (bounded) until the change shows and return false if it does not.
bool LinkToFullDevice(const std::string& path);
bool RemoveFullDeviceLink(const std::string& path);

}  // namespace bench
