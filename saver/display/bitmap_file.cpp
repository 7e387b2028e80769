// Writing the capture bitmap: headers, colour table, bottom-up padded rows.
#include "saver/display/bitmap_file.h"

#include <cstddef>

namespace {

void Put16(uint8_t* at, uint32_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

void Put32(uint8_t* at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

uint32_t BitmapRowLength(int32_t width)
{
    return (static_cast<uint32_t>(width) + 3u) & ~3u;
}

bool WriteBitmapHeaders(std::FILE* file, int32_t width, int32_t height, const uint8_t* palette)
{
    uint8_t header[BitmapHeaderBytes] = {};
    uint32_t imageBytes = BitmapRowLength(width) * static_cast<uint32_t>(height);
    // File header.
    Put16(header + 0, 0x4D42);  // "BM"
    Put32(header + 2, BitmapHeaderBytes + imageBytes);
    Put32(header + 10, BitmapHeaderBytes);
    // Info header.
    Put32(header + 14, 40);
    Put32(header + 18, static_cast<uint32_t>(width));
    Put32(header + 22, static_cast<uint32_t>(height));  // positive: rows bottom-up
    Put16(header + 26, 1);                             // planes
    Put16(header + 28, 8);                             // bits per pixel
    Put32(header + 30, 0);                             // no compression
    Put32(header + 34, 0);                             // image size
    Put32(header + 38, 1000);                          // pixels per metre
    Put32(header + 42, 1000);
    Put32(header + 46, 256);                           // colours used
    Put32(header + 50, 256);                           // important colours
    // Colour table: red and blue swap places, the flags become 0.
    uint8_t* table = header + 54;
    for (int i = 0; i < 256; ++i) {
        table[4 * i + 0] = palette[4 * i + 2];
        table[4 * i + 1] = palette[4 * i + 1];
        table[4 * i + 2] = palette[4 * i + 0];
        table[4 * i + 3] = 0;
    }
    return std::fwrite(header, 1, sizeof header, file) == sizeof header;
}

bool WriteBitmapRows(std::FILE* file, int32_t width, int32_t height, const uint8_t* pixels, int32_t pitch)
{
    static const uint8_t padding[3] = {0, 0, 0};
    size_t rowBytes = static_cast<size_t>(width);
    size_t padBytes = BitmapRowLength(width) - rowBytes;
    bool ok = true;
    for (int32_t i = 0; i < height; ++i) {
        const uint8_t* row = pixels + static_cast<ptrdiff_t>(height - 1 - i) * pitch;
        ok = std::fwrite(row, 1, rowBytes, file) == rowBytes && ok;
        if (padBytes != 0)
            ok = std::fwrite(padding, 1, padBytes, file) == padBytes && ok;
    }
    return ok;
}
