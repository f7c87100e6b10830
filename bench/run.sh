#!/usr/bin/env bash
# Builds and runs the CRC benchmark (bench/crc_bench.cpp) on the same machine
# in two ways: the Windows build under Wine (build/win, as the tests use it)
# and a native host build in Release without sanitizers (build/bench).
#   bench/run.sh [wine|host|both] [file size in MiB, default 1024] [rounds, default 5]
# Close other work first: the file figures need both cores free.
#   bench/run.sh scale [rounds, default 3] [keep]
# runs instead the growth benchmark (bench/scale_bench.cpp) under Wine, with
# Xvfb for its window when no display is set. Its folders of empty files are
# made here, outside Wine: Wine makes a new file in a large folder slowly (it
# looks for the name in every entry, ignoring case), 100,000 files in hours.
# "keep" leaves them for the next run. Its last section, the worst ".crc"
# lists against an ordinary one, runs alone (no folders made) with
#   bench/run.sh scale lists [rounds, default 3]
# and its trees (100 files a folder, and a chain of folders) alone with
#   bench/run.sh scale trees [rounds, default 3]
# Their trees are made here too, and kept for the next run. A tree checked
# with -r, its report saved in it and verified, each against the bare loop
# over the same files, then the result window of as many rows:
#   bench/run.sh scale million [rounds, default 3] [files, default 1000000]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${VARNEL_BUILD:-$root/build}
which=${1:-both}
shift || true

"$root/scripts/setup-deps.sh"

if [ "$which" = scale ]; then
    source "$root/scripts/display.sh"
    cmake -S "$root" -B "$out/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$out/win" -j 2 --target scale_bench
    ensure_display
    trap stop_display EXIT
    "$out/win/wine-run" wineboot </dev/null >/dev/null 2>&1 || true
    if [ "${1:-}" = lists ]; then
        echo "Load average: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) processors)"
        "$out/win/wine-run" "$out/win/bin/scale_bench.exe" lists "${2:-3}"
        exit
    fi
    temp="$out/win/wineprefix/drive_c/users/$(id -un)/Temp"
    counts="25000 50000 100000"
    [ "${1:-}" = million ] && counts=${3:-1000000}
    for count in $counts; do
        tree="$temp/varnel-tree-bench/wide/$count"
        if [ "$(find "$tree" -type f 2>/dev/null | wc -l)" != "$count" ]; then
            mkdir -p "$tree" && cd "$tree"
            seq -f 'dir_%04g' 0 $((count / 100 - 1)) | xargs mkdir -p
            seq 0 $((count - 1)) | awk '{ printf "dir_%04d/file_%06d.dat\n", int($1 / 100), $1 }' |
                xargs touch
            cd "$root"
        fi
    done
    for depth in 25 50 100; do
        chain="$temp/varnel-tree-bench/chain/$depth"
        for level in $(seq 0 $((depth - 1))); do
            chain="$chain/$(printf dir_%04d "$level")"
            mkdir -p "$chain" && touch "$chain/$(printf file_%06d.dat "$level")"
        done
    done
    if [ "${1:-}" = million ]; then
        echo "Load average: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) processors)"
        "$out/win/wine-run" "$out/win/bin/scale_bench.exe" million "${2:-3}" "${3:-1000000}"
        exit
    fi
    if [ "${1:-}" = trees ]; then
        echo "Load average: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) processors)"
        "$out/win/wine-run" "$out/win/bin/scale_bench.exe" trees "${2:-3}"
        exit
    fi
    folders="$temp/varnel-scale-bench"
    for count in 25000 50000 100000; do
        mkdir -p "$folders/$count"
        if [ "$(find "$folders/$count" -type f | wc -l)" != "$count" ]; then
            (cd "$folders/$count" && seq -f 'file_%06g.dat' 0 $((count - 1)) | xargs touch)
        fi
    done
    [ "${2:-}" = keep ] || trap 'rm -rf "$folders"; stop_display' EXIT
    echo "Load average: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) processors)"
    "$out/win/wine-run" "$out/win/bin/scale_bench.exe" "${1:-3}" keep
    exit
fi

if [ "$which" = wine ] || [ "$which" = both ]; then
    echo "== Windows build under Wine"
    cmake -S "$root" -B "$out/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$out/win" -j 2 --target crc_bench
    # Let Wine's services start before the clock does.
    "$out/win/wine-run" wineboot </dev/null >/dev/null 2>&1 || true
    "$out/win/wine-run" "$out/win/bin/crc_bench.exe" "$@"
fi
if [ "$which" = host ] || [ "$which" = both ]; then
    echo "== Native host build (Release, no sanitizers)"
    cmake -S "$root" -B "$out/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ -DVARNEL_SANITIZE=OFF >/dev/null
    cmake --build "$out/bench" -j 2 --target crc_bench
    "$out/bench/bin/crc_bench" "$@"
fi
