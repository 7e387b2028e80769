// The screen capture: the back buffer and the working palette written as an
// 8-bit bitmap, and that bitmap made the wallpaper after the run.
#include "saver/display/capture.h"

#include <cstdio>

#include "saver/display/bitmap_file.h"
#include "saver/display/screen_device.h"
#include "saver/shell/saver_log.h"

const char CaptureFileName[] = "Tarnovelle.bmp";

namespace {
// directory\fileName into path; false when it would not fit (nothing is
// then written: a cut-off path could name another file).
bool JoinPath(char (&path)[PathBufferSize], const char* directory, const char* fileName)
{
    int length = std::snprintf(path, sizeof path, "%s\\%s", directory, fileName);
    return length >= 0 && static_cast<std::size_t>(length) < sizeof path;
}
}  // namespace

bool GetCaptureDirectory(char (&directory)[PathBufferSize])
{
    UINT length = GetWindowsDirectoryA(directory, sizeof directory);
    return length != 0 && length < sizeof directory;
}

void ScreenDevice::SaveBitmap(const char* directory, const char* fileName)
{
    char path[PathBufferSize];
    if (!JoinPath(path, directory, fileName) || paletteEntries == nullptr || back == nullptr)
        return;
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr)
        return;
    WriteBitmapHeaders(file, width, height, paletteEntries);
    uint8_t* pixels = back->Lock();
    if (pixels == nullptr) {
        std::fclose(file);
        LogPlain("Unable to save backdrop image: Error locking surface\n");
        return;
    }
    WriteBitmapRows(file, width, height, pixels, back->pitch);
    back->Unlock();
    std::fclose(file);
}

void SetWallpaper()
{
    char directory[PathBufferSize];
    char path[PathBufferSize];
    if (!GetCaptureDirectory(directory) || !JoinPath(path, directory, CaptureFileName))
        return;
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 2, path, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    InvalidateRect(GetDesktopWindow(), nullptr, TRUE);
}
