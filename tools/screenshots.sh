#!/usr/bin/env bash
# Takes screenshots of the game's windows in fixed states, so two builds can be compared pixel for
# pixel (e.g. before and after a refactor):
#
#   tools/screenshots.sh <morvane executable> <output dir>
#   compare -metric AE before/played.png after/played.png null:   # prints 0 when equal
#
# Writes into the output dir (created if missing, files overwritten):
#   main.png     the main window right after start
#   played.png   the main window after the large grid, three cells painted with the left button and
#                two with the right, then the check button: bar graph and squares overlay shown
#   help.png     the help dialog
#   teacher.png  the teacher settings dialog, opened from the help dialog's teacher button
# Each is the client area of the window only, without the window manager's frame or the pointer.
#
# Everything that could differ between runs is fixed here: an X server and window manager of its
# own, a fresh HOME with a settings file written first, the locale, the fonts (IPA only) and no
# printers. Needs Xvfb, openbox, xdotool, xwininfo, xprop and ImageMagick.
set -euo pipefail

game=${1:-}
out=${2:-}
if [ ! -x "$game" ] || [ -z "$out" ]; then
    echo "usage: $0 <morvane executable> <output dir>" >&2
    exit 2
fi
for tool in Xvfb openbox xdotool xwininfo xprop import compare; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done
fonts=(/usr/share/fonts/opentype/ipafont-gothic /usr/share/fonts/opentype/ipafont-mincho)
for dir in "${fonts[@]}"; do
    [ -d "$dir" ] || { echo "$dir is missing: install fonts-ipafont" >&2; exit 1; }
done
game=$(realpath "$game")
mkdir -p "$out"
out=$(realpath "$out")

work=$(mktemp -d /tmp/morvane-shots.XXXXXX)
pids=()
# The game first, the X server last, so that none of them loses its display while still running.
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Runs "$@" every 50 ms until it succeeds or `seconds` have passed.
poll() {
    local tries=$(($1 * 20))
    shift
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.05
    done
}

# --- the X server, the environment and the window manager ---

screen_width=1280
screen_height=1024
# A display of its own, from :57 up. Given a number, Xvfb takes that display's lock file before it
# makes any socket, and exits when another server holds it. Its own search (-displayfd alone)
# makes and drops the sockets of displays in use, which can cut off a server starting beside it.
display=57
xvfb_settled() { [ -s "$work/ready" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; }
while :; do
    # The server writes its number to descriptor 3 once it takes clients.
    Xvfb ":$display" -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -dpi 96 \
        -nolisten tcp 3>"$work/ready" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    pids=("$xvfb_pid")
    poll 10 xvfb_settled || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
    [ -s "$work/ready" ] && break
    display=$((display + 1))
    [ "$display" -lt 100 ] || { echo "no free display: $(cat "$work/xvfb.log")" >&2; exit 1; }
done
export DISPLAY=":$display"

mkdir -p "$work/home/.config/Morvane" "$work/runtime" "$work/fontcache"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export XDG_CACHE_HOME="$work/home/.cache"
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset LANG LANGUAGE SESSION_MANAGER DESKTOP_SESSION XDG_CURRENT_DESKTOP QT_QPA_PLATFORMTHEME \
    QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI \
    QT_ENABLE_HIGHDPI_SCALING QT_AUTO_SCREEN_SCALE_FACTOR PRINTER LPDEST

# Only the IPA fonts, with fixed rendering, whatever else the machine has installed: Qt's own
# default face, for the controls that set none, then comes from them too.
cat >"$work/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>${fonts[0]}</dir>
  <dir>${fonts[1]}</dir>
  <cachedir>$work/fontcache</cachedir>
  <alias binding="strong"><family>serif</family><prefer><family>IPAPMincho</family></prefer></alias>
  <alias binding="strong"><family>monospace</family><prefer><family>IPAGothic</family></prefer></alias>
  <!-- Any other face, Qt's "Sans Serif" too, falls back to this one. -->
  <match target="pattern">
    <edit name="family" mode="append_last" binding="weak"><string>IPAPGothic</string></edit>
  </match>
  <match target="font">
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="hinting" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>
    <edit name="rgba" mode="assign"><const>none</const></edit>
  </match>
</fontconfig>
EOF
export FONTCONFIG_FILE="$work/fonts.conf"

# No print server: the teacher dialog's paper and orientation come from no printer at all, not
# from whatever queues this machine has.
export CUPS_SERVER="$work/no-cups.sock"

# Every key written, so no default of the build decides; the squares are shown after the check.
cat >"$work/home/.config/Morvane/Morvane.ini" <<'EOF'
[Setting]
CanSearchButton=-1
CanSelectButton=-1
CanColorChange=-1
CanOpenFile=-1
PrintModeFlag=0
ScreenModeFlag=0
LineWidth=1
PaintColorLeft=9
PaintColorRight=12
RateYoko=0.85
RateTate=0.75
Zoom=1
ShowSquares=-1
EOF

openbox >"$work/wm.log" 2>&1 &
pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
poll 10 wm_running || { echo "openbox did not start: $(cat "$work/wm.log")" >&2; exit 1; }

"$game" >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")

# --- windows, input and capture ---

# The first viewable window of the game with exactly this title.
window_named() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
        [ "$(xprop -id "$id" WM_NAME 2>/dev/null | sed -n 's/^WM_NAME([^)]*) = "\(.*\)"$/\1/p')" = "$1" ] &&
            { echo "$id"; return 0; }
    done
    return 1
}
wait_for_window() { # title; prints the window id
    poll 15 window_named "$1" || { echo "no window \"$1\": $(cat "$work/game.log")" >&2; exit 1; }
    window_named "$1"
}

# Absolute left and top of the client area.
client_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        END {print x, y}'
}

# Out of every window (they are all centred and smaller than the screen): no hover highlight, and
# no tooltip, which would be drawn over the window being captured.
park_pointer() { xdotool mousemove "$((screen_width - 1))" "$((screen_height - 1))"; }

click_in() { # window, "x y" (client pixels), button
    local x y dx dy
    read -r x y <<<"$(client_origin "$1")"
    read -r dx dy <<<"$2"
    # Moving away in the same command leaves the pointer no time to raise a tooltip.
    xdotool mousemove "$((x + dx))" "$((y + dy))" click "${3:-1}" \
        mousemove "$((screen_width - 1))" "$((screen_height - 1))"
    sleep 0.2
}

# Captures the window's client area once it has stopped changing: two captures 200 ms apart that
# are equal, so a late repaint cannot slip into one run and not the other.
capture() { # window, file
    local previous="$work/previous.png" current="$work/current.png" tries=50
    park_pointer
    sleep 0.3
    # The PNG's date chunks are left out so equal captures are equal files too.
    import -window "$1" -define png:exclude-chunks=date,time "$previous"
    while :; do
        sleep 0.2
        import -window "$1" -define png:exclude-chunks=date,time "$current"
        [ "$(compare -metric AE "$previous" "$current" null: 2>&1)" = 0 ] && break
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || { echo "$2 kept changing" >&2; exit 1; }
        mv "$current" "$previous"
    done
    mv "$current" "$out/$2"
    echo "$out/$2"
}

# Client-area places (centres) of the controls: the layout's twips / 15.
LargeGridButton="669 161" # 大きなます目, in the frame 種類
CheckButton="689 341"     # 調べる
HelpButton="711 453"      # 説明
HelpTeacher="308 245"     # the help dialog's 先生用
# The board's pixel (0, 0) is at client (4, 3); the large grid's cells are 80 x 80.
LeftCells=("44 43" "204 123" "364 363")  # board cells (0,0), (2,1) and (4,4)
RightCells=("604 443" "284 283")         # board cells (7,5) and (3,3)

MainTitle='4年生算数科  もるばねゲーム  - Morvane project'
HelpTitle='もるばねについて'
TeacherTitle='先生用の設定画面'

# --- the screenshots ---

# The splash holds the main window back for about two seconds.
main=$(wait_for_window "$MainTitle")
capture "$main" main.png

click_in "$main" "$LargeGridButton"
for cell in "${LeftCells[@]}"; do click_in "$main" "$cell" 1; done
for cell in "${RightCells[@]}"; do click_in "$main" "$cell" 3; done
click_in "$main" "$CheckButton"
capture "$main" played.png

click_in "$main" "$HelpButton"
help=$(wait_for_window "$HelpTitle")
capture "$help" help.png

click_in "$help" "$HelpTeacher"
teacher=$(wait_for_window "$TeacherTitle")
capture "$teacher" teacher.png
