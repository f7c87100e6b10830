#!/usr/bin/env bash
# Builds everything and runs every test: the Windows programs and their tests
# under Wine (code page 932, a private prefix, Xvfb for the windows), the
# Windows-free modules on the host under ASan and UBSan, the release package,
# and a bounded fuzz run.
#   VARNEL_BUILD         build folder (default: build/ in the source tree)
#   VARNEL_FUZZ_SECONDS  seconds per fuzz target (default 15; 0 skips fuzzing)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${VARNEL_BUILD:-$root/build}
fuzz_seconds=${VARNEL_FUZZ_SECONDS:-15}
jobs=$(nproc)

"$root/scripts/setup-deps.sh"
source "$root/scripts/display.sh"

echo "== Windows build, tests under Wine"
cmake -S "$root" -B "$out/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$out/win" -j "$jobs"
ensure_display
prefix="$out/win/wineprefix"
"$root/scripts/wine-prefix" "$prefix"
# A persistent server keeps later starts fast. Wine's own services start with
# the first program and outlive it; started here with no output attached, they
# cannot hold a test's output pipe open and stall ctest.
WINEPREFIX="$prefix" wineserver -p || true  # already running: fine
"$out/win/wine-run" wineboot </dev/null >/dev/null 2>&1 || true
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; stop_display' EXIT
(cd "$out/win" && ctest --output-on-failure -j "$jobs" --timeout 600)

echo "== Package, built twice alike, run where a user unpacks it"
VARNEL_BUILD="$out" "$root/tests/package/package_test.sh"

echo "== Host build of the Windows-free modules, ASan and UBSan"
cmake -S "$root" -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ -DVARNEL_SANITIZE=ON >/dev/null
cmake --build "$out/host" -j "$jobs"
(cd "$out/host" && ctest --output-on-failure -j "$jobs" --timeout 600)

if [ "$fuzz_seconds" != 0 ]; then
    echo "== Fuzzing, $fuzz_seconds s per target"
    cmake -S "$root" -B "$out/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVARNEL_FUZZ=ON \
          -DVARNEL_FUZZ_SECONDS="$fuzz_seconds" >/dev/null
    cmake --build "$out/fuzz" -j "$jobs"
    (cd "$out/fuzz" && ctest --output-on-failure -j "$jobs")
fi
