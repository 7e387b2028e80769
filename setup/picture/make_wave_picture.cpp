// Host tool: writes the install dialog's picture. Regenerate the file in the
// tree with:  make_wave_picture setup/picture/waves.bmp
#include <cstdio>

#include "setup/picture/wave_picture.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_wave_picture OUTPUT.bmp\n");
        return 2;
    }
    std::vector<uint8_t> picture = MakeWavePicture();
    FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    bool written = std::fwrite(picture.data(), 1, picture.size(), file) == picture.size();
    if (std::fclose(file) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
