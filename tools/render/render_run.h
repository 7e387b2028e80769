// One headless run: the saver's engine at a display of the given size, one
// restart with the seed, F frames, and the last frame written to files.
#pragma once
#include <string>

#include "tools/render/render_options.h"

// Returns the exit code: 0, or 2 with the one-line reason in *error when a
// file could not be written (no partial file is left behind) or memory ran out.
int RenderToFiles(const RenderOptions& options, std::string* error);

// Writes the frame as an 8-bit PNG with its palette. False with a reason when
// this build has no PNG support or the file could not be written.
bool WritePng(const char* path, int32_t width, int32_t height, const uint8_t* pixels,
              int32_t pitch, const uint8_t* palette, std::string* error);
