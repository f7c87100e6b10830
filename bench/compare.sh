#!/usr/bin/env bash
# Times the console checker varnelc under Wine against tools a user would
# reach for instead: cksum (GNU coreutils, CRC-32), rhash --crc32 and 7z h
# (CRC-32), whole process against whole process, on one large cached file and
# on many small files. Prints Markdown tables (hyperfine's when it is there).
# On the small files it also times the floor that Wine sets there: a bare
# list / open / read / close loop (bench/small_files_floor.cpp) built and run
# as varnelc is, and prints varnelc's ratio to it.
#   bench/compare.sh [large file in GiB, default 4] [small files, default 10000]
#   VARNEL_BUILD        build folder (default: build/ in the source tree)
#   VARNEL_BENCH_DATA   where the test files go (default: compare-data in the
#                       build folder, so that runs from other checkouts on the
#                       same machine never rewrite them while this one times)
#   VARNEL_BENCH_RUNS   timed runs of each command (default 5)
#   VARNEL_BENCH_PAIRS  alternating runs of varnelc and the floor (default 15)
# Wine start-up is part of every varnelc run; a wineserver is kept running,
# as it is while a user works with Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${VARNEL_BUILD:-$root/build}
data=${VARNEL_BENCH_DATA:-$out/compare-data}
gib=${1:-4}
count=${2:-10000}
runs=${VARNEL_BENCH_RUNS:-5}
pairs=${VARNEL_BENCH_PAIRS:-15}

"$root/scripts/setup-deps.sh" >&2
sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
missing=""
for p in rhash p7zip-full hyperfine; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing" >&2
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >/dev/null ||
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq rhash p7zip-full >/dev/null
fi

echo "Building varnelc and the floor" >&2
cmake -S "$root" -B "$out/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$out/win" --target varnelc small_files_floor -j 2 >/dev/null

large="$data/large.bin"
small="$data/small"
mkdir -p "$small"
# A second run on the same files waits: making them anew under a run that
# times them made its checks fail on the files that had gone.
exec 8>"$data.lock"
flock 8
if [ "$(stat -c %s "$large" 2>/dev/null || echo 0)" != $((gib << 30)) ]; then
    echo "Writing $large ($gib GiB)" >&2
    # Written in large blocks, as a copy would write it: the page cache keeps
    # such a file in large pages, which every tool then reads faster.
    dd if=/dev/urandom of="$large" bs=1M count=$((gib << 10)) iflag=fullblock status=none
fi
if [ "$(find "$small" -type f | wc -l)" != "$count" ]; then
    echo "Writing $count small files of 4 KiB to $small" >&2
    rm -rf "$small" && mkdir -p "$small"
    head -c $((count * 4096)) /dev/urandom | split -b 4096 -a 6 -d - "$small/f"
fi
echo "Reading everything once, so that every tool finds it cached" >&2
cat "$large" "$small"/* >/dev/null

export WINEPREFIX="$out/win/wineprefix"
"$out/win/wine-run" wineboot </dev/null >/dev/null 2>&1 8>&- || true
# Neither Wine nor its server may keep the lock: the server outlives the script.
wineserver -p 2>/dev/null 8>&- || true
trap 'wineserver -k 2>/dev/null || true' EXIT

# The form of a Linux path that Wine's drive Z: gives it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
varnelc="'$out/win/wine-run' '$out/win/bin/varnelc.exe'"
floor="'$out/win/wine-run' '$out/win/bin/small_files_floor.exe'"

# The mean (hyperfine) or median time of each command of the last table, by name.
declare -A seconds

# Name and exit statuses (comma-separated) of each command that failed in
# any timed run, from hyperfine's JSON export.
failed_runs() {
    python3 -c '
import json, sys
for result in json.load(open(sys.argv[1]))["results"]:
    bad = [str(code) for code in result.get("exit_codes", []) if code != 0]
    if bad:
        print(result["command"] + "\t" + ",".join(bad))' "$1"
}

# Runs each named command (name, command, ...) once more and shows how the
# first that fails ends, so that the cause can be read.
show_failure() {
    while [ $# -gt 0 ]; do
        local output status=0
        output=$(bash -c "$2" 2>&1 >/dev/null) || status=$?
        if [ "$status" != 0 ]; then
            echo "compare.sh: \"$1\" failed (status $status): $2" >&2
            printf '%s\n' "$output" | tail -n 20 >&2
            return
        fi
        shift 2
    done
    echo "compare.sh: a failed command ran through when run again" >&2
}

# Each command's exit status is checked: a tool that failed was not timed.
measure() {
    local title=$1
    shift
    echo
    echo "### $title"
    echo
    if command -v hyperfine >/dev/null; then
        local table
        table=$(mktemp)
        local args=() names=() commands=("$@")
        while [ $# -gt 0 ]; do
            args+=(-n "$1" "$2 >/dev/null")
            names+=("$1")
            shift 2
        done
        # Failures are let through and named below: hyperfine's own message
        # does not say which command failed.
        hyperfine --style none --warmup 1 --runs "$runs" --ignore-failure \
                  --export-markdown "$table" --export-csv "$table.csv" \
                  --export-json "$table.json" "${args[@]}" >&2
        local failures
        failures=$(failed_runs "$table.json")
        if [ -n "$failures" ]; then
            printf 'compare.sh: failed in timed runs (name, exit statuses): %s\n' "$failures" >&2
            show_failure "${commands[@]}"
            exit 1
        fi
        cat "$table"
        # Rows in the order given; a name may hold commas, the seven
        # figures after it (mean first) do not.
        local row=0 mean
        while read -r mean; do
            seconds[${names[row++]}]=$mean
        done < <(tail -n +2 "$table.csv" | awk -F, '{ print $(NF - 6) }')
        rm -f "$table" "$table.csv" "$table.json"
    else
        echo "| Command | Best [s] | Median [s] |"
        echo "|:---|---:|---:|"
        while [ $# -gt 0 ]; do
            local times=()
            bash -c "$2 >/dev/null" || { show_failure "$1" "$2"; exit 1; }
            for _ in $(seq "$runs"); do
                local start end
                start=$(date +%s.%N)
                bash -c "$2 >/dev/null"
                end=$(date +%s.%N)
                times+=("$(echo "$end - $start" | bc)")
            done
            local sorted
            sorted=$(printf '%s\n' "${times[@]}" | sort -n)
            seconds[$1]=$(echo "$sorted" | sed -n "$(((runs + 1) / 2))p")
            printf '| `%s` | %.3f | %.3f |\n' "$1" "$(echo "$sorted" | head -1)" "${seconds[$1]}"
            shift 2
        done
    fi
}

echo "## Whole process, $(date -u +%Y-%m-%d), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | xargs), $(nproc) processors"
measure "One cached file of $gib GiB" \
    "varnelc (CRC-16, under Wine)" "$varnelc '$(windows_path "$large")'" \
    "cksum (CRC-32)" "cksum '$large'" \
    "rhash --crc32" "rhash --crc32 '$large'" \
    "7z h (CRC-32)" "7z h '$large'"
measure "$count cached files of 4 KiB (one folder)" \
    "varnelc (CRC-16, under Wine)" "$varnelc '$(windows_path "$small")'" \
    "floor: list/open/read/close (under Wine)" "$floor '$(windows_path "$small")'" \
    "cksum (CRC-32)" "cksum '$small'/*" \
    "rhash --crc32" "rhash --crc32 '$small'/*" \
    "7z h (CRC-32)" "7z h '$small'/*"
echo
printf 'varnelc against the floor on the small files, means of the table: %.3f\n' \
    "$(echo "${seconds["varnelc (CRC-16, under Wine)"]} / ${seconds["floor: list/open/read/close (under Wine)"]}" | bc -l)"

# The table times each command's runs in a block, so a change of load between
# blocks shifts the ratio; runs in adjacent pairs share the load they meet.
seconds_of() {
    local start end
    start=$(date +%s.%N)
    bash -c "$2 >/dev/null" || { show_failure "$1" "$2"; exit 1; }
    end=$(date +%s.%N)
    echo "$end - $start" | bc
}
ratios=()
for pair in $(seq "$pairs"); do
    # Each goes first in every other pair.
    if [ $((pair % 2)) = 1 ]; then
        checker=$(seconds_of varnelc "$varnelc '$(windows_path "$small")'")
        bare=$(seconds_of floor "$floor '$(windows_path "$small")'")
    else
        bare=$(seconds_of floor "$floor '$(windows_path "$small")'")
        checker=$(seconds_of varnelc "$varnelc '$(windows_path "$small")'")
    fi
    ratios+=("$(echo "$checker / $bare" | bc -l)")
done
printf '%s\n' "${ratios[@]}" | sort -n | awk -v pairs="$pairs" '
    { ratio[NR] = $1 }
    END { printf "the same in %d alternating pairs: median %.3f (from %.3f to %.3f)\n",
          pairs, (ratio[int((NR + 1) / 2)] + ratio[int(NR / 2) + 1]) / 2, ratio[1], ratio[NR] }'
