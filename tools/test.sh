#!/usr/bin/env bash
# Installs what is missing, then runs every check of the game:
#   1. formatting of the sources (clang-format) and the layers of the folders;
#   2. the whole build with warnings as errors, and every test; the core's tests (label "core")
#      run twice, natively and compiled by em++ to WebAssembly under node (core_tests_wasm);
#   3. every test again in a build with AddressSanitizer and UndefinedBehaviorSanitizer;
#   4. the fuzz target built with clang (not run: fuzzing is a long run of its own);
#   5. clang-tidy over the game's own code;
#   6. the Debian package built, installed with apt and started under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --test
# Debian's em++ runs its JavaScript optimiser under node with Debian's node modules, which a node
# not from Debian (nodesource's on CI) does not look for by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

step() { printf '\n==== %s ====\n' "$*"; }

# Runs the tests of a preset. ctest does not show a skipped test's output, so a test that can be
# skipped leaves its reason in skipped/<test>.txt of the build folder, shown here.
run_tests() {
    local preset=$1 build=$2 status=0 note
    rm -f "$build"/skipped/*.txt
    ctest --preset "$preset" || status=$?
    for note in "$build"/skipped/*.txt; do
        [ -e "$note" ] || continue
        echo "$(basename "$note" .txt) was skipped: $(cat "$note")"
    done
    return "$status"
}

step "clang-format and layers"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "formatting: clean"
bash tools/check-layers.sh

step "build and tests"
cmake --preset release >/dev/null
cmake --build --preset release
run_tests release build-test

step "tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan
run_tests asan build-asan

step "fuzz target"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

step "clang-tidy"
bash tools/tidy.sh build-test

step "Debian package"
bash tools/package-smoke-test.sh build-test
