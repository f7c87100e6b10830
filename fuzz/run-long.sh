#!/usr/bin/env bash
# A long fuzz run: builds the fuzz targets (build/fuzz) and runs each for
# SECONDS (default 3600) at low priority, so that other work on the machine
# goes on. Targets run one after another, or all at once with
# VARNEL_FUZZ_PARALLEL=1. Each starts from its committed seeds and from what
# earlier runs kept in build/fuzz/fuzz/corpus/<target>; logs go to
# build/fuzz/long/<target>.log, findings to build/fuzz/long/.
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

run_target() {
    local target=$1 dict corpus
    dict=$(sed -n "s/^varnel_fuzz($target DICT \(.*\))/\1/p" "$root/fuzz/CMakeLists.txt")
    corpus="$out/fuzz/corpus/$target"
    mkdir -p "$corpus" "$out/long/$target.work"
    # bash's time keyword gives the CPU seconds the target really had, which
    # differs from SECONDS when targets share the processors.
    (cd "$out/long/$target.work" && TIMEFORMAT='%U %S' &&
     { time nice -n 19 "$out/bin/$target" -jobs=1 -workers=1 -max_total_time="$seconds" \
           -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
           -artifact_prefix="$out/long/$target-" ${dict:+-dict="$root/fuzz/dict/$dict"} \
           "$corpus" "$root/fuzz/corpus/$target" >/dev/null 2>&1 || true; } 2>"../$target.cpu"
     mv fuzz-0.log "../$target.log")
}

summary() {
    local target=$1 runs cpu found
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/long/$target.log")
    cpu=$(awk '{printf "%.0f", $1 + $2}' "$out/long/$target.cpu")
    found=$(find "$out/long" -maxdepth 1 -name "$target-*" | wc -l)
    echo "$target: ${runs:-?} runs in ${seconds} s (${cpu} s of CPU), $found finding(s)," \
         "$(ls "$corpus_root/$target" | wc -l) inputs kept"
}

corpus_root="$out/fuzz/corpus"
if [ "${VARNEL_FUZZ_PARALLEL:-0}" = 1 ]; then
    for target in "${targets[@]}"; do run_target "$target" & done
    wait
else
    for target in "${targets[@]}"; do run_target "$target"; done
fi
for target in "${targets[@]}"; do summary "$target"; done | tee "$out/long/summary.txt"
