// The capture's file format: an uncompressed 8-bit Windows bitmap of a frame
// and its palette. Portable: the saver's capture and the headless renderer
// both write through it.
#pragma once
#include <cstdint>
#include <cstdio>

constexpr uint32_t BitmapHeaderBytes = 14 + 40 + 1024;  // file header, info header, colour table

// Bytes of one stored pixel row: the width rounded up to a multiple of 4.
uint32_t BitmapRowLength(int32_t width);

// Writes the file header, the info header and the colour table: palette is 256
// entries of red, green, blue, flags, stored as blue, green, red, 0. Returns
// false when a write failed.
bool WriteBitmapHeaders(std::FILE* file, int32_t width, int32_t height, const uint8_t* palette);

// Writes the pixel rows bottom-up (the last screen row first), each padded
// with zero bytes to the row length. Row y starts at pixels + y * pitch.
bool WriteBitmapRows(std::FILE* file, int32_t width, int32_t height, const uint8_t* pixels, int32_t pitch);
