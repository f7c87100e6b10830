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
cp932 "$table" >"$work/folder.expected"
{
    cp932 '%s\\無い.bin:ファイルが開けません\r\n' "$windows"
    cp932 "$table"
} >"$work/list.expected"

runs=("japanese ja_JP.UTF-8 $varnelc" "english en_US.UTF-8 $varnelc"
      "plain en_US.UTF-8 $plain")
# The report of each run; the exit status follows it, on a line of its own.
check() {
    local kind=$1 name=$2 locale=$3 program=$4 status=0
    shift 4
    VARNEL_WINE_LOCALE=$locale "$wine_run" "$program" "$@" >"$work/$name.$kind" || status=$?
    echo "$status" >>"$work/$name.$kind"
}
for run in "${runs[@]}"; do
    check folder $run "$windows"
done
cp "$work/folder.expected" "$folder/sums.txt"
for run in "${runs[@]}"; do
    check list $run "$windows\\sums.txt" "$windows\\無い.bin"
done
echo 0 >>"$work/folder.expected"
echo 1 >>"$work/list.expected"

status=0
for run in "${runs[@]}"; do
    for kind in folder list; do
        actual="$work/${run%% *}.$kind"
        if ! cmp -s "$work/$kind.expected" "$actual"; then
            echo "${run%% *} $kind: the report differs from the expected bytes"
            diff <(iconv -f CP932 -t UTF-8 "$work/$kind.expected") <(iconv -f CP932 -t UTF-8 "$actual") || true
            status=1
        fi
    done
done
exit "$status"
