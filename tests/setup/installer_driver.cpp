// The installer driver: finds the installer's windows by process, reads and
// presses their controls with bounded waits, and watches which programs it
// starts.
#include "tests/setup/installer_driver.h"

#include <commctrl.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <cstdio>
#include <set>

#include "tests/wine/bench.h"

namespace setup_test {

namespace {

const char* const LicenceTitle = "Tarnovelle End User License Agreement";
const char* const InstallTitle = "Tarnovelle Installation Step 1 of 1";

std::string Directory(UINT (WINAPI *get)(LPSTR, UINT))
{
    char directory[MAX_PATH];
    get(directory, MAX_PATH);
    return directory;
}

struct WindowSearch {
    DWORD processId;
    const char* className;  // null: any visible window
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    char text[256];
    if (search->className != nullptr) {
        GetClassNameA(window, text, sizeof text);
        if (lstrcmpA(text, search->className) != 0)
            return TRUE;
    }
    if (search->title != nullptr) {
        GetWindowTextA(window, text, sizeof text);
        if (lstrcmpA(text, search->title) != 0)
            return TRUE;
    }
    search->found = window;
    return FALSE;
}

HWND FindProcessWindow(DWORD processId, const char* className, const char* title)
{
    WindowSearch search{processId, className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool Ended(HANDLE process)
{
    return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

// Polls for the window until it shows, the process ends or the time is up.
HWND WaitForDialog(const bench::ChildProcess& child, const char* title, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindProcessWindow(child.Id(), "#32770", title);
        if (window != nullptr)
            return window;
        if (Ended(child.Handle()) || GetTickCount() - start > timeoutMs)
            return nullptr;
        Sleep(20);
    }
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 5000, &result))
        return -1;
    return static_cast<LRESULT>(result);
}

std::string WindowText(HWND window)
{
    std::string text(16384, '\0');
    Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(lstrlenA(text.c_str()));
    return text;
}

bool Checked(HWND dialog, int id)
{
    return Send(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND dialog, int id)
{
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void SetCheck(HWND dialog, int id, bool on)
{
    Send(GetDlgItem(dialog, id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

BOOL CALLBACK CollectChildText(HWND window, LPARAM parameter)
{
    auto* texts = reinterpret_cast<std::vector<std::pair<std::string, std::string>>*>(parameter);
    char className[64];
    GetClassNameA(window, className, sizeof className);
    // A picture control's text is its resource reference: report instead
    // whether it holds a bitmap.
    if (lstrcmpiA(className, "Static") == 0
        && (GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
        bool loaded = Send(window, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
        texts->emplace_back(className, loaded ? "<bitmap>" : "<no bitmap>");
        return TRUE;
    }
    texts->emplace_back(className, WindowText(window));
    return TRUE;
}

std::vector<std::pair<std::string, std::string>> ChildTexts(HWND window)
{
    std::vector<std::pair<std::string, std::string>> texts;
    EnumChildWindows(window, CollectChildText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

// A message box's text: its one static control with text.
std::string MessageText(HWND box)
{
    for (const auto& [className, text] : ChildTexts(box)) {
        if (lstrcmpiA(className.c_str(), "Static") == 0 && !text.empty())
            return text;
    }
    return "";
}

// Waits until the box has been drawn with its text (a box is found by its
// title before its initialisation has finished).
std::string WaitForMessageText(HWND box)
{
    DWORD start = GetTickCount();
    for (;;) {
        std::string text = MessageText(box);
        if (!text.empty() || GetTickCount() - start > 3000)
            return text;
        Sleep(20);
    }
}

void WaitUntilGone(HWND window, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (IsWindow(window) && GetTickCount() - start < timeoutMs)
        Sleep(10);
}

std::vector<DWORD> FindProcesses(const char* exeName)
{
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        const char* name = entry.szExeFile;
        for (const char* p = entry.szExeFile; *p != '\0'; ++p) {
            if (*p == '\\')
                name = p + 1;
        }
        if (lstrcmpiA(name, exeName) == 0)
            ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
}

// The command line another process was started with, from its process
// parameters; empty when it cannot be read.
std::string ProcessCommandLine(DWORD processId)
{
    using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process == nullptr || query == nullptr)
        return "";
    std::string line;
    PROCESS_BASIC_INFORMATION basic{};
    PEB peb{};
    RTL_USER_PROCESS_PARAMETERS parameters{};
    if (query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) == 0
        && ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof peb, nullptr)
        && ReadProcessMemory(process, peb.ProcessParameters, &parameters, sizeof parameters, nullptr)) {
        std::wstring wide(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
        if (ReadProcessMemory(process, parameters.CommandLine.Buffer, wide.data(),
                              parameters.CommandLine.Length, nullptr)) {
            char narrow[2048] = "";
            WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
            line = narrow;
        }
    }
    CloseHandle(process);
    return line;
}

BOOL CALLBACK PostKey(HWND window, LPARAM processId)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId))
        PostMessageA(window, WM_KEYDOWN, VK_SPACE, 1);
    return TRUE;
}

// Ends a saver the installer started: a key press, as a user would end it,
// so it gives the display back; killed if it does not end.
void EndSaver(DWORD processId)
{
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId);
    if (process == nullptr)
        return;
    for (int attempt = 0; attempt < 10 && !Ended(process); ++attempt) {
        EnumWindows(PostKey, static_cast<LPARAM>(processId));
        WaitForSingleObject(process, 300);
    }
    if (!Ended(process)) {
        TerminateProcess(process, 255);
        WaitForSingleObject(process, 5000);
    }
    CloseHandle(process);
}

// The WH_CALLWNDPROC probe on the installer's thread, recording PBM_SETPOS.
class ProgressProbe {
public:
    explicit ProgressProbe(DWORD threadId)
    {
        DeleteFileA(ProgressRecord);
        module = LoadLibraryA(bench::BuildPath("tests/setup/progress_probe.dll").c_str());
        if (module == nullptr)
            return;
        auto proc = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(GetProcAddress(module, "ProbeCallWndProc")));
        if (proc != nullptr)
            hook = SetWindowsHookExA(WH_CALLWNDPROC, proc, module, threadId);
    }
    ~ProgressProbe()
    {
        if (hook != nullptr)
            UnhookWindowsHookEx(hook);
        if (module != nullptr)
            FreeLibrary(module);
    }
    bool Active() const { return hook != nullptr; }

private:
    HMODULE module = nullptr;
    HHOOK hook = nullptr;
};

}  // namespace

std::string BuiltInstaller() { return bench::BuildPath("TarnovelleSetup.exe"); }
std::string BuiltSaver() { return bench::BuildPath("Tarnovelle.scr"); }
std::string SaverPath() { return Directory(GetSystemDirectoryA) + "\\Tarnovelle.scr"; }
std::string ConfigToolPath() { return Directory(GetWindowsDirectoryA) + "\\Tarnovelle.exe"; }
std::string SetupCopyPath() { return Directory(GetWindowsDirectoryA) + "\\TarnovelleSetup.exe"; }
std::string SetupIniPath() { return Directory(GetWindowsDirectoryA) + "\\SETUP.INI"; }

std::string GroupFolder()
{
    std::string startMenu = bench::ReadText(HKEY_CURRENT_USER,
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Start Menu");
    return startMenu + "\\Programs\\Hollis Fernby";
}

bool InstallGroupConverterStandIn()
{
    std::string target = Directory(GetSystemDirectoryA) + "\\grpconv.exe";
    return CopyFileA(bench::BuildPath("tests/setup/grpconv.exe").c_str(), target.c_str(), FALSE) != 0;
}

bool InstallDisplayPropertiesStandIn()
{
    std::string target = Directory(GetSystemDirectoryA) + "\\desk.cpl";
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    // The applet is a native file where Wine may have a built-in one.
    bench::WriteText(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", "desk.cpl", "native");
    return CopyFileA(bench::BuildPath("tests/setup/desk_applet.dll").c_str(), target.c_str(), FALSE) != 0;
}

bool RemoveDisplayPropertiesStandIn()
{
    std::string target = Directory(GetSystemDirectoryA) + "\\desk.cpl";
    return DeleteFileA(target.c_str()) != 0;
}

std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::string text;
    if (!bench::ReadFile(path, &text))
        return lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string FileText(const std::string& path)
{
    std::string text;
    if (!bench::ReadFile(path, &text))
        return "<missing>";
    return text;
}

bool SameBytes(const std::string& pathA, const std::string& pathB)
{
    std::string a;
    std::string b;
    return bench::ReadFile(pathA, &a) && bench::ReadFile(pathB, &b) && !a.empty() && a == b;
}

DWORD Attributes(const std::string& path)
{
    return GetFileAttributesA(path.c_str());
}

bool MakeFile(const std::string& path, const std::string& text, DWORD attributes)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return bench::WriteFile(path, text) && SetFileAttributesA(path.c_str(), attributes);
}

std::string ShortPath(const std::string& path)
{
    char buffer[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "<no short path>";
    return buffer;
}

InstallRun RunInstaller(const std::string& program, const std::string& arguments,
                        LicenceAnswer answer, const InstallChoices& choices,
                        const std::function<void(const MessageSeen&)>& onMessage)
{
    InstallRun run;
    bench::ChildProcess installer;
    if (!installer.Start(bench::CommandLine(program, arguments)))
        return run;

    HWND licence = WaitForDialog(installer, LicenceTitle, 15000);
    if (licence != nullptr) {
        run.licenceShown = true;
        run.declinePreset = Checked(licence, 1005) && !Checked(licence, 1004);
        run.licenceText = WindowText(GetDlgItem(licence, 1006));
        run.licenceControls = ChildTexts(licence);
        if (answer != LicenceAnswer::PresetOk)
            Send(GetDlgItem(licence, 1004), BM_CLICK, 0, 0);
        Click(licence, answer == LicenceAnswer::AcceptCancel ? IDCANCEL : IDOK);

        HWND dialog = WaitForDialog(installer, InstallTitle, answer == LicenceAnswer::AcceptOk ? 15000 : 1500);
        if (dialog != nullptr) {
            run.installDialogShown = true;
            run.initialMakeDefault = Checked(dialog, 1003);
            run.initialStartMenu = Checked(dialog, 1005);
            run.initialRunAfter = Checked(dialog, 1004);
            HWND bar = GetDlgItem(dialog, 1001);
            run.barVisibleAtStart = IsWindowVisible(bar) != FALSE;
            run.installControls = ChildTexts(dialog);
            if (choices.pressCancel) {
                Click(dialog, IDCANCEL);
            } else {
                SetCheck(dialog, 1003, choices.makeDefault);
                SetCheck(dialog, 1005, choices.startMenu);
                SetCheck(dialog, 1004, choices.runAfter);
                ProgressProbe probe(GetWindowThreadProcessId(dialog, nullptr));
                std::set<DWORD> saversBefore;
                for (DWORD id : FindProcesses("Tarnovelle.scr"))
                    saversBefore.insert(id);
                std::set<DWORD> saversSeen;
                DWORD start = GetTickCount();
                Click(dialog, IDOK);
                while (!Ended(installer.Handle()) && GetTickCount() - start < 60000) {
                    for (DWORD id : FindProcesses("Tarnovelle.scr")) {
                        if (saversBefore.count(id) || saversSeen.count(id))
                            continue;
                        std::string line = ProcessCommandLine(id);
                        if (!line.empty()) {
                            saversSeen.insert(id);
                            run.saverCommandLines.push_back(line);
                        }
                    }
                    HWND box = FindProcessWindow(installer.Id(), "#32770", "Tarnovelle");
                    if (box != nullptr) {
                        MessageSeen seen;
                        seen.text = WaitForMessageText(box);
                        seen.progress = static_cast<int>(Send(bar, PBM_GETPOS, 0, 0));
                        seen.barVisible = IsWindowVisible(bar) != FALSE;
                        run.messages.push_back(seen);
                        if (onMessage)
                            onMessage(seen);
                        Click(box, IDOK);
                        WaitUntilGone(box, 5000);
                        continue;
                    }
                    Sleep(20);
                }
                run.ended = installer.Wait(5000, &run.exitCode);
                run.elapsedMs = GetTickCount() - start;
                for (DWORD id : saversSeen)
                    EndSaver(id);
                if (probe.Active()) {
                    for (const std::string& line : ReadLines(ProgressRecord))
                        run.progressSent.push_back(std::atoi(line.c_str()));
                }
            }
        }
    }
    if (!run.ended)
        run.ended = installer.Wait(15000, &run.exitCode);
    return run;
}

UninstallRun RunUninstaller(const std::string& arguments, bool answerOk)
{
    return RunUninstallCommand(bench::CommandLine(BuiltInstaller(), arguments), answerOk);
}

UninstallRun RunUninstallCommand(const std::string& commandLine, bool answerOk)
{
    UninstallRun run;
    bench::ChildProcess installer;
    if (!installer.Start(commandLine))
        return run;
    DWORD start = GetTickCount();
    while (!Ended(installer.Handle()) && GetTickCount() - start < 30000) {
        HWND box = FindProcessWindow(installer.Id(), "#32770", "Tarnovelle");
        if (box == nullptr) {
            // A message box on its way up is visible a moment before its
            // title is set; only a window with another title counts.
            HWND other = FindProcessWindow(installer.Id(), nullptr, nullptr);
            char title[256] = "";
            if (other != nullptr)
                GetWindowTextA(other, title, sizeof title);
            if (title[0] != '\0' && lstrcmpA(title, "Tarnovelle") != 0)
                run.anyOtherWindow = true;
            Sleep(20);
            continue;
        }
        run.messages.push_back(WaitForMessageText(box));
        if (run.messages.size() == 1) {
            for (const auto& [className, text] : ChildTexts(box)) {
                if (lstrcmpiA(className.c_str(), "Button") == 0)
                    run.buttons.push_back(text);
            }
        }
        Click(box, run.messages.size() == 1 && !answerOk ? IDCANCEL : IDOK);
        WaitUntilGone(box, 5000);
    }
    run.ended = installer.Wait(5000, &run.exitCode);
    return run;
}

SilentRun RunSilently(const std::string& program, const std::string& arguments)
{
    SilentRun run;
    bench::ChildProcess installer;
    if (!installer.Start(bench::CommandLine(program, arguments)))
        return run;
    DWORD start = GetTickCount();
    while (!Ended(installer.Handle()) && GetTickCount() - start < 30000) {
        if (FindProcessWindow(installer.Id(), nullptr, nullptr) != nullptr)
            run.windowSeen = true;
        Sleep(5);
    }
    run.ended = installer.Wait(5000, &run.exitCode);
    return run;
}

bool WaitForNoOtherInstaller(DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (FindProcesses("TarnovelleSetup.exe").empty())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
}

}  // namespace setup_test
