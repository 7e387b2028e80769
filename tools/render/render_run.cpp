// The headless run and its bitmap output.
#include "tools/render/render_run.h"

#include <cstdio>
#include <ctime>

#include "saver/display/bitmap_file.h"
#include "saver/engine/engine.h"
#include "saver/engine/run_flags.h"
#include "saver/settings/settings.h"
#include "tools/render/memory_host.h"

namespace {

void LoadRenderSettings(const RenderOptions& options)
{
    DisplayWidth = options.width;
    DisplayHeight = options.height;
    ScreenClass = ScreenClassForWidth(options.width);
    MainSeed = options.seed;
    UseCurves = options.waves;
    MorphSpeed = options.morphSpeed;
    Roughness = options.roughness;
    ColorCycleMode = options.colorCycle;
}

// Writes through a temporary file beside the target and renames it into
// place, so that a failed write never leaves a partial picture behind.
template <typename Write>
bool WriteWhole(const std::string& path, Write write, std::string* error)
{
    const std::string partial = path + ".partial";
    if (!write(partial.c_str(), error)) {
        std::remove(partial.c_str());
        return false;
    }
    std::remove(path.c_str());  // Windows does not rename onto an existing file
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        *error = path + ": cannot write the file";
        return false;
    }
    return true;
}

bool WriteBitmap(const char* path, const MemoryHost& host, std::string* error)
{
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        *error = std::string(path) + ": cannot create the file";
        return false;
    }
    bool ok = WriteBitmapHeaders(file, host.width, host.height, host.uploadedPalette)
              && WriteBitmapRows(file, host.width, host.height, host.backBuffer.data(), host.pitch);
    ok = std::fclose(file) == 0 && ok;
    if (!ok)
        *error = std::string(path) + ": cannot write the file";
    return ok;
}

}  // namespace

int RenderToFiles(const RenderOptions& options, std::string* error)
{
    LoadRenderSettings(options);
    MemoryHost host(options.width, options.height, options.width);
    host.calendarSeconds = static_cast<uint32_t>(std::time(nullptr));
    SetEngineHost(&host);
    Active = 1;
    ShowStats = 0;
    CaptureRequested = 0;
    if (!AllocateWaveTables()) {
        *error = "out of memory";
        return 2;
    }
    Restart();
    for (uint32_t frame = 0; frame < options.frames; ++frame)
        RenderFrame();
    FreeWaveTables();
    SetEngineHost(nullptr);

    if (!options.bmpPath.empty()) {
        auto write = [&host](const char* path, std::string* reason) { return WriteBitmap(path, host, reason); };
        if (!WriteWhole(options.bmpPath, write, error))
            return 2;
    }
    if (!options.pngPath.empty()) {
        auto write = [&host](const char* path, std::string* reason) {
            return WritePng(path, host.width, host.height, host.backBuffer.data(), host.pitch,
                            host.uploadedPalette, reason);
        };
        if (!WriteWhole(options.pngPath, write, error)) {
            if (!options.bmpPath.empty())
                std::remove(options.bmpPath.c_str());
            return 2;
        }
    }
    return 0;
}
