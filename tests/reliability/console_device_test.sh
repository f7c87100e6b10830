#!/usr/bin/env bash
# varnelc given the console device "CON" on an interactive console: opened
# as a file, it would wait for the user to type. Run on a pseudo-terminal
# whose input never comes, it must answer at once with a message.
#   console_device_test.sh WINE_RUN VARNELC
set -u
wine_run=$1
varnelc=$2
exec 3< <(sleep 300)
silence=$!
output=$(timeout 60 script -qec "'$wine_run' '$varnelc' CON" /dev/null <&3 2>&1)
status=$?
kill "$silence" 2>/dev/null
exec 3<&-
if [ "$status" = 124 ]; then
    echo "varnelc CON waits for console input"
    exit 1
fi
if [ "$status" != 1 ] || [[ "$output" != *"CON:ファイルが開けません"* ]]; then
    echo "varnelc CON ended with status $status and printed:"
    echo "$output"
    exit 1
fi

# A check that takes a while shows on the console, on standard error, the
# file's number of those known, the share of the bytes, the rate, the time
# left and the name. A sparse file of 64 GiB takes seconds on any machine;
# Ctrl+C ends it once the line has had time to show.
folder=$(mktemp -d)
truncate -s 64G "$folder/big.bin"
exec 3< <(sleep 3; printf '\003'; sleep 60)
silence=$!
output=$(timeout 60 script -qec "'$wine_run' '$varnelc' 'Z:${folder//\//\\}\\big.bin'" /dev/null \
         <&3 2>&1)
kill "$silence" 2>/dev/null
exec 3<&-
rm -rf "$folder"
line='1 / 1 ファイル  [0-9]+%  [0-9.]+ [KMG]?B/s  残り [^ ]+  big\.bin'
if ! [[ "$output" =~ $line ]]; then
    echo "a long check on a console showed no full progress line:"
    printf '%s\n' "$output" | tr '\r' '\n' | tail -5
    exit 1
fi

# A report that cannot be written (a full disk) is never a clean exit.
"$wine_run" "$varnelc" --version >/dev/null 2>&1  # the prefix is ready
"$wine_run" "$varnelc" "$varnelc" >/dev/full 2>/dev/null
status=$?
if [ "$status" != 1 ]; then
    echo "varnelc with its report going to a full disk ended with status $status"
    exit 1
fi

# A report redirected by a Unix shell into the folder it checks, as
# scripts/check.sh does, does not list itself.
folder=$(mktemp -d)
printf abc > "$folder/a.bin"
"$wine_run" "$varnelc" "Z:${folder//\//\\}" > "$folder/sums.txt" 2>/dev/null
listed=$(tr -d '\r' < "$folder/sums.txt")
rm -rf "$folder"
if [[ "$listed" == *sums.txt* || "$listed" != *"a.bin  61DA      3"* ]]; then
    echo "varnelc redirected into the folder it checks printed:"
    echo "$listed"
    exit 1
fi

# Only the output itself is left out: two new file systems give their first
# files the same inode, and an empty file there is checked, not taken for
# the report. Needs root to mount them.
mounts=$(mktemp -d)
mkdir "$mounts/out" "$mounts/in"
if mount -t tmpfs tmpfs "$mounts/out" 2>/dev/null && mount -t tmpfs tmpfs "$mounts/in"; then
    : > "$mounts/in/empty.bin"
    "$wine_run" "$varnelc" "Z:${mounts//\//\\}\\in\\empty.bin" > "$mounts/out/sums.txt" 2>/dev/null
    listed=$(tr -d '\r' < "$mounts/out/sums.txt")
    same=$(stat -c %i "$mounts/out/sums.txt" "$mounts/in/empty.bin" | uniq | wc -l)
    umount "$mounts/out" "$mounts/in"
    if [[ "$same" != 1 || "$listed" != *"empty.bin  FFFF      0"* ]]; then
        echo "an empty file of the output's inode on another file system (same inode: $same) gave:"
        echo "$listed"
        exit 1
    fi
else
    umount "$mounts/out" 2>/dev/null
    echo "not root: the file of the output's inode on another file system is not tried"
fi
rmdir "$mounts/out" "$mounts/in" "$mounts"
