#!/usr/bin/env bash
# Whole-program test of the installed package, watched only from outside the process.
#
#   with-xvfb.sh installed_program_test.sh BUILD_DIR
#
# Builds the Debian package, unpacks it into a temporary root and starts the installed
# executable there on a virtual display, with a private session bus, a fake logind on a private system
# bus and a temporary HOME holding a stored schedule whose entry falls due a few seconds
# later, and a sound server (PulseAudio) whose only output is a null sink. Case 1: the warning
# appears and its clip plays as a stream on the sound server, exactly one power-off request
# reaches logind, the log has the line, the "Once" entry is gone from the store and the
# program has ended. Case 2: with the sound off no stream reaches the sound server and Qt
# Multimedia is never loaded; Esc on the warning aborts: no request, and the program goes on
# running.
set -euo pipefail
build=$(cd "$1" && pwd)
support=$(cd "$(dirname "$0")/../support" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/lullwick-installed.XXXXXX")
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [[ -n ${FAKE_LOGIND_DIR:-} ]] && "$support/fake-logind.sh" stop "$FAKE_LOGIND_DIR" || true
    rm -rf "$work"
}
trap cleanup EXIT

source "$(dirname "$0")/../support/scripttest.sh"


# The package, as a user would get it, but for its dependency list (dpkg-shlibdeps takes
# longer than the rest of the test, and nothing here reads that list).
(cd "$build" && cpack -G DEB -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF >"$work/cpack.log" 2>&1) ||
    fail "cpack"
deb=$(ls -t "$build"/lullwick_*.deb | head -n1)
dpkg-deb -x "$deb" "$work/root"
exe=$work/root/usr/bin/lullwick
[[ -x $exe ]] || fail "the package holds no executable"

# The desktop: an X server (the caller's: run this under with-xvfb.sh), a session bus, logind.
[[ -n ${DISPLAY:-} ]] || fail "no display: run this under tests/support/with-xvfb.sh"
read -r session_address session_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -s -d' ')
pids+=("$session_pid")
export DBUS_SESSION_BUS_ADDRESS=$session_address
eval "$("$support/fake-logind.sh" start --owner $$)"
export DBUS_SYSTEM_BUS_ADDRESS FAKE_LOGIND_DIR

# A sound server of this test's own, playing into a null sink.
export PULSE_SERVER=unix:$work/pulse/socket
mkdir -p "$work/pulse"
XDG_RUNTIME_DIR=$work/pulse HOME=$work/pulse pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --log-target="file:$work/pulse/log" -L "module-native-protocol-unix socket=$work/pulse/socket auth-anonymous=1" \
    -L module-null-sink 2>/dev/null &
pids+=($!)
wait_for 10 pactl info >/dev/null 2>&1 || fail "pulseaudio does not answer: $(cat "$work/pulse/log")"
playing() { [[ -n $(pactl list short sink-inputs) ]]; }
multimedia_loaded() { grep -q libQt6Multimedia "/proc/$app/maps"; }

manager_calls() {
    dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 \
        org.freedesktop.DBus.Mock.GetCalls
}
clear_calls() {
    dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 \
        org.freedesktop.DBus.Mock.ClearCalls >/dev/null
}

# A fresh HOME with one stored entry falling due `lead` seconds from now.
prepare_home() { # frequency event count lead [sound]
    local home=$work/home-$1
    mkdir -p "$home/config/Lullwick" "$home/data" "$home/runtime"
    chmod 700 "$home/runtime"
    local due=$(($(date +%s) + $4))
    cat >"$home/config/Lullwick/Lullwick.ini" <<INI
[1]
SetTime=$(LC_ALL=C date -d "@$due" '+%-m/%-d/%Y %I:%M:%S %p')
Status=Enabled
Frequency=$1
Event=$2
Sound=${5:-0}
AbortBtn=1
CountTimer=$3
Startup=1
LogFile=1
StartMin=1
INI
    echo "$home"
}

start_program() { # home
    (cd "$1" && HOME=$1 XDG_CONFIG_HOME=$1/config XDG_DATA_HOME=$1/data XDG_RUNTIME_DIR=$1/runtime \
        QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 exec "$exe" >"$work/app.log" 2>&1) &
    app=$!
    pids+=("$app")
}

warning_window() {
    xdotool search --onlyvisible --name '^Warning\.\.\.\.$' 2>/dev/null | head -n1
}
has_warning() { [[ -n $(warning_window) ]]; }

echo "case 1: a \"Once\" power-off entry is carried out, with the clip playing"
home=$(prepare_home Once PowerOff 3 4 1)
clear_calls
start_program "$home"
wait_for 20 has_warning || fail "no warning window appeared"
wait_for 6 playing || fail "no stream reached the sound server"
multimedia_loaded || fail "the stream did not come from Qt Multimedia"
[[ ! -e $home/warning.wav ]] || fail "a file was written for the clip"
wait_for 15 bash -c "! kill -0 $app 2>/dev/null" || fail "the program did not end after the countdown"
calls=$(manager_calls)
[[ $(grep -c '"PowerOff"' <<<"$calls") == 1 ]] || fail "expected one PowerOff request, got: $calls"
grep -A2 '"PowerOff"' <<<"$calls" | grep -q 'boolean false' || fail "PowerOff was not non-interactive: $calls"
! grep -q -E '"(Reboot|PowerOffWithFlags|Halt)"' <<<"$calls" || fail "unexpected requests: $calls"
grep -q -E '^"PowerOff at [0-9]{1,2}:[0-9]{2}:[0-9]{2} (AM|PM) on [0-9]{1,2}/[0-9]{1,2}/[0-9]{4}"'$'\r''$' \
    "$home/data/Lullwick/LogFile.log" || fail "no log line: $(cat -A "$home/data/Lullwick/LogFile.log" 2>&1)"
! grep -q 'Frequency=Once' "$home/config/Lullwick/Lullwick.ini" || fail "the Once entry is still stored"

echo "case 2: no sound with the sound off; Esc aborts the countdown"
home=$(prepare_home Daily Reboot 6 4)
clear_calls
start_program "$home"
wait_for 20 has_warning || fail "no warning window appeared"
window=$(warning_window)
! wait_for 3 playing || fail "a stream played with the sound off: $(pactl list sink-inputs)"
! multimedia_loaded || fail "Qt Multimedia was loaded though no sound played"
# Without a window manager, keys go to the window under the pointer.
xdotool mousemove --window "$window" 20 10
xdotool windowfocus "$window" 2>/dev/null || true
xdotool key --clearmodifiers Escape
wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Warning\.\.\.\.\$' >/dev/null 2>&1" ||
    fail "Esc did not close the warning"
sleep 4 # longer than the countdown would have run
kill -0 "$app" 2>/dev/null || fail "the program ended after an abort"
calls=$(manager_calls)
! grep -q -E '"(PowerOff|Reboot)"' <<<"$calls" || fail "a request was made after an abort: $calls"
[[ ! -s $home/data/Lullwick/LogFile.log ]] || fail "an aborted event was logged"
kill "$app"
wait "$app" 2>/dev/null || true
