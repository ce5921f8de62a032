#!/usr/bin/env bash
# lupdate over copies of the .ts files must leave them as they are (every text
# of the sources, nothing else), and no translation may be unfinished.
# Usage: translations_test.sh <lupdate command...> -ts <file.ts...>
set -euo pipefail
command=()
while [[ $1 != -ts ]]; do command+=("$1") && shift; done
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$@" "$scratch/"
"${command[@]}" -ts "$scratch"/*.ts
status=0
for ts in "$@"; do
    diff -u "$ts" "$scratch/$(basename "$ts")" ||
        { echo "translations_test: $ts is behind the sources (build update_translations)" >&2; status=1; }
    ! grep -n -B3 'type="unfinished"' "$ts" ||
        { echo "translations_test: $ts has unfinished translations" >&2; status=1; }
done
exit $status
