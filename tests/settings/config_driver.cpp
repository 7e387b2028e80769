// Drives the settings dialog of another process: messages with timeouts,
// polling with bounds, and the end of every process the tests start.
#include "tests/settings/config_driver.h"

#include <commctrl.h>
#include <tlhelp32.h>

namespace configtest {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
}

namespace {
struct TitleSearch {
    DWORD processId;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<TitleSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    if (std::string(title) != search->title)
        return TRUE;
    search->found = window;
    return FALSE;
}

struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindows(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<ProcessWindows*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId)
        search->found.push_back(window);
    return TRUE;
}

std::vector<DWORD> ChildProcessIds(DWORD parentId)
{
    std::vector<DWORD> children;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return children;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ParentProcessID == parentId && entry.th32ProcessID != parentId)
            children.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return children;
}
}  // namespace

HWND FindProcessWindow(DWORD processId, const char* title)
{
    TitleSearch search{processId, title, nullptr};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForProcessWindow(DWORD processId, const char* title, DWORD timeoutMs)
{
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindProcessWindow(processId, title)) != nullptr; }, timeoutMs);
    return window;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, SendTimeoutMs, &result))
        return 0;
    return static_cast<LRESULT>(result);
}

std::string WindowText(HWND window)
{
    char text[1024] = "";
    Send(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void EndProcess(DWORD processId)
{
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId);
    if (process == nullptr)
        return;
    ProcessWindows windows{processId, {}};
    EnumWindows(CollectWindows, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows.found)
        PostMessageA(window, WM_KEYDOWN, VK_SPACE, 1);
    if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(process, 255);
        WaitForSingleObject(process, 5000);
    }
    CloseHandle(process);
}

void EndChildProcesses(DWORD parentId)
{
    for (DWORD id : ChildProcessIds(parentId))
        EndProcess(id);
}

namespace {
// Reads tree items of another process through a block of its memory.
class RemoteTree {
public:
    explicit RemoteTree(HWND tree) : tree(tree)
    {
        DWORD owner = 0;
        GetWindowThreadProcessId(tree, &owner);
        process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, owner);
        if (process != nullptr)
            block = static_cast<char*>(VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteTree()
    {
        if (block != nullptr)
            VirtualFreeEx(process, block, 0, MEM_RELEASE);
        if (process != nullptr)
            CloseHandle(process);
    }
    RemoteTree(const RemoteTree&) = delete;
    RemoteTree& operator=(const RemoteTree&) = delete;

    bool Ready() const { return block != nullptr; }

    HTREEITEM Next(HTREEITEM item, UINT relation) const
    {
        return reinterpret_cast<HTREEITEM>(Send(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    }

    std::string Text(HTREEITEM item) const
    {
        char* remoteText = block + 1024;
        TVITEMA query{};
        query.mask = TVIF_TEXT;
        query.hItem = item;
        query.pszText = remoteText;
        query.cchTextMax = 1024;
        char text[1025] = "";
        if (!WriteProcessMemory(process, block, &query, sizeof query, nullptr)
            || !Send(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(block))
            || !ReadProcessMemory(process, remoteText, text, 1024, nullptr))
            return "";
        return text;
    }

private:
    HWND tree;
    HANDLE process = nullptr;
    char* block = nullptr;
};
}  // namespace

bool SelectPickerFolder(HWND picker, const std::vector<std::string>& parts)
{
    HWND tree = GetDlgItem(picker, 14145);
    RemoteTree remote(tree);
    if (tree == nullptr || !remote.Ready())
        return false;
    HTREEITEM item = remote.Next(nullptr, TVGN_ROOT);
    for (size_t depth = 0; depth < parts.size(); ++depth) {
        if (depth > 0) {
            Send(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
            item = remote.Next(item, TVGN_CHILD);
        }
        while (item != nullptr && remote.Text(item).find(parts[depth]) == std::string::npos)
            item = remote.Next(item, TVGN_NEXT);
        if (item == nullptr)
            return false;
    }
    return Send(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

bool ConfigDialog::Open(const std::string& arguments, const std::string& program)
{
    if (!process.Start(bench::CommandLine(program, arguments)))
        return false;
    dialog = WaitForProcessWindow(process.Id(), "Tarnovelle Configuration", WindowTimeoutMs);
    return dialog != nullptr;
}

void ConfigDialog::SetText(int id, const std::string& text)
{
    Send(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ConfigDialog::TypeAndRelease(int id, const std::string& text)
{
    SetText(id, text);
    Send(Item(id), WM_KEYUP, '0', static_cast<LPARAM>(0xC0000001u));
}

void ConfigDialog::PostKey(int id, char c)
{
    PostMessageA(Item(id), WM_CHAR, static_cast<WPARAM>(c), 1);
    PostMessageA(Item(id), WM_KEYUP, static_cast<WPARAM>(c), static_cast<LPARAM>(0xC0000001u));
}

int ConfigDialog::BarPosition(int id) const
{
    return static_cast<int>(Send(Item(id), SBM_GETPOS, 0, 0));
}

void ConfigDialog::Scroll(int barId, int code, int thumb)
{
    Send(dialog, WM_HSCROLL, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(Item(barId)));
}

int ConfigDialog::Selection(int id) const
{
    return static_cast<int>(Send(Item(id), CB_GETCURSEL, 0, 0));
}

void ConfigDialog::Select(int id, int index)
{
    Send(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::vector<std::string> ConfigDialog::Items(int id) const
{
    std::vector<std::string> items;
    int count = static_cast<int>(Send(Item(id), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        // Across processes CB_GETLBTEXT hands back UTF-16 text.
        wchar_t text[256] = L"";
        DWORD_PTR result = 0;
        SendMessageTimeoutW(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text),
                            SMTO_NORMAL, SendTimeoutMs, &result);
        std::string narrow;
        for (const wchar_t* p = text; *p != L'\0'; ++p)
            narrow += static_cast<char>(*p);
        items.push_back(narrow);
    }
    return items;
}

void ConfigDialog::Click(int id)
{
    PostMessageA(Item(id), BM_CLICK, 0, 0);
}

bool ConfigDialog::CloseWith(int id, DWORD* exitCode)
{
    Click(id);
    return process.Wait(WindowTimeoutMs, exitCode);
}

}  // namespace configtest
