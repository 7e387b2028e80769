// The frame as an 8-bit palettised PNG, through libpng.
#include <png.h>

#include <csetjmp>
#include <cstdio>

#include "tools/render/render_run.h"

bool WritePng(const char* path, int32_t width, int32_t height, const uint8_t* pixels,
              int32_t pitch, const uint8_t* palette, std::string* error)
{
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        *error = std::string(path) + ": cannot create the file";
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
        std::fclose(file);
        *error = std::string(path) + ": cannot write the file";
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_color colours[256];
    for (int i = 0; i < 256; ++i) {
        colours[i].red = palette[4 * i + 0];
        colours[i].green = palette[4 * i + 1];
        colours[i].blue = palette[4 * i + 2];
    }
    png_set_PLTE(png, info, colours, 256);
    png_write_info(png, info);
    for (int32_t y = 0; y < height; ++y)
        png_write_row(png, pixels + static_cast<ptrdiff_t>(y) * pitch);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0) {
        *error = std::string(path) + ": cannot write the file";
        return false;
    }
    return true;
}
