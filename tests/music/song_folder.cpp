// Test folders inside the Wine prefix for the playlist and playback tests.
#include "tests/music/song_folder.h"

#include <cstdio>

#include "saver/music/playlist.h"

namespace musictest {

namespace {

// The long-path form of an ANSI path, for the wide file API.
std::wstring LongPath(const std::string& path)
{
    int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return L"\\\\?\\" + wide;
}

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring full = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

SongFolder::SongFolder()
{
    static int made = 0;
    char temp[MAX_PATH];
    DWORD length = GetTempPathA(sizeof temp, temp);
    std::string base = length > 0 && length < sizeof temp ? temp : "C:\\";
    if (base.back() != '\\')
        base += '\\';
    char name[64];
    std::snprintf(name, sizeof name, "tarnsongs-%lu-%d", static_cast<unsigned long>(GetCurrentProcessId()), made++);
    path = base + name;
    CreateDirectoryA(path.c_str(), nullptr);
}

SongFolder::~SongFolder()
{
    RemoveTree(LongPath(path));
}

bool SongFolder::AddFile(const std::string& name, const std::string& contents) const
{
    HANDLE file = CreateFileW(LongPath(path + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = contents.empty() ||
              (WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr) &&
               written == contents.size());
    CloseHandle(file);
    return ok;
}

bool SongFolder::AddFolder(const std::string& name) const
{
    return CreateDirectoryW(LongPath(path + "\\" + name).c_str(), nullptr) != 0;
}

std::vector<FoundEntry> ListFolder(const std::string& folder)
{
    std::vector<FoundEntry> entries;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do {
        entries.push_back({found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return entries;
}

std::vector<std::string> ExpectedSongs(const std::string& folder)
{
    std::vector<std::string> songs;
    for (const FoundEntry& entry : ListFolder(folder)) {
        if (entry.directory)
            continue;
        std::string upper = entry.name;
        for (char& c : upper) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 32);
        }
        if (upper.find(".MID") != std::string::npos && folder.size() + 1 + upper.size() <= 259)
            songs.push_back(upper);
    }
    return songs;
}

std::vector<std::string> PlaylistNames()
{
    std::vector<std::string> names;
    for (ListNode* node = Playlist.head; node != nullptr; node = node->next)
        names.push_back(static_cast<SongNode*>(node)->name);
    return names;
}

std::string TinyMidiFile()
{
    // Header: format 0, one track, 96 ticks per quarter note. Track: note on,
    // note off a quarter later, end of track.
    static const unsigned char bytes[] = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
        'M', 'T', 'r', 'k', 0, 0, 0, 12,
        0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00,
    };
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

}  // namespace musictest
