#!/usr/bin/env bash
# Installs what building, running and testing the game need on Debian 12, as root or through
# sudo. Packages already present are left alone, so a second run costs a few seconds.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev libcups2-dev
    # The touch and pen tests hand their events to Qt as a platform does, through its private API.
    qt6-base-private-dev
    fonts-ipafont fonts-liberation
    # libwmf's link line names these libraries, but its -dev package does not depend on them all.
    libwmf-dev libexpat1-dev libjpeg-dev libpng-dev zlib1g-dev libfreetype-dev libx11-dev
    # Asking the window manager for a window's frame before it is first shown.
    libxcb1-dev
    libbenchmark-dev
    # The core's tests (core/tests).
    doctest-dev
    xvfb xauth x11-utils xdotool
)
if [ "${1:-}" = "--test" ]; then
    # sudo: the CUPS test starts its scheduler through it when not run as root.
    packages+=(cups printer-driver-cups-pdf poppler-utils sudo clang clang-tidy clang-format
               libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file
               # The game on a desktop: real window managers, and tools to drive and watch it.
               openbox metacity wmctrl imagemagick
               # The core's tests compiled by em++ and run under node (cmake/CoreWasm.cmake).
               emscripten)
    # em++ and the tests run under the node already installed; Debian's only where there is none.
    command -v node >/dev/null || packages+=(nodejs)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
