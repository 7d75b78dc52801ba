#!/usr/bin/env bash
# Builds the browser game into build-web/site/: the core and its bindings compiled by em++
# (web/CMakeLists.txt, in build-web/core) and the page bundled by esbuild (web/build.mjs).
# Installs what is missing: Debian's emscripten, cmake and ninja with apt, the page's npm
# packages from web/package-lock.json with npm ci.
#
#   tools/build-web.sh
#
# Two build jobs at most (JOBS=N changes it).
set -euo pipefail
cd "$(dirname "$0")/.."

missing=()
command -v em++ >/dev/null || missing+=(emscripten)
command -v cmake >/dev/null || missing+=(cmake)
command -v ninja >/dev/null || missing+=(ninja-build)
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing ${missing[*]}"
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get install -y "${missing[@]}"
fi

# Debian's em++ runs its JavaScript optimiser under node with Debian's node modules (acorn),
# which a node not from Debian does not look for by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

core=build-web/core
if [ ! -e "$core/CMakeCache.txt" ]; then
    emcmake cmake -S web -B "$core" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DMORVANE_WARNINGS_AS_ERRORS=ON
fi
cmake --build "$core" --parallel "${JOBS:-2}"

# The packages exactly as the lockfile has them, again whenever it changes.
if [ ! -e web/node_modules/.package-lock.json ] ||
    [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
    (cd web && npm ci --no-audit --no-fund)
fi
(cd web && npx --no-install tsc --noEmit -p . && node build.mjs --core "../$core" --out ../build-web/site)
