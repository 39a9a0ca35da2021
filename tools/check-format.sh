#!/usr/bin/env bash
# Checks that every C++ file git tracks follows .clang-format, with clang-format 14 as
# Debian 12 ships it (other versions lay some lines out differently). Lists the files
# that differ and exits 1; changes nothing.
#   bash tools/check-format.sh            check
#   bash tools/check-format.sh --fix      rewrite the files that differ
set -euo pipefail
cd "$(dirname "$0")/.."

formatter=clang-format-14
command -v "$formatter" >/dev/null || formatter=clang-format
if ! "$formatter" --version | grep -q 'version 14\.'; then
    echo "check-format: needs clang-format 14 (Debian 12's clang-format package)" >&2
    exit 2
fi

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    "$formatter" -i "${files[@]}"
    exit 0
fi

differ=()
for f in "${files[@]}"; do
    "$formatter" --dry-run --Werror "$f" >/dev/null 2>&1 || differ+=("$f")
done
if [ ${#differ[@]} -gt 0 ]; then
    echo "Not formatted as .clang-format says (bash tools/check-format.sh --fix):" >&2
    printf '  %s\n' "${differ[@]}" >&2
    exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format"
