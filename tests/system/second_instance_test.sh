#!/usr/bin/env bash
# A second start on the same settings shows "Program Already Running"; a signal that ends it
# there (its terminal closed, the session ending) leaves the store and the start-at-login entry
# as they are. A row per runtime folder of the second start (the first's, or another: a second
# login, su, a sandbox) and signal.   with-xvfb.sh second_instance_test.sh LULLWICK_EXECUTABLE
set -euo pipefail
source "$(dirname "$0")/../support/scripttest.sh"
has_window() { [[ -n $(xdotool search --all --onlyvisible --pid "$1" --name '^Lullwick$' 2>/dev/null) ]]; }
ended() { ! kill -0 "$1" 2>/dev/null; }
home=$work/home
store=$home/config/Lullwick/Lullwick.ini
mkdir -p "$home/config/Lullwick"
# CR LF line ends, which a save would not write: any save shows.
printf '[1]\r\nSetTime=12/6/2026 07:30:00 PM\r\nStatus=Enabled\r\nFrequency=Daily\r\nEvent=Reboot\r\n' >"$work/stored"
start() { # RUNTIME_FOLDER: starts the program, its window shown, as $started
    mkdir -p -m 700 "$1"
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$1 \
        DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus QT_QPA_PLATFORM=xcb "$2" >>"$work/app.log" 2>&1 &
    started=$!
    pids+=("$started")
    wait_for 20 has_window "$started" || fail "a start shows no window"
}
for row in "first TERM" "second HUP"; do
    read -r runtime signal <<<"$row"
    echo "second start with the $runtime start's runtime folder, ended by SIG$signal"
    cp "$work/stored" "$store"
    start "$work/runtime-first" "$1"
    first=$started
    start "$work/runtime-$runtime" "$1"
    kill -"$signal" "$started"
    wait_for 20 ended "$started" || fail "SIG$signal did not end the second start"
    cmp -s "$work/stored" "$store" || fail "the store was written: $(cat -A "$store")"
    [[ ! -e $home/config/autostart/Lullwick.desktop ]] || fail "the start-at-login entry was touched"
    kill -KILL "$first"
done
