#!/usr/bin/env bash
# Checks the include graph between the game's folders:
#   - a logic folder (its CMakeLists.txt feeds morvane_core) includes nothing from a window folder;
#   - no folder includes a folder that, directly or through others, includes it back.
# A folder is the directory a source file sits in; includes inside one folder do not count.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t folders < <(git ls-files 'app/*CMakeLists.txt' 'board/*CMakeLists.txt' \
    'patterns/*CMakeLists.txt' 'teacher/*CMakeLists.txt' 'help/*CMakeLists.txt' | xargs -n1 dirname)

layer_of() {
    if grep -q 'morvane_core' "$1/CMakeLists.txt"; then echo logic
    elif grep -q 'morvane_ui' "$1/CMakeLists.txt"; then echo windows
    else echo program; fi
}
declare -A layer
for folder in "${folders[@]}"; do layer[$folder]=$(layer_of "$folder"); done

status=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
for folder in "${folders[@]}"; do
    for file in $(git ls-files "$folder/*.h" "$folder/*.cpp" | grep -E "^$folder/[^/]+$"); do
        while read -r included; do
            target=$(dirname "$included")
            [ "$target" = "$folder" ] && continue
            [ -n "${layer[$target]:-}" ] || continue
            echo "$folder $target" >>"$edges"
            if [ "${layer[$folder]}" = logic ] && [ "${layer[$target]}" != logic ]; then
                echo "layer: $file (logic) includes $included (${layer[$target]})" >&2
                status=1
            fi
        done < <(sed -n 's/^#include "\(.*\)"/\1/p' "$file")
    done
done
# tsort reports a loop in the folder graph (one folder to the next) on stderr.
if ! sort -u "$edges" | tsort >/dev/null 2>"$edges.loop"; then
    echo "folders include each other in a circle:" >&2
    grep -v 'input contains a loop' "$edges.loop" | sed 's/^tsort: /  /' >&2
    status=1
fi
rm -f "$edges.loop"
[ "$status" -eq 0 ] && echo "layers: ${#folders[@]} folders, logic never includes windows, no folder cycle"
exit "$status"
