#!/usr/bin/env bash
# Builds the Debian package, installs it with apt, starts the installed game under Xvfb, waits
# for its main window and ends it.
#   tools/package-smoke-test.sh <build-dir>
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/morvane_*_amd64.deb)
echo "package: $(basename "$package")"
dpkg-deb --field "$package" Depends
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --reinstall "$PWD/$package" \
    >/dev/null
desktop-file-validate /usr/share/applications/org.morvane.Morvane.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.morvane.Morvane.metainfo.xml >/dev/null
test -x /usr/libexec/morvane/morvane-wmf

export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d)
display=:97
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
command=$(sed -n 's/^Exec=//p' /usr/share/applications/org.morvane.Morvane.desktop)
DISPLAY=$display $command &
game=$!
# The splash stays for one to two seconds before the main window comes.
if ! DISPLAY=$display timeout 5 xdotool search --sync --onlyvisible --name '4年生算数科' >/dev/null; then
    echo "the installed game showed no main window within 5 seconds" >&2
    kill "$game" 2>/dev/null || true
    exit 1
fi
kill -TERM "$game"
status=0
wait "$game" || status=$?
if [ "$status" -ne 0 ]; then
    echo "the game did not end cleanly (exit status $status)" >&2
    exit 1
fi
echo "installed game: main window shown, ended cleanly"
