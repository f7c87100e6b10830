#!/usr/bin/env bash
# The package as a user gets it. Built twice, from the tree the tests used
# and from a copy of its sources in another folder with a build folder of
# its own, it is the same bytes. Unpacked with Info-ZIP's unzip into a new
# folder on Wine's drive C: (a Japanese name with a blank), it holds the four
# files and the console checker runs from there; the guide and the license
# are code page 932 text with CR LF.
#   VARNEL_BUILD  build folder (default: build/ in the source tree)
# scripts/test.sh runs it after the Windows tests, with the prefix set up.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${VARNEL_BUILD:-$root/build}
work="$out/package-test"
fail() {
    echo "package_test: $*" >&2
    exit 1
}
rm -rf "$work"
mkdir -p "$work/source"

version=$(sed -n 's/^project(Varnel VERSION \([0-9][0-9.]*\) .*/\1/p' "$root/CMakeLists.txt")
zip=$(VARNEL_BUILD="$out" VARNEL_DIST="$work/first" "$root/scripts/package.sh")
[ "$zip" = "$work/first/varnel-$version-win-x64.zip" ] || fail "unexpected package $zip"

# The sources as they are in the working tree (files git ignores left out),
# so that an uncommitted change is in both builds; the copy has no history,
# so it is given the commit's date that the first build took from git.
(cd "$root" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) |
    tar -xf - -C "$work/source"
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)} \
    VARNEL_BUILD="$work/build" VARNEL_DIST="$work/second" "$work/source/scripts/package.sh" \
    >/dev/null
cmp "$zip" "$work/second/$(basename "$zip")" || fail "two builds of the same sources differ"

guide="はじめにお読みください.txt"
expected=$(printf '%s\n' varnel.exe varnelc.exe "$guide" LICENSE.txt)
[ "$(unzip -Z1 "$zip")" = "$expected" ] || fail "entries: $(unzip -Z1 "$zip" | tr '\n' ' ')"

prefix="$out/win/wineprefix"
"$root/scripts/wine-prefix" "$prefix"
folder="Varnel 試用"
unpacked="$prefix/drive_c/$folder"
rm -rf "$unpacked"
mkdir "$unpacked"
LC_ALL=C.UTF-8 unzip -q "$zip" -d "$unpacked"
[ "$(cd "$unpacked" && ls -A | LC_ALL=C sort)" = "$(LC_ALL=C sort <<<"$expected")" ] ||
    fail "unpacked: $(ls -A "$unpacked" | tr '\n' ' ')"

# Code page 932 that decodes and encodes back to the same bytes, every line
# ended by CR LF, and the text of the guide kept in the sources.
for text in "$guide" LICENSE.txt; do
    iconv -f CP932 -t UTF-8 "$unpacked/$text" >"$work/decoded" || fail "$text is not code page 932"
    iconv -f UTF-8 -t CP932 "$work/decoded" | cmp -s - "$unpacked/$text" ||
        fail "$text does not round-trip through code page 932"
    [ "$(grep -c '' "$unpacked/$text")" = "$(grep -c $'\r$' "$unpacked/$text")" ] ||
        fail "$text has a line without CR LF"
done
iconv -f CP932 -t UTF-8 "$unpacked/$guide" | tr -d '\r' | cmp -s - "$root/package/readme-ja.txt" ||
    fail "the guide is not package/readme-ja.txt"
head -n 1 "$unpacked/LICENSE.txt" | grep -q $'^MIT License\r$' || fail "LICENSE.txt is not the license"

# The programs as a user starts them: by their path in the unpacked folder.
run() {
    (cd "$unpacked" && "$out/win/wine-run" "C:\\$folder\\varnelc.exe" "$@")
}
[ "$(run --version)" = "varnelc $version"$'\r' ] || fail "varnelc --version: $(run --version)"
printf 123456789 >"$unpacked/nine.bin"
status=0
report=$(run nine.bin) || status=$?
[ "$status" = 0 ] || fail "varnelc nine.bin exited with $status"
grep -q $'^nine\\.bin  6F91 *9\r$' <<<"$report" || fail "report: $report"
rm -rf "$unpacked"
echo "package_test: $(basename "$zip"), $(stat -c %s "$zip") bytes, built twice alike, runs unpacked"
