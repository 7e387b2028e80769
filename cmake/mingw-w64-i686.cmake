# Cross toolchain for the win32 build: 32-bit Windows programs from Linux.
# The win32 thread model of mingw-w64 keeps libwinpthread out of the programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TARNOVELLE_MINGW i686-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${TARNOVELLE_MINGW}-gcc-win32 ${TARNOVELLE_MINGW}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${TARNOVELLE_MINGW}-g++-win32 ${TARNOVELLE_MINGW}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${TARNOVELLE_MINGW}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${TARNOVELLE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test programs run under Wine (the bench in scripts/ provides the prefix and display).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-run)
