// The picture at the left of the install dialog (bitmap 102): interfering
// waves in a cyclic 256-colour palette, made by integer arithmetic only.
#pragma once
#include <cstdint>
#include <vector>

inline constexpr int WavePictureWidth = 120;
inline constexpr int WavePictureHeight = 240;

// The whole Windows bitmap file: file header, information header, 256
// palette entries, then the 8-bit rows bottom-up. Integer arithmetic only, so
// every compiler and library makes the same bytes as the file in the tree.
std::vector<uint8_t> MakeWavePicture();
