#!/usr/bin/env bash
# The host renderer and the win32 renderer (under Wine) make the same bitmap,
# byte for byte, across sizes, wave counts, roughness, colour modes and frames.
set -euo pipefail
host=$1
windows=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/tarnovelle-agree.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
cases=(
  "--width 320 --height 200 --seed 1 --waves 3 --frames 3"
  "--width 640 --height 480 --seed 31337 --roughness 1000 --frames 40"
  "--width 1024 --height 768 --seed 77 --waves 9 --roughness 500 --color-cycle 1 --morph-speed 50 --frames 30"
  "--width 1600 --height 120 --seed 4000000000 --waves 7 --roughness 250 --color-cycle 2 --frames 300"
  "--width 800 --height 64 --seed 12 --waves 8 --color-cycle 0 --morph-speed 2000 --frames 5"
  "--width 512 --height 100 --seed 5 --waves 4 --roughness 700 --frames 260"
)
failed=0
for i in "${!cases[@]}"; do
  "$host" ${cases[$i]} --out "host-$i.bmp"
  wine "$windows" ${cases[$i]} --out "win32-$i.bmp"
  if cmp -s "host-$i.bmp" "win32-$i.bmp"; then
    echo "same: ${cases[$i]}"
  else
    echo "DIFFERENT: ${cases[$i]}"
    failed=1
  fi
done
exit $failed
