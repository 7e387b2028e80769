// Builds without libpng (the 32-bit Windows one) write bitmaps only.
#include "tools/render/render_run.h"

bool WritePng(const char*, int32_t, int32_t, const uint8_t*, int32_t, const uint8_t*, std::string* error)
{
    *error = "--png: this build writes bitmaps only";
    return false;
}
