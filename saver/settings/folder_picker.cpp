// The song-folder picker: SHBrowseForFolderA, the chosen item's path, and the
// item list handed back to the shell's allocator.
#include "saver/settings/folder_picker.h"

#include <shlobj.h>

#include <cstdio>

static void ReleaseItemList(LPITEMIDLIST list)
{
    IMalloc* allocator = nullptr;
    if (SHGetMalloc(&allocator) == S_OK && allocator != nullptr) {
        allocator->Free(list);
        allocator->Release();
    }
}

bool BrowseForSongFolder(HWND owner, char (&path)[PathBufferSize])
{
    char displayName[PathBufferSize] = "";
    char title[] = "Choose Directory";
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST list = SHBrowseForFolderA(&info);
    if (list == nullptr)
        return false;
    // The path goes to a buffer of its own first: a failed conversion must
    // not leave half a path behind as the song folder.
    char chosen[MAX_PATH] = "";
    bool found = SHGetPathFromIDListA(list, chosen) && chosen[0] != '\0';
    ReleaseItemList(list);
    if (found)
        std::snprintf(path, sizeof path, "%s", chosen);
    return found;
}
