#!/usr/bin/env bash
# Prints through a real CUPS server: starts a cupsd of its own on this machine with two cups-pdf
# queues, runs the given test program against it and stops the server again. The queue named in
# MORVANE_CUPS_QUEUE is the server's default printer; the one in MORVANE_CUPS_USER_QUEUE is no
# one's default, for tests that make it a user's own default (PRINTER, LPDEST, lpoptions). The
# program finds the server through CUPS_SERVER, and the folders where the two queues' PDF files
# appear in MORVANE_CUPS_OUTPUT and MORVANE_CUPS_USER_OUTPUT. It runs with a HOME of its own and
# without PRINTER or LPDEST, so that the caller's own printer choices stay out of it.
#
# Only the scheduler needs root: the cups-pdf backend writes files only under a root scheduler.
# As root the script starts it directly; as a user whose sudo needs no password, through `sudo -n`,
# while the test program still runs as that user. Anyone else skips the test: exit status 77,
# with the reason on stderr and, since ctest does not show a skipped test's output, in the file
# MORVANE_SKIP_NOTE names.
#
#   print_through_cups.sh <test program> [arguments...]
set -euo pipefail

fail() {
    echo "print_through_cups: $*" >&2
    exit 1
}

skip() {
    echo "print_through_cups: skipped: $*" >&2
    if [ -n "${MORVANE_SKIP_NOTE:-}" ]; then
        mkdir -p "$(dirname "$MORVANE_SKIP_NOTE")"
        echo "$*" >"$MORVANE_SKIP_NOTE"
    fi
    exit 77
}

[ $# -ge 1 ] || fail "usage: $0 <test program> [arguments...]"
[ -z "${MORVANE_SKIP_NOTE:-}" ] || rm -f "$MORVANE_SKIP_NOTE"

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null ||
        skip "cupsd must be started as root, and sudo is not installed; run it as root or as a user with passwordless sudo"
    sudo -n true 2>/dev/null ||
        skip "cupsd must be started as root, and 'sudo -n' may not run commands as root for $(id -un); run it as root or as a user with passwordless sudo"
    as_root=(sudo -n)
fi

for tool in /usr/sbin/cupsd lpadmin lpstat pdfinfo pdftoppm; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run tools/install-deps.sh --test"
done
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
# The backend is root's alone (mode 0700): only its presence can be checked.
[ -f "$backend" ] && [ -r "$ppd" ] || fail "cups-pdf is missing: run tools/install-deps.sh --test"

# A run that was killed (a test timeout) leaves its files behind, and maybe its scheduler: they
# are named after the run's process id and cleared away once that process has gone.
remove_leftovers() {
    local conf run dir scheduler
    for conf in /etc/cups/cups-pdf-morvane*.conf /etc/cups/cups-pdf-own-morvane*.conf; do
        [ -e "$conf" ] || continue
        run=${conf##*morvane}
        run=${run%.conf}
        grep -qF print_through_cups "/proc/$run/cmdline" 2>/dev/null && continue
        for dir in /tmp/morvane-cups."$run".*; do
            [ -d "$dir" ] || continue
            scheduler=$(cat "$dir/cupsd.pid" 2>/dev/null || true)
            if [ -n "$scheduler" ] && grep -qF "$dir" "/proc/$scheduler/cmdline" 2>/dev/null; then
                "${as_root[@]}" kill "$scheduler" 2>/dev/null || true
                for _ in $(seq 50); do
                    grep -qF "$dir" "/proc/$scheduler/cmdline" 2>/dev/null || break
                    sleep 0.2
                done
            fi
            "${as_root[@]}" rm -rf "$dir" || true
        done
        "${as_root[@]}" rm -f "$conf"
    done
}
remove_leftovers

work=$(mktemp -d "/tmp/morvane-cups.$$.XXXXXX")
chmod 755 "$work"
cupsd_pid=
starter=
pdf_confs=()

stop() {
    local status=$?
    if [ -n "$starter" ]; then
        "${as_root[@]}" kill "${cupsd_pid:-$starter}" 2>/dev/null || true
        wait "$starter" 2>/dev/null || true
    fi
    if [ "$status" -ne 0 ] && [ -f "$work/log/error_log" ]; then
        echo "---- end of the scheduler's error log ----" >&2
        "${as_root[@]}" tail -n 40 "$work/log/error_log" >&2 || true
    fi
    [ ${#pdf_confs[@]} -eq 0 ] || "${as_root[@]}" rm -f "${pdf_confs[@]}"
    # The scheduler made some of these files as root.
    "${as_root[@]}" rm -rf "$work"
}
trap stop EXIT
trap 'exit 143' TERM INT

mkdir -p "$work/etc/ppd" "$work/etc/ssl" "$work/spool/tmp" "$work/cache" "$work/state" \
    "$work/log" "$work/pdf" "$work/pdf-user" "$work/home"
# The filters run as lp and keep their temporary files here.
"${as_root[@]}" chgrp lp "$work/spool/tmp"
"${as_root[@]}" chmod 1770 "$work/spool/tmp"

cat >"$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
Printcap $work/printcap
SystemGroup root
FileDevice No
CONF

cat >"$work/etc/cupsd.conf" <<CONF
LogLevel info
Listen $work/cups.sock
Browsing No
WebInterface No
ErrorPolicy abort-job
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

# cups-pdf reads its settings from /etc/cups/cups-pdf-<name>.conf for the device cups-pdf:/<name>;
# these send each queue's files to a folder of the work folder instead of the user's home. The
# names end in the run's process id, for remove_leftovers; the user's queue has a name that the
# leftover clearing of older copies of this script, which takes what follows "morvane" for the
# process id, leaves alone.
add_queue() {
    local queue=$1 device=$2 output=$3
    local conf=/etc/cups/cups-pdf-$device.conf
    pdf_confs+=("$conf")
    printf 'Out %s\nAnonDirName %s\nSpool %s\nGrp root\n' \
        "$output" "$output" "$work/cups-pdf-spool-$device" | "${as_root[@]}" tee "$conf" >/dev/null
    lpadmin -p "$queue" -E -v "cups-pdf:/$device" -P "$ppd" ||
        fail "could not add the cups-pdf queue $queue"
}

# The shell writes the scheduler's process id and becomes the scheduler, which sudo may not tell.
"${as_root[@]}" sh -c 'echo $$ >"$1" && exec /usr/sbin/cupsd -f -c "$2" -s "$3"' cupsd \
    "$work/cupsd.pid" "$work/etc/cupsd.conf" "$work/etc/cups-files.conf" \
    >"$work/log/cupsd.out" 2>&1 &
starter=$!
export CUPS_SERVER="$work/cups.sock"
# A scheduler that gave up is a zombie until it is waited for: only its state tells.
scheduler_alive() {
    local state
    [ -n "$cupsd_pid" ] || cupsd_pid=$(cat "$work/cupsd.pid" 2>/dev/null) || true
    state=$(cut -d' ' -f3 "/proc/${cupsd_pid:-$starter}/stat" 2>/dev/null) && [ "$state" != Z ]
}
for _ in $(seq 100); do
    scheduler_alive || fail "cupsd could not start: $(cat "$work/log/cupsd.out")
$("${as_root[@]}" /usr/sbin/cupsd -t -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" 2>&1)"
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.2
done
lpstat -r 2>/dev/null | grep -q "is running" || fail "cupsd started but does not answer on $CUPS_SERVER"

queue=MorvanePDF
user_queue=MorvaneUser
add_queue "$queue" "morvane$$" "$work/pdf"
add_queue "$user_queue" "own-morvane$$" "$work/pdf-user"
lpadmin -d "$queue" || fail "could not make $queue the default printer"

unset PRINTER LPDEST
HOME="$work/home" MORVANE_CUPS_OUTPUT="$work/pdf" MORVANE_CUPS_QUEUE="$queue" \
    MORVANE_CUPS_USER_OUTPUT="$work/pdf-user" MORVANE_CUPS_USER_QUEUE="$user_queue" "$@"
