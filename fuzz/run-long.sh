#!/usr/bin/env bash
# A long fuzz run: builds the fuzz targets (build/fuzz) and runs each in turn
# for SECONDS (default 3600), at low priority and one job at a time, so that
# other work on the machine goes on. Each target starts from its committed
# seeds and from what earlier runs kept in build/fuzz/fuzz/corpus/<target>;
# logs go to build/fuzz/long/<target>.log, findings to build/fuzz/long/.
#   fuzz/run-long.sh [SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${VARNEL_BUILD:-$root/build}/fuzz
seconds=${1:-3600}
shift || true
targets=("$@")
if [ ${#targets[@]} = 0 ]; then
    targets=($(sed -n 's/^varnel_fuzz(\([a-z_]*\).*/\1/p' "$root/fuzz/CMakeLists.txt"))
fi

cmake -S "$root" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVARNEL_FUZZ=ON >/dev/null
nice -n 10 cmake --build "$out" -j 1 >/dev/null
mkdir -p "$out/long"
for target in "${targets[@]}"; do
    dict=$(sed -n "s/^varnel_fuzz($target DICT \(.*\))/\1/p" "$root/fuzz/CMakeLists.txt")
    corpus="$out/fuzz/corpus/$target"
    mkdir -p "$corpus"
    (cd "$out/long" &&
     nice -n 10 "$out/bin/$target" -jobs=1 -workers=1 -max_total_time="$seconds" -timeout=10 \
         -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/long/$target-" \
         ${dict:+-dict="$root/fuzz/dict/$dict"} "$corpus" "$root/fuzz/corpus/$target" \
         >/dev/null 2>&1 || true
     mv fuzz-0.log "$target.log")
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/long/$target.log")
    found=$(find "$out/long" -maxdepth 1 -name "$target-*" | wc -l)
    echo "$target: ${runs:-?} runs in ${seconds} s, $found finding(s)"
done
