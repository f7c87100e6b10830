#!/usr/bin/env bash
# Fails when a Windows program moves a 256- or 512-bit register to or from the
# stack with an instruction that demands alignment. 64-bit Windows keeps the
# stack 16-byte aligned only, so such a move faults on a real system, while
# Wine (whose stacks happen to be aligned more) runs it silently.
#
#   check_wide_stack_moves.sh [--expect N] OBJDUMP FILE_OR_FOLDER...
# A folder stands for the .exe files in it. With --expect, succeeds only when
# exactly N such moves are found (to prove the check itself on a known object).
set -euo pipefail
expect=
if [ "${1:-}" = --expect ]; then
    expect=$2
    shift 2
fi
objdump=$1
shift

files=()
for item in "$@"; do
    if [ -d "$item" ]; then
        files+=("$item"/*.exe)
    else
        files+=("$item")
    fi
done
[ ${#files[@]} -gt 0 ] && [ -e "${files[0]}" ] || { echo "nothing to check in: $*" >&2; exit 2; }

aligned='v(movdqa(32|64)?|movap[sd]|movnt(dq|dqa|ps|pd))[[:space:]]'
wide='%[yz]mm[0-9]+'
stack='\(%r[sb]p[,)]'
found=0
for file in "${files[@]}"; do
    hits=$("$objdump" -d --no-show-raw-insn "$file" | grep -E "$aligned" | grep -E "$wide" |
           grep -E "$stack" || true)
    if [ -n "$hits" ]; then
        count=$(printf '%s\n' "$hits" | wc -l)
        found=$((found + count))
        echo "$file: $count aligned wide move(s) relative to the stack:"
        printf '%s\n' "$hits" | head -20
    fi
done

if [ -n "$expect" ]; then
    [ "$found" -eq "$expect" ] && exit 0
    echo "expected $expect aligned wide stack move(s), found $found" >&2
    exit 1
fi
echo "${#files[@]} file(s) checked, $found aligned wide stack move(s)"
[ "$found" -eq 0 ]
