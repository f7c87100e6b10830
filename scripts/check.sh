#!/usr/bin/env bash
# Checks files, checksum lists and folders with the console checker varnelc
# under Wine and prints its report; exits with its status (0: no message,
# 1: the report holds messages, 2: usage error). Installs what is missing and
# builds varnelc first, quietly.
#   scripts/check.sh [--] FILE_OR_FOLDER...   (also --help, --version)
#   VARNEL_BUILD   build folder (default: build/ in the source tree)
# A terminal shows the report in UTF-8; redirected, it is the code page 932
# bytes with CR LF that the result window saves, a list varnelc can verify.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${VARNEL_BUILD:-$root/build}

"$root/scripts/setup-deps.sh" >&2

log="$out/check-build.log"
mkdir -p "$out"
if ! { cmake -S "$root" -B "$out/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
             -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" &&
       cmake --build "$out/win" --target varnelc -j "$(nproc)"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "check.sh: building varnelc failed" >&2
    exit 2
fi

# Linux paths become Windows paths under Wine's drive Z:, which maps /;
# relative paths stay relative to the current folder, which Wine maps too.
windows_path() {
    local path=$1
    while [[ $path == */ && $path != / ]]; do path=${path%/}; done
    case "$path" in
        /*) path="Z:$path" ;;
    esac
    printf '%s' "${path//\//\\}"
}

args=()
paths_only=false
for arg in "$@"; do
    if ! $paths_only && [[ $arg == -* && $arg != - ]]; then
        [ "$arg" = -- ] && paths_only=true
        args+=("$arg")
    else
        args+=("$(windows_path "$arg")")
    fi
done

exec "$out/win/wine-run" "$out/win/bin/varnelc.exe" "${args[@]}"
