// SETUP.INI: the program-manager group description that the group converter
// ("grpconv -o") turns into the Start-menu folder "Hollis Fernby".
#pragma once
#include <cstddef>

// The whole file text: five lines, each ended by CR LF. The items' command
// lines are the short (8.3) paths, which hold no spaces; the working
// directories are the long Windows directory in quotes. Returns the text's
// length (the file holds no terminator), or -1 with an empty buffer when it
// does not fit.
int FormatGroupFile(char* buffer, std::size_t size, const char* shortConfigToolPath,
                    const char* shortSetupCopyPath, const char* windowsDirectory);
