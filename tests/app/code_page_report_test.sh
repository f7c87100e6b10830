#!/usr/bin/env bash
# The report of a folder of Japanese names, of the saved report verified, and
# of a missing file is the same code page 932 bytes under a Japanese and an
# English system locale, and from the build whose manifest lacks
# activeCodePage (the ANSI code page is then 1252): Windows 10 on any locale.
#   code_page_report_test.sh WINE_RUN VARNELC VARNELC_WITHOUT_CODE_PAGE
set -eu
wine_run=$1
varnelc=$2
plain=$3
if ! grep -q activeCodePage "$varnelc" || grep -q activeCodePage "$plain"; then
    echo "only $varnelc should carry activeCodePage"
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# "表" ends in the byte 0x5C, the backslash.
folder="$work/表示 フォルダ"
mkdir "$folder"
printf 123456789 >"$folder/表示名.bin"
windows="Z:${folder//\//\\}"
cp932() { printf "$@" | iconv -f UTF-8 -t CP932; }
table='Name        CRC   Bytes\r\n----------  ----  -----\r\n表示名.bin  6F91      9\r\n-----------------------\r\nTotal  1 Files  9 Bytes\r\n'

status=0
# Runs program under locale; its report, then its exit status on a line of
# its own, must be the bytes of expected.
check() {
    local expected=$1 locale=$2 program=$3 code=0
    shift 3
    VARNEL_WINE_LOCALE=$locale "$wine_run" "$program" "$@" >"$work/actual" || code=$?
    echo "$code" >>"$work/actual"
    cmp -s "$expected" "$work/actual" && return
    echo "${program##*/} under $locale: the report differs from the expected bytes"
    diff <(iconv -f CP932 -t UTF-8 "$expected") <(iconv -f CP932 -t UTF-8 "$work/actual") || true
    status=1
}
runs=("ja_JP.UTF-8 $varnelc" "en_US.UTF-8 $varnelc" "en_US.UTF-8 $plain")
{ cp932 "$table"; echo 0; } >"$work/folder"
for run in "${runs[@]}"; do
    check "$work/folder" $run "$windows"
done
cp932 "$table" >"$folder/sums.txt"
{ cp932 '%s\\無い.bin:ファイルが開けません\r\n' "$windows"; cp932 "$table"; echo 1; } >"$work/list"
for run in "${runs[@]}"; do
    check "$work/list" $run "$windows\\sums.txt" "$windows\\無い.bin"
done
exit "$status"
