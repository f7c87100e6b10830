#!/usr/bin/env bash
# The first run in a new Wine prefix, which sets the prefix up, prints the same
# report on standard output as the run after it: whatever the set-up or Wine
# says must not land in a saved list.
#   first_run_test.sh WINE_RUN VARNELC   (WINE_RUN bound to a prefix of its own)
set -u
wine_run=$1
varnelc=$2
prefix=$(sed -n 's/^export WINEPREFIX="\(.*\)"$/\1/p' "$wine_run")
work=$(mktemp -d)
cleanup() {
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null
    rm -rf "$prefix" "$prefix.lock" "$work"
}
trap cleanup EXIT
cleanup
mkdir -p "$work/folder"
printf 'hello\n' >"$work/folder/a.dat"
for run in first second; do
    "$wine_run" "$varnelc" "Z:${work//\//\\}\\folder" >"$work/$run" 2>"$work/$run.err" ||
        { echo "the $run run failed:"; cat "$work/$run.err"; exit 1; }
done
if ! cmp -s "$work/first" "$work/second" || ! grep -q 'a\.dat  CE87' "$work/first"; then
    echo "the first run printed:"
    cat -v "$work/first"
    echo "the second:"
    cat -v "$work/second"
    exit 1
fi
