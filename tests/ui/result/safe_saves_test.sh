#!/usr/bin/env bash
# Saves touch only the file named. Unix makes here what Windows programs
# cannot: a folder that takes no new file (a full tmpfs, when this runner
# may mount one) and links in the places of the files saved, one of them
# leading to another folder's thesis. The window test saves through them;
# then every file but the ones named must be as it was.
#   safe_saves_test.sh WINE_RUN RESULT_WINDOW_TESTS
set -eu
wine_run=$1
tests=$2
work=$(mktemp -d)
mounted=
trap '[ -z "$mounted" ] || umount "$work/full"; rm -rf "$work"' EXIT
mkdir -p "$work/full" "$work/here" "$work/thesis"
if mount -t tmpfs -o size=64k,nr_inodes=3 tmpfs "$work/full" 2>/dev/null; then
    mounted=1
    printf 'old\r\n' >"$work/full/old.txt"
    head -c 50000 /dev/zero >"$work/full/filler"
else
    echo "no tmpfs may be mounted here: the full folder is left out"
fi
printf 'thesis\r\n' >"$work/thesis/thesis.txt"
printf 'any\r\n' >"$work/thesis/any.bin"
printf '[Window]\r\nOnTop=0\r\n' >"$work/thesis/settings.ini"
printf 'http://h/aa.bin\r\nhttp://h/a.bin\r\n' >"$work/here/urls.txt"
ln -s ../thesis/thesis.txt "$work/here/report.txt"
ln -s "$work/thesis/any.bin" "$work/here/urls_.txt"
ln -s ../thesis/settings.ini "$work/here/varnel.INI"
chosen='/here/(report\.txt|urls_\.txt|varnel\.INI)$'
files() { (cd "$work" && find . \( -type f -o -type l \) -printf '%p %y ' -exec sha1sum {} \;) |
          grep -Ev "$chosen" | sort; }
before=$(files)
status=0
VARNEL_SAVE_FIXTURE="Z:${work//\//\\}" timeout 300 "$wine_run" "$tests" \
    --gtest_also_run_disabled_tests --gtest_filter='*DISABLED_NothingButTheChosenFileChanges' ||
    status=1
if [ "$(files)" != "$before" ]; then
    echo "files other than the ones named changed:"
    diff <(echo "$before") <(files) || true
    status=1
fi
for name in report.txt urls_.txt varnel.INI; do
    if [ -L "$work/here/$name" ]; then
        echo "$name is still a link"
        status=1
    fi
done
exit "$status"
