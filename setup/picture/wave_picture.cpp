// Makes setup/picture/waves.bmp: four waves across the picture, each bending
// the next, read through a palette that runs indigo, teal, pale gold, amber,
// magenta and back, so equal heights of the field form soft colour bands.
#include "setup/picture/wave_picture.h"

namespace {

// A sine of period 1024 steps, scaled to -4096..4096, by Bhaskara's rational
// approximation (within about 0.2 percent of the true sine).
int WaveSine(int32_t phase)
{
    uint32_t p = static_cast<uint32_t>(phase) & 1023u;
    int64_t u = p & 511u;
    int64_t v = u * (512 - u);
    int64_t value = 16 * v * 4096 / (5 * 512 * 512 - 4 * v);
    return static_cast<int>(p < 512 ? value : -value);
}

struct Colour {
    int red, green, blue;
};

// Eight key colours, 32 palette steps apart; the last blends into the first.
const Colour KeyColours[8] = {
    {18, 8, 58},    {28, 62, 160},  {0, 150, 168},  {168, 232, 226},
    {250, 238, 186}, {238, 158, 42}, {168, 38, 118}, {72, 20, 104},
};

// The field's height at a pixel: each wave's phase is bent by the one before.
int FieldAt(int x, int y)
{
    int w1 = WaveSine(x * 9 + y * 4);
    int w2 = WaveSine(y * 7 - x * 3 + w1 / 24);
    int w3 = WaveSine(x * 5 + y * 11 + w2 / 16);
    int w4 = WaveSine(y * 3 + (x * x) / 40 + w3 / 20);
    return w1 + w2 + w3 + w4;
}

void PutU16(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value)
{
    PutU16(out, value & 0xFFFFu);
    PutU16(out, value >> 16);
}

}  // namespace

std::vector<uint8_t> MakeWavePicture()
{
    const uint32_t headerSize = 14 + 40 + 256 * 4;
    const uint32_t rowSize = (WavePictureWidth + 3) / 4 * 4;
    const uint32_t imageSize = rowSize * WavePictureHeight;
    std::vector<uint8_t> out;
    out.reserve(headerSize + imageSize);

    // BITMAPFILEHEADER.
    out.push_back('B');
    out.push_back('M');
    PutU32(out, headerSize + imageSize);
    PutU32(out, 0);
    PutU32(out, headerSize);
    // BITMAPINFOHEADER: bottom-up, 8 bits, uncompressed, 256 colours, 72 dpi.
    PutU32(out, 40);
    PutU32(out, WavePictureWidth);
    PutU32(out, WavePictureHeight);
    PutU16(out, 1);
    PutU16(out, 8);
    PutU32(out, 0);
    PutU32(out, imageSize);
    PutU32(out, 2835);
    PutU32(out, 2835);
    PutU32(out, 256);
    PutU32(out, 0);

    // Palette: blue, green, red, 0.
    for (int index = 0; index < 256; ++index) {
        const Colour& from = KeyColours[index / 32];
        const Colour& to = KeyColours[(index / 32 + 1) % 8];
        int step = index % 32;
        out.push_back(static_cast<uint8_t>(from.blue + (to.blue - from.blue) * step / 32));
        out.push_back(static_cast<uint8_t>(from.green + (to.green - from.green) * step / 32));
        out.push_back(static_cast<uint8_t>(from.red + (to.red - from.red) * step / 32));
        out.push_back(0);
    }

    // Rows, the bottom one first. The band index also steps once per row, so
    // the colours run on down the picture's height.
    for (int row = WavePictureHeight - 1; row >= 0; --row) {
        for (int x = 0; x < WavePictureWidth; ++x) {
            int band = FieldAt(x, row) / 40 + row;
            out.push_back(static_cast<uint8_t>(band & 255));
        }
        for (uint32_t pad = WavePictureWidth; pad < rowSize; ++pad)
            out.push_back(0);
    }
    return out;
}
