#!/usr/bin/env bash
# Installs what is missing, then runs every check of the game:
#   1. formatting of the sources (clang-format) and the layers of the folders;
#   2. the whole build with warnings as errors, and every test;
#   3. every test again in a build with AddressSanitizer and UndefinedBehaviorSanitizer;
#   4. the fuzz target built with clang (not run: fuzzing is a long run of its own);
#   5. clang-tidy over the game's own code;
#   6. the Debian package built, installed with apt and started under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --test

step() { printf '\n==== %s ====\n' "$*"; }

step "clang-format and layers"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "formatting: clean"
bash tools/check-layers.sh

step "build and tests"
cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release

step "tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

step "fuzz target"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

step "clang-tidy"
bash tools/tidy.sh build-test

step "Debian package"
bash tools/package-smoke-test.sh build-test
