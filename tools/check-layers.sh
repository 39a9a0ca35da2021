#!/usr/bin/env bash
# Checks that the folders are layers: every #include "..." of a C++ file runs to its own
# folder or to one below it, never back up, and no files include each other in a loop.
# Prints what breaks that and exits 1; prints the layers and exits 0 when all is well.
#   bash tools/check-layers.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# From the ground up. A folder may include the folders listed before it.
layers=(
    board hands shell play                                  # the core: standard C++ only
    ui/system ui/drawing ui/input ui/sound ui/windows ui/access ui/app  # the Qt front end
    harness sim bench measure fuzz                           # the maintainers' tools
    tests                                                   # tests, on top of everything
)

layer_of() {
    local folder=$1 i
    for i in "${!layers[@]}"; do
        case "$folder/" in "${layers[$i]}/"*) echo "$i"; return;; esac
    done
    echo -1
}

broken=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
while IFS= read -r file; do
    from=$(layer_of "$(dirname "$file")")
    [ "$from" -ge 0 ] || continue
    while IFS= read -r included; do
        [ -f "$included" ] || continue
        echo "$file $included" >>"$edges"
        to=$(layer_of "$(dirname "$included")")
        if [ "$to" -gt "$from" ]; then
            echo "check-layers: $file includes $included, which lies in a higher folder" >&2
            broken=1
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files '*.cpp' '*.h')

# A file's header and source count as one room: a loop of includes between rooms is a knot.
if ! sed -E 's/\.(cpp|h)( |$)/\2/g' "$edges" | awk '$1 != $2' | tsort >/dev/null 2>"$edges.loop"; then
    echo "check-layers: files that include each other in a loop:" >&2
    grep -v '^tsort: -: input contains a loop:$' "$edges.loop" | sed 's/^tsort: /  /' >&2
    broken=1
fi
rm -f "$edges.loop"

if [ "$broken" -ne 0 ]; then exit 1; fi
echo "check-layers: every include runs down: ${layers[*]}"
