#!/usr/bin/env bash
# Takes a screenshot of every window the window tests open: runs the tests
# labelled "gui" under Xvfb with VARNEL_SCREENSHOT_DIR set, then converts the
# BMP files they leave to PNG.
#   scripts/screenshots.sh          every window of every window test
#   scripts/screenshots.sh --docs   only the windows the README shows, copied
#                                   into docs/ as well
#   VARNEL_BUILD  build folder (default: build/ in the source tree)
# Result: <build>/screenshots/*.png
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${VARNEL_BUILD:-$root/build}
shots="$out/screenshots"
docs=false
[ "${1:-}" = --docs ] && docs=true
# The README's pictures and the tests that take them, at 96 DPI and, for
# the tests that also run so, at 144 DPI.
docs_pictures="drop_idle drop_running drop_about result_window url_list_error
               drop_idle_144dpi result_window_144dpi progress_window"
docs_tests="drop_window_tests drop_job_tests result_window_tests startup_tests"

"$root/scripts/setup-deps.sh"
source "$root/scripts/display.sh"
if [ ! -f "$out/win/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$out/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
fi
if $docs; then
    cmake --build "$out/win" -j "$(nproc)" --target $docs_tests
else
    cmake --build "$out/win" -j "$(nproc)"
fi
ensure_display
prefix="$out/win/wineprefix"
"$root/scripts/wine-prefix" "$prefix"
WINEPREFIX="$prefix" wineserver -p || true  # already running: fine
"$out/win/wine-run" wineboot </dev/null >/dev/null 2>&1 || true
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; stop_display' EXIT

rm -rf "$shots"
mkdir -p "$shots"
selection=(-L gui)
$docs && selection+=(-R "^(${docs_tests// /|})(_144dpi)?\$")
# The programs see the build tree through Wine's drive Z:.
(cd "$out/win" && VARNEL_SCREENSHOT_DIR="Z:$shots" ctest "${selection[@]}" --output-on-failure)
for bmp in "$shots"/*.bmp; do
    [ -e "$bmp" ] || continue
    # Without the time chunks, the same picture gives the same file.
    convert "$bmp" -strip -define png:exclude-chunks=date,time "${bmp%.bmp}.png" && rm "$bmp"
done
if $docs; then
    for picture in $docs_pictures; do
        cp "$shots/$picture.png" "$root/docs/$picture.png"
    done
fi
ls "$shots"
