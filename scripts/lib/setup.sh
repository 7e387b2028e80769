# Shared by scripts/test and scripts/run: install what is missing, build both builds.
# Sourced, not run.

TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD=${TARNOVELLE_BUILD_DIR:-$TOP/build}

# Debian packages the builds and the tests need.
PACKAGES=(
  cmake ninja-build g++ make pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev libpng-dev
  g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
  clang libclang-rt-14-dev
  wine wine32:i386
  xvfb xauth xdotool x11-utils
)

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

install_dependencies() {
  local missing=()
  local package
  for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_all() {
  cmake -S "$TOP" -B "$BUILD/host" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD/host"
  cmake -S "$TOP" -B "$BUILD/win32" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$TOP/cmake/mingw-w64-i686.cmake" \
    -DTARNOVELLE_HOST_RENDER="$BUILD/host/tarnovelle-render" >/dev/null
  cmake --build "$BUILD/win32"
}
