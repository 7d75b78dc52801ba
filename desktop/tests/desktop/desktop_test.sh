#!/usr/bin/env bash
# Plays the game on a desktop: starts the real game under an X server of its own (Xvfb) with a
# real window manager and drives it from outside with real X input, as a child or a teacher would.
#
#   desktop_test.sh <openbox|metacity> <game executable>
#
# openbox draws minimise, maximise and close buttons whatever a window's hints ask: minimising or
# closing any window of the game must leave a game window on the screen, keys after painting must
# keep the painting, and Enter on the focused return button must return. metacity follows the
# hints: it must offer no minimise or close for the windows that ask for none. Under both, each
# window's outer top-left corner must be at the centring rule's place (±1 px) on its first showing,
# with that window manager's frame. Exits 77 (skipped) when Xvfb or the window manager is missing.
set -uo pipefail

SkipCode=77
wm=${1:-}
game=${2:-}

fail() {
    echo "FAIL ($wm): $*" >&2
    failures=$((failures + 1))
}
failures=0

[ -n "$wm" ] && [ -x "$game" ] || { echo "usage: $0 <openbox|metacity> <game>" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit $SkipCode; }
command -v "$wm" >/dev/null || { echo "SKIP: $wm is not installed"; exit $SkipCode; }
for tool in xdotool xprop xwininfo wmctrl import compare convert; do
    command -v "$tool" >/dev/null ||
        { echo "$tool is missing: run tools/install-deps.sh --test" >&2; exit 1; }
done

work=$(mktemp -d /tmp/morvane-desktop.XXXXXX)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

# Runs "$@" every 50 ms until it succeeds or `seconds` have passed.
poll() {
    local seconds=$1
    shift
    local tries=$((seconds * 20))
    while ! "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.05
    done
}

# The X server picks a free display itself and writes its number to the given descriptor.
screen_width=1280
screen_height=1024
Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
has_display() { [ -s "$work/display" ]; }
poll 10 has_display || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

mkdir -p "$work/home/.config" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM SESSION_MANAGER

case $wm in
metacity) metacity --sm-disable --compositor=none >"$work/wm.log" 2>&1 & ;;
*) "$wm" >"$work/wm.log" 2>&1 & ;;
esac
pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
poll 10 wm_running || { echo "$wm did not start: $(cat "$work/wm.log")" >&2; exit 1; }

"$game" >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")

# --- what the X server knows about a window ---

# An empty id would make xwininfo wait for a click on a window.
viewable() { [ -n "$1" ] && xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
# Not viewable, or gone.
not_viewable() { ! viewable "$1"; }
not() { ! "$@"; }
# The first viewable window of the game with exactly this title.
window_named() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
        [ "$(xprop -id "$id" WM_NAME 2>/dev/null | sed -n 's/^WM_NAME([^)]*) = "\(.*\)"$/\1/p')" = "$1" ] &&
            { echo "$id"; return 0; }
    done
    return 1
}
# The viewable version window: the game's only window of 406 x 256 (a 3 px border round 400 x 250).
version_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
        [ "$(client_size "$id")" = "406 256" ] && { echo "$id"; return 0; }
    done
    return 1
}
# Absolute left, top, width and height of the client area.
client_geometry() {
    [ -n "$1" ] || return 1
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}
client_size() { client_geometry "$1" | awk '{print $3, $4}'; }
# Left, right, top, bottom; a window without the property has no frame.
frame_extents() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ,)
    echo "${extents:-0 0 0 0}"
}
allowed_actions() { xprop -id "$1" _NET_WM_ALLOWED_ACTIONS; }
active_window() { xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*window id # //p'; }
normal_and_active() {
    viewable "$1" && xprop -id "$1" WM_STATE | grep -q 'window state: Normal' &&
        [ "$(active_window)" = "$(printf '0x%x' "$1")" ]
}

# --- checks ---

# The centring rule: left = (screen width - outer width) / 2 and top likewise, halves rounded to
# the even neighbour; the window's outer top-left must be there within a pixel.
check_centred() {
    local id=$1 name=$2 x y w h l r t b
    read -r x y w h <<<"$(client_geometry "$id")"
    read -r l r t b <<<"$(frame_extents "$id")"
    awk -v name="$name" -v sw=$screen_width -v sh=$screen_height -v x=$x -v y=$y -v w=$w -v h=$h \
        -v l=$l -v r=$r -v t=$t -v b=$b '
        function nearestEven(v,   lower) {
            lower = int(v)
            if (v - lower > 0.5 || (v - lower == 0.5 && lower % 2))
                return lower + 1
            return lower
        }
        BEGIN {
            left = nearestEven((sw - (w + l + r)) / 2); top = nearestEven((sh - (h + t + b)) / 2)
            outerLeft = x - l; outerTop = y - t
            if (outerLeft - left > 1 || left - outerLeft > 1 || outerTop - top > 1 || top - outerTop > 1) {
                printf "%s: outer top-left at %d,%d, the centring rule puts it at %d,%d (frame %d,%d,%d,%d)\n",
                    name, outerLeft, outerTop, left, top, l, r, t, b
                exit 1
            }
        }' >&2 || fail "$name is not centred on its first showing"
}

# A minimise request as a taskbar or `xdotool windowminimize` sends it; the window must come
# straight back, shown and active. The window manager is given a moment to carry it out first.
check_minimise_undone() {
    local id=$1 name=$2
    xdotool windowminimize "$id"
    sleep 0.3
    poll 3 normal_and_active "$id" || fail "$name stayed minimised (or inactive) after a minimise"
}

# A close request as the window manager's close button sends it.
request_close() { wmctrl -i -c "$1"; }

click_in() { # window, x, y (client pixels), button
    local x y
    read -r x y _ _ <<<"$(client_geometry "$1")"
    xdotool mousemove "$((x + $2))" "$((y + $3))" click "${4:-1}"
}

board_image() { # main window, file: the board's 640 x 480 inner area as shown
    local x y
    read -r x y _ _ <<<"$(client_geometry "$1")"
    import -window root -crop "640x480+$((x + 4))+$((y + 3))" +repage "$2"
}
rgb_at() { # image, x, y: "red,green,blue"
    local p="p{$2,$3}"
    convert "$1" -format "%[fx:int(255*$p.r+0.5)],%[fx:int(255*$p.g+0.5)],%[fx:int(255*$p.b+0.5)]" info:
}
# The left side's default colour is light blue.
left_cell_painted() {
    board_image "$main" "$work/board.png" && [ "$(rgb_at "$work/board.png" 100 100)" = 0,0,255 ]
}

# Client-area places of the controls (centres), from the layout in twips / 15.
HelpButton="711 453"
LargeGridButton="669 161"
LeftCell="104 103"   # board pixel (100, 100)
RightCell="504 303"  # board pixel (500, 300)
HelpReturn="61 245"
HelpVersion="191 261"
HelpTeacher="308 245"
TeacherReturn="407 146"

MainTitle='4年生算数科  もるばねゲーム  - Morvane project'
HelpTitle='もるばねについて'
TeacherTitle='先生用の設定画面'
QuitTitle='終わりのたしかめ'

main_shown() { window_named "$MainTitle"; }
help_shown() { window_named "$HelpTitle"; }
teacher_shown() { window_named "$TeacherTitle"; }
quit_shown() { window_named "$QuitTitle"; }

open_help() {
    click_in "$main" $HelpButton
    poll 5 help_shown || { fail "the help button showed no help dialog"; return 1; }
    help=$(help_shown)
}

# --- the game ---

# The splash holds the main window back for one to two seconds.
poll 15 main_shown || { echo "FAIL ($wm): no main window: $(cat "$work/game.log")" >&2; exit 1; }
main=$(main_shown)
check_centred "$main" "main window"

if [ "$wm" = metacity ]; then
    # Today's hints ask for no window buttons on the main window and the help dialog, and no
    # minimise on the teacher dialog (its close returns, as its return button does).
    allowed_actions "$main" | grep -qE 'MINIMIZE|CLOSE' &&
        fail "main window offers minimise or close: $(allowed_actions "$main")"
    open_help && {
        check_centred "$help" "help dialog"
        allowed_actions "$help" | grep -qE 'MINIMIZE|CLOSE' &&
            fail "help dialog offers minimise or close: $(allowed_actions "$help")"
        click_in "$help" $HelpVersion
        if poll 5 version_window; then
            check_centred "$(version_window)" "version window"
            click_in "$(version_window)" 200 128
            poll 5 not_viewable "$(version_window)" || fail "a click left the version window shown"
        else
            fail "no version window"
        fi
        click_in "$help" $HelpTeacher
        if poll 5 teacher_shown; then
            teacher=$(teacher_shown)
            check_centred "$teacher" "teacher dialog"
            allowed_actions "$teacher" | grep -q MINIMIZE &&
                fail "teacher dialog offers minimise: $(allowed_actions "$teacher")"
            click_in "$teacher" $TeacherReturn
        else
            fail "no teacher dialog"
        fi
        poll 5 main_shown || fail "the teacher's return button did not bring the main window back"
    }
    [ "$failures" -eq 0 ] && echo "PASS ($wm)"
    exit $((failures > 0))
fi

# Painting survives Space, Enter and a stray key: the keys go to the board that was pressed last.
click_in "$main" $LargeGridButton
click_in "$main" $LeftCell 1
click_in "$main" $RightCell 3
if poll 5 left_cell_painted; then
    board_image "$main" "$work/painted.png"
    xdotool key space key Return key KP_Enter key a
    # Nothing may happen: give the game a moment to do the wrong thing.
    sleep 0.5
    board_image "$main" "$work/after-keys.png"
    changed=$(compare -metric AE "$work/painted.png" "$work/after-keys.png" null: 2>&1)
    [ "$changed" = 0 ] || fail "Space and Enter after painting changed $changed board pixels"
else
    fail "a press on the board painted nothing"
fi

# The main window: minimise comes back, close asks the quit question (No keeps the game),
# maximise follows the teacher's screen setting (off), not the button.
check_minimise_undone "$main" "main window"
request_close "$main"
if poll 5 quit_shown; then
    viewable "$main" || fail "the quit question hid the main window"
    xdotool key Escape
    poll 5 not quit_shown || fail "Esc left the quit question open"
    poll 5 normal_and_active "$main" || fail "after No the main window is not back"
else
    fail "a close request to the main window asked no quit question"
fi
wmctrl -i -r "$main" -b add,maximized_vert,maximized_horz
sleep 0.3
[ "$(client_size "$main")" = "731 506" ] || fail "maximise resized the main window: $(client_size "$main")"

# The help dialog: centred on its first showing, Enter on the focused もどる returns.
if open_help; then
    check_centred "$help" "help dialog"
    poll 5 normal_and_active "$help" || fail "the help dialog did not become the active window"
    xdotool key Return
    poll 5 not_viewable "$help" || fail "Enter on the focused もどる left the help dialog open"
    poll 5 main_shown || fail "Enter on もどる did not bring the main window back"
fi

# The help dialog again: minimise comes back, close returns to the main window.
if open_help; then
    check_minimise_undone "$help" "help dialog"
    request_close "$help"
    poll 5 not_viewable "$help" || fail "a close request left the help dialog open"
    poll 5 main_shown || fail "closing the help dialog did not bring the main window back"
fi

# The version window, over the help dialog: centred, minimise comes back, close leaves the help
# dialog.
if open_help; then
    click_in "$help" $HelpVersion
    if poll 5 version_window; then
        version=$(version_window)
        check_centred "$version" "version window"
        check_minimise_undone "$version" "version window"
        request_close "$version"
        poll 5 not_viewable "$version" || fail "a close request left the version window shown"
        poll 5 viewable "$help" || fail "closing the version window left no game window shown"
    else
        fail "the version button showed no version window"
    fi
    # The teacher dialog, from the help dialog: centred, minimise comes back, close returns.
    click_in "$help" $HelpTeacher
    if poll 5 teacher_shown; then
        teacher=$(teacher_shown)
        check_centred "$teacher" "teacher dialog"
        check_minimise_undone "$teacher" "teacher dialog"
        request_close "$teacher"
        poll 5 not_viewable "$teacher" || fail "a close request left the teacher dialog open"
        poll 5 main_shown || fail "closing the teacher dialog did not bring the main window back"
    else
        fail "the teacher button showed no teacher dialog"
    fi
fi

[ "$failures" -eq 0 ] && echo "PASS ($wm)"
exit $((failures > 0))
