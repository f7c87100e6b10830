#!/usr/bin/env bash
# A whole tree's search enters no link: Wine shows a Unix symbolic link to a
# folder as a reparse point, as Windows shows a junction, so a link back up
# the tree makes a loop that must end, with a message for each link skipped.
#   tree_links_test.sh WINE_RUN VARNELC
set -eu
wine_run=$1
varnelc=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree/sub"
printf 123456789 >"$work/tree/sub/x.bin"
ln -s .. "$work/tree/sub/loop"
ln -s "$work/tree" "$work/tree/again"
windows="Z:${work//\//\\}\\tree"
code=0
timeout 120 "$wine_run" "$varnelc" -r "$windows" >"$work/report" || code=$?
# The message bytes are code page 932 as iconv writes them, not as the program does.
message() { printf '%s:リンクかジャンクションなので、中のファイルは確認していません\r\n' "$1" |
            iconv -f UTF-8 -t CP932; }
status=0
for link in 'again' 'sub\loop'; do
    if ! grep -qF "$(message "$windows\\$link")" "$work/report"; then
        echo "no message for the link $link"
        status=1
    fi
done
if [ "$code" != 1 ] || ! grep -q $'^sub\\\\x.bin  6F91      9\r$' "$work/report"; then
    echo "exit status $code, or no row for sub\\x.bin:"
    iconv -f CP932 -t UTF-8 "$work/report"
    status=1
fi
exit "$status"
