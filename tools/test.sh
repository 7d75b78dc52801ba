#!/usr/bin/env bash
# Installs what is missing, then runs every check of the game:
#   1. formatting of the sources (clang-format);
#   2. the whole build with warnings as errors, and every test;
#   3. every test again in a build with AddressSanitizer and UndefinedBehaviorSanitizer;
#   4. clang-tidy over the game's own code;
#   5. the Debian package built, installed with apt and started under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --test

step() { printf '\n==== %s ====\n' "$*"; }

# Runs every test of a build. ctest does not show a skipped test's output, so a test that can be
# skipped leaves its reason in skipped/<test>.txt of the build folder, shown here.
run_tests() {
    local build=$1 status=0 note
    rm -rf "$build/skipped"
    ctest --test-dir "$build" --output-on-failure || status=$?
    for note in "$build"/skipped/*.txt; do
        [ -e "$note" ] || continue
        echo "$(basename "$note" .txt) was skipped: $(cat "$note")"
    done
    return "$status"
}

step "clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "formatting: clean"

step "build and tests"
cmake -S . -B build-test -G Ninja -DMORVANE_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-test
run_tests build-test

step "tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON \
    -DMORVANE_BUILD_BENCH=OFF -DMORVANE_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-asan
run_tests build-asan

step "clang-tidy"
bash tools/tidy.sh build-test

step "Debian package"
bash tools/package-smoke-test.sh build-test
