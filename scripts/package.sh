#!/usr/bin/env bash
# Builds the Windows programs (Release) and packs what a user downloads:
# dist/varnel-<version>-win-x64.zip with varnel.exe, varnelc.exe, the guide
# in Japanese and the license, the text files in code page 932 with CR LF.
# The same commit gives the same bytes: the programs carry no time stamp, and
# every entry is dated to the commit's time (or SOURCE_DATE_EPOCH when set),
# in a fixed order with fixed attributes. Installs what is missing.
#   VARNEL_BUILD  build folder (default: build/ in the source tree); the
#                 programs are built in <build>/win, as for the tests
#   VARNEL_DIST   where the zip goes (default: dist/ in the source tree)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${VARNEL_BUILD:-$root/build}
dist=${VARNEL_DIST:-$root/dist}

"$root/scripts/setup-deps.sh" >&2

# The version resource and --version take the project's version from here.
version=$(sed -n 's/^project(Varnel VERSION \([0-9][0-9.]*\) .*/\1/p' "$root/CMakeLists.txt")
if [ -z "$version" ]; then
    echo "package.sh: no project version in CMakeLists.txt" >&2
    exit 1
fi
# A tree without its history (an unpacked source archive) gets a fixed date.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 1767225600)}

cmake -S "$root" -B "$out/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$out/win" --target varnel varnelc -j "$(nproc)" >&2

stage="$out/package-stage"
rm -rf "$stage"
mkdir -p "$stage" "$dist"
iconv -f UTF-8 -t CP932 "$root/package/readme-ja.txt" | sed 's/$/\r/' >"$stage/guide.txt"
cat "$root/LICENSE" "$root/package/third-party-notices.txt" | sed 's/$/\r/' >"$stage/LICENSE.txt"

zip="$dist/varnel-$version-win-x64.zip"
# Python's zipfile marks the Japanese name as UTF-8 (flag bit 11), which the
# Explorer of Windows reads as such, and takes the date and attributes given.
python3 - "$zip" "$epoch" \
    "$out/win/bin/varnel.exe" varnel.exe \
    "$out/win/bin/varnelc.exe" varnelc.exe \
    "$stage/guide.txt" "はじめにお読みください.txt" \
    "$stage/LICENSE.txt" LICENSE.txt <<'PY'
import sys, time, zipfile
zip_path, epoch, *pairs = sys.argv[1:]
# DOS times count two-second steps, from 1980 on.
stamp = time.gmtime(max(int(epoch), 315532800) // 2 * 2)[:6]
with zipfile.ZipFile(zip_path + ".tmp", "w") as archive:
    for source, name in zip(pairs[::2], pairs[1::2]):
        entry = zipfile.ZipInfo(name, date_time=stamp)
        # Unix mode 644. Marked as made on MS-DOS, the entries would have
        # their UTF-8 names recoded as OEM text by Info-ZIP's unzip.
        entry.create_system = 3
        entry.external_attr = 0o100644 << 16
        entry.compress_type = zipfile.ZIP_DEFLATED
        with open(source, "rb") as data:
            archive.writestr(entry, data.read(), compresslevel=9)
PY
mv "$zip.tmp" "$zip"
rm -rf "$stage"
echo "$zip"
