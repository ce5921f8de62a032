#!/usr/bin/env bash
# Runs lupdate over copies of the .ts files: they must come out unchanged
# (every text of the sources is there and nothing else) and hold no
# unfinished translation.
# Usage: translations_test.sh <lupdate command...> -ts <file.ts...>
set -euo pipefail
command=()
while [[ $1 != -ts ]]; do
    command+=("$1")
    shift
done
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
copies=()
for ts in "$@"; do
    cp "$ts" "$scratch/"
    copies+=("$scratch/$(basename "$ts")")
done
"${command[@]}" -ts "${copies[@]}"
status=0
for ts in "$@"; do
    copy=$scratch/$(basename "$ts")
    if ! diff -u "$ts" "$copy"; then
        echo "translations_test: $ts is not up to date with the sources" \
            "(build the update_translations target)" >&2
        status=1
    fi
    if grep -n -B3 'type="unfinished"' "$copy"; then
        echo "translations_test: $ts has unfinished translations" >&2
        status=1
    fi
done
exit $status
