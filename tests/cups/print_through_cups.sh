#!/usr/bin/env bash
# Prints through a real CUPS server: starts a cupsd of its own on this machine, with a cups-pdf
# queue as its default printer, runs the given test program against it and stops the server
# again. The program finds the queue as the default printer through CUPS_SERVER, and the folder
# where the printed PDF files appear in MORVANE_CUPS_OUTPUT.
#
#   print_through_cups.sh <test program> [arguments...]
set -euo pipefail

fail() {
    echo "print_through_cups: $*" >&2
    exit 1
}

[ $# -ge 1 ] || fail "usage: $0 <test program> [arguments...]"
# The cups-pdf backend runs only under a scheduler started as root.
[ "$(id -u)" -eq 0 ] || fail "cupsd must be started as root: run this test as root"
for tool in /usr/sbin/cupsd lpadmin lpstat pdfinfo pdftoppm; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run tools/install-deps.sh --test"
done
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -x "$backend" ] && [ -r "$ppd" ] || fail "cups-pdf is missing: run tools/install-deps.sh --test"

# A run that was killed (a test timeout) leaves its files behind, and maybe its scheduler: they
# are named after the run's process id and cleared away once that process has gone.
remove_leftovers() {
    local conf run dir
    for conf in /etc/cups/cups-pdf-morvane*.conf; do
        [ -e "$conf" ] || continue
        run=${conf##*/cups-pdf-morvane}
        run=${run%.conf}
        grep -qF print_through_cups "/proc/$run/cmdline" 2>/dev/null && continue
        for dir in /tmp/morvane-cups."$run".*; do
            [ -d "$dir" ] || continue
            local scheduler
            scheduler=$(cat "$dir/cupsd.pid" 2>/dev/null || true)
            if [ -n "$scheduler" ] && grep -qF "$dir" "/proc/$scheduler/cmdline" 2>/dev/null; then
                kill "$scheduler" 2>/dev/null || true
                for _ in $(seq 50); do
                    grep -qF "$dir" "/proc/$scheduler/cmdline" 2>/dev/null || break
                    sleep 0.2
                done
            fi
            rm -rf "$dir" || true
        done
        rm -f "$conf"
    done
}
remove_leftovers

queue=MorvanePDF
work=$(mktemp -d "/tmp/morvane-cups.$$.XXXXXX")
chmod 755 "$work"
# cups-pdf reads its settings from /etc/cups/cups-pdf-<name>.conf for the device cups-pdf:/<name>;
# this one sends the files to the work folder instead of the user's home.
device_name=morvane$$
pdf_conf=/etc/cups/cups-pdf-$device_name.conf
cupsd_pid=

stop() {
    local status=$?
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    if [ "$status" -ne 0 ] && [ -f "$work/log/error_log" ]; then
        echo "---- end of the scheduler's error log ----" >&2
        tail -n 40 "$work/log/error_log" >&2
    fi
    rm -f "$pdf_conf"
    rm -rf "$work"
}
trap stop EXIT
trap 'exit 143' TERM INT

mkdir -p "$work/etc/ppd" "$work/etc/ssl" "$work/spool" "$work/cache" "$work/state" "$work/log" \
    "$work/pdf"
# The filters run as lp and keep their temporary files here.
install -d -m 1770 -g lp "$work/spool/tmp"

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

cat >"$pdf_conf" <<CONF
Out $work/pdf
AnonDirName $work/pdf
Spool $work/cups-pdf-spool
Grp root
CONF

/usr/sbin/cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" \
    >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
echo "$cupsd_pid" >"$work/cupsd.pid"
export CUPS_SERVER="$work/cups.sock"
# A scheduler that gave up is a zombie until it is waited for: only its state tells.
scheduler_alive() {
    local state
    state=$(cut -d' ' -f3 "/proc/$cupsd_pid/stat" 2>/dev/null) && [ "$state" != Z ]
}
for _ in $(seq 100); do
    scheduler_alive || fail "cupsd could not start: $(cat "$work/log/cupsd.out")
$(/usr/sbin/cupsd -t -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" 2>&1)"
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.2
done
lpstat -r 2>/dev/null | grep -q "is running" || fail "cupsd started but does not answer on $CUPS_SERVER"

lpadmin -p "$queue" -E -v "cups-pdf:/$device_name" -P "$ppd" ||
    fail "could not add the cups-pdf queue $queue"
lpadmin -d "$queue" || fail "could not make $queue the default printer"

MORVANE_CUPS_OUTPUT="$work/pdf" MORVANE_CUPS_QUEUE="$queue" "$@"
