#!/usr/bin/env bash
# Takes a screenshot of every window the window tests open: runs the tests
# labelled "gui" under Xvfb with VARNEL_SCREENSHOT_DIR set, then converts the
# BMP files they leave to PNG.
#   VARNEL_BUILD  build folder (default: build/ in the source tree)
# Result: <build>/screenshots/*.png
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${VARNEL_BUILD:-$root/build}
shots="$out/screenshots"

"$root/scripts/setup-deps.sh"
source "$root/scripts/display.sh"
if [ ! -f "$out/win/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$out/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
fi
cmake --build "$out/win" -j "$(nproc)"
ensure_display
prefix="$out/win/wineprefix"
"$root/scripts/wine-prefix" "$prefix"
WINEPREFIX="$prefix" wineserver -p
"$out/win/wine-run" wineboot </dev/null >/dev/null 2>&1 || true
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; stop_display' EXIT

rm -rf "$shots"
mkdir -p "$shots"
# The programs see the build tree through Wine's drive Z:.
(cd "$out/win" && VARNEL_SCREENSHOT_DIR="Z:$shots" ctest -L gui --output-on-failure)
for bmp in "$shots"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
ls "$shots"
