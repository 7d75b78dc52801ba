#!/usr/bin/env bash
# clang-tidy over the game's own sources with the checks of .clang-tidy; any finding fails.
#   tools/tidy.sh <build-dir with compile_commands.json>
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
mapfile -t sources < <(git ls-files 'core/*.cpp' 'desktop/*.cpp' 'metafile/*.cpp' 'tools/*.cpp' \
    | grep -v -e '^core/tests/' -e '^desktop/tests/')
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${sources[@]/#/$PWD/}" >"$build/tidy.log" 2>&1 \
    || { grep -E 'warning:|error:' -A3 "$build/tidy.log" | head -100; exit 1; }
echo "clang-tidy: ${#sources[@]} files, no findings"
