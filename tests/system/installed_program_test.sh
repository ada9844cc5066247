#!/usr/bin/env bash
# The installed package watched from outside: the .deb unpacked into a temporary root, its
# program run on a virtual display with a session bus, a fake logind and a PulseAudio whose
# only output is a null sink, in temporary HOMEs.
#   with-xvfb.sh fake-logind.sh run dbus-run-session -- installed_program_test.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/../support/scripttest.sh"
# No dependency list: dpkg-shlibdeps takes longer than the rest, and nothing here reads it.
(cd "$1" && cpack -G DEB -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF >"$work/cpack.log" 2>&1) || fail "cpack"
dpkg-deb -x "$(ls -t "$1"/lullwick_*.deb | head -n1)" "$work/root"
export PULSE_SERVER=unix:$work/pulse.socket
XDG_RUNTIME_DIR=$work HOME=$work pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target="file:$work/pulse.log" \
    -L "module-native-protocol-unix socket=$work/pulse.socket auth-anonymous=1" -L module-null-sink 2>/dev/null &
pids+=($!)
wait_for 10 pactl info >/dev/null 2>&1 || fail "pulseaudio does not answer"
playing() { [[ -n $(pactl list short sink-inputs) ]]; }
multimedia_loaded() { grep -q libQt6Multimedia "/proc/$app/maps"; }
mock() { dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 "org.freedesktop.DBus.Mock.$1"; }
warning() { xdotool search --onlyvisible --name '^Warning\.\.\.\.$' 2>/dev/null | head -n1; }
has_window() { [[ -n $(xdotool search --all --onlyvisible --pid "$app" --name '^Lullwick$' 2>/dev/null) ]]; }
ended() { ! kill -0 "$app" 2>/dev/null; }
start() { # HOME RUNTIME_FOLDER: starts the program there as $app
    mkdir -p -m 700 "$1/config/Lullwick" "$1/data" "$2"
    (cd "$1" && HOME=$1 XDG_CONFIG_HOME=$1/config XDG_DATA_HOME=$1/data XDG_RUNTIME_DIR=$2 QT_QPA_PLATFORM=xcb \
        LC_ALL=C.UTF-8 exec "$work/root/usr/bin/lullwick" >>"$work/app.log" 2>&1) &
    app=$!
    pids+=("$app")
}
run_due() { # FREQUENCY EVENT COUNT SOUND: one stored entry due in 4 s, in a fresh HOME
    home=$work/home-$1
    mkdir -p "$home/config/Lullwick"
    printf '[1]\nSetTime=%s\nStatus=Enabled\nFrequency=%s\nEvent=%s\nSound=%s\nAbortBtn=1\nCountTimer=%s\nLogFile=1\n' \
        "$(LC_ALL=C date -d @$(($(date +%s) + 4)) '+%-m/%-d/%Y %I:%M:%S %p')" "$1" "$2" "$4" "$3" \
        >"$home/config/Lullwick/Lullwick.ini"
    echo "the user's" >"$home/own.txt" && ln -s own.txt "$home/warning.wav" # not to be written through
    mock ClearCalls >/dev/null
    start "$home" "$home/runtime"
    wait_for 20 eval '[[ -n $(warning) ]]' || fail "no warning window appeared"
}

echo "a \"Once\" power-off entry is carried out, its clip playing, and leaves the store"
run_due Once PowerOff 3 1
wait_for 6 playing || fail "no stream reached the sound server"
multimedia_loaded || fail "the stream did not come from Qt Multimedia"
wait_for 15 ended || fail "the program did not end after the countdown"
calls=$(mock GetCalls)
[[ $(grep -c '"' <<<"$calls") == 1 && $(grep -A2 '"PowerOff"' <<<"$calls") == *"boolean false"* ]] ||
    fail "expected one non-interactive PowerOff request, got: $calls"
grep -qE '^"PowerOff at [0-9]{1,2}:[0-9]{2}:[0-9]{2} (AM|PM) on [0-9]{1,2}/[0-9]{1,2}/[0-9]{4}"'$'\r''$' \
    "$home/data/Lullwick/LogFile.log" || fail "no log line: $(cat -A "$home/data/Lullwick/LogFile.log")"
! grep -q 'Frequency=Once' "$home/config/Lullwick/Lullwick.ini" || fail "the Once entry is still stored"
[[ $(cat "$home/own.txt") == "the user's" ]] || fail "the clip was written through warning.wav"

echo "with the sound off nothing plays; Esc aborts the countdown"
run_due Daily Reboot 6 0
! wait_for 3 playing || fail "a stream played with the sound off"
! multimedia_loaded || fail "Qt Multimedia was loaded though no sound played"
xdotool mousemove --window "$(warning)" 20 10 # without a window manager keys go to the window under the pointer
xdotool key --clearmodifiers Escape
wait_for 10 eval '[[ -z $(warning) ]]' || fail "Esc did not close the warning"
sleep 4 # longer than the countdown would have run
! ended || fail "the program ended after an abort"
[[ $(mock GetCalls) != *'"Reboot"'* ]] || fail "a request was made after an abort"
[[ ! -s $home/data/Lullwick/LogFile.log ]] || fail "an aborted event was logged"

# A second start shows "Program Already Running"; a signal that ends it there (its terminal
# closed, the session ending) leaves the store (CR LF line ends, which a save would not write)
# and the start-at-login entry alone. It gets the first's runtime folder, or another (su, a sandbox).
home=$work/home-second
store=$home/config/Lullwick/Lullwick.ini
for row in "first TERM" "second HUP"; do
    read -r runtime signal <<<"$row"
    echo "a second start with the $runtime start's runtime folder, ended by SIG$signal"
    mkdir -p "$home/config/Lullwick"
    printf '[1]\r\nSetTime=12/6/2026 07:30:00 PM\r\nStatus=Enabled\r\nFrequency=Daily\r\nEvent=Reboot\r\n' | tee "$work/stored" >"$store"
    start "$home" "$home/first"
    first=$app
    wait_for 20 has_window || fail "the first start shows no window"
    start "$home" "$home/$runtime"
    wait_for 20 has_window || fail "the second start shows nothing"
    kill -"$signal" "$app"
    wait_for 20 ended || fail "SIG$signal did not end the second start"
    cmp -s "$work/stored" "$store" || fail "the store was written: $(cat -A "$store")"
    [[ ! -e $home/config/autostart/Lullwick.desktop ]] || fail "the start-at-login entry was touched"
    kill -KILL "$first"
done
