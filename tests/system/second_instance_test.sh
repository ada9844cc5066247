#!/usr/bin/env bash
# A second start on the same settings shows "Program Already Running"; a signal that ends it
# there (its terminal closed, the session ending) must leave the store and the start-at-login
# entry as they are. One row per runtime folder the second start gets (the first one's, or
# another: a second login, su, a sandbox) and per signal.
#
#   second_instance_test.sh LULLWICK_EXECUTABLE      (with DISPLAY set, e.g. under with-xvfb.sh)
set -euo pipefail
exe=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/lullwick-second.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$0")/../support/scripttest.sh"
has_window() { [[ -n $(xdotool search --all --onlyvisible --pid "$1" --name '^Lullwick$' 2>/dev/null) ]]; }
ended() { ! kill -0 "$1" 2>/dev/null; }

home=$work/home
store=$home/config/Lullwick/Lullwick.ini
mkdir -p "$home/config/Lullwick" "$home/data"
# CR LF line ends, which a save would not write: any save shows.
printf '[1]\r\nSetTime=12/6/2026 07:30:00 PM\r\nStatus=Enabled\r\nFrequency=Daily\r\nEvent=Reboot\r\n' >"$work/stored"

start() { # RUNTIME_FOLDER; sets $started
    mkdir -p -m 700 "$1"
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$1 \
        DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus QT_QPA_PLATFORM=xcb "$exe" >>"$work/app.log" 2>&1 &
    started=$!
    pids+=("$started")
}

for row in "first TERM" "second HUP"; do
    read -r runtime signal <<<"$row"
    echo "second start with the $runtime start's runtime folder, ended by SIG$signal"
    cp "$work/stored" "$store"
    start "$work/runtime-first"
    first=$started
    wait_for 20 has_window "$first" || fail "the first instance shows no window"
    start "$work/runtime-$runtime"
    second=$started
    wait_for 20 has_window "$second" || fail "the second start shows nothing"
    kill -"$signal" "$second"
    wait_for 20 ended "$second" || fail "SIG$signal did not end the second start"
    cmp -s "$work/stored" "$store" || fail "the store was written: $(cat -A "$store")"
    [[ ! -e $home/config/autostart/Lullwick.desktop ]] || fail "the start-at-login entry was touched"
    kill -KILL "$first"
    wait "$first" 2>/dev/null || true
done
