// The installer's two directories, taken only when the call gave a whole path.
#include "setup/system_directories.h"

DirectoryCalls SetupDirectoryCalls = {GetWindowsDirectoryA, GetSystemDirectoryA};

namespace {

bool TakeDirectory(UINT(WINAPI* call)(LPSTR, UINT), char* buffer, std::size_t size)
{
    if (buffer == nullptr || size == 0)
        return false;
    buffer[0] = '\0';
    UINT room = static_cast<UINT>(size);  // path buffers of 260
    UINT length = call(buffer, room);
    // 0 is a failure; a length of the buffer's size or more is the room the
    // path would need, and the buffer then holds no path at all.
    if (length == 0 || length >= room) {
        buffer[0] = '\0';
        return false;
    }
    buffer[length] = '\0';
    return true;
}

}  // namespace

bool GetWindowsDirectoryPath(char* buffer, std::size_t size)
{
    return TakeDirectory(SetupDirectoryCalls.windowsDirectory, buffer, size);
}

bool GetSystemDirectoryPath(char* buffer, std::size_t size)
{
    return TakeDirectory(SetupDirectoryCalls.systemDirectory, buffer, size);
}
