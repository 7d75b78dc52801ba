#!/usr/bin/env bash
# Installs what is missing, builds the Debian package and installs it with apt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --test
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
(cd build && cpack -G DEB)
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --reinstall "$PWD"/build/morvane_*_amd64.deb
