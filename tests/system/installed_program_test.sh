#!/usr/bin/env bash
# The .deb unpacked into a temporary root, its program run in temporary HOMEs with a PulseAudio
# whose only output is a null sink.  with-xvfb.sh fake-logind.sh run dbus-run-session -- THIS BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/../support/scripttest.sh"
(cd "$1" && cpack -G DEB -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF >"$work/cpack.log" 2>&1) || fail "cpack" # no dependency list: slow, and unread
dpkg-deb -x "$(ls -t "$1"/lullwick_*.deb | head -n1)" "$work/root"
[[ -f $work/root/usr/share/man/man1/lullwick.1 && -f $work/root/usr/share/dbus-1/interfaces/io.github.lullwick.Lullwick.xml ]] ||
    fail "no manual page or D-Bus interface description in the package"
export PULSE_SERVER=unix:$work/pulse.socket
XDG_RUNTIME_DIR=$work HOME=$work pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target="file:$work/pulse.log" \
    -L "module-native-protocol-unix socket=$work/pulse.socket auth-anonymous=1" -L module-null-sink 2>/dev/null &
pids+=($!)
wait_for 10 pactl info >/dev/null 2>&1 || fail "pulseaudio does not answer"
has_window() { [[ -n $(xdotool search --all --onlyvisible --pid "$app" --name '^Lullwick$' 2>/dev/null) ]]; }
ended() { ! kill -0 "$app" 2>/dev/null; }
start() { # HOME RUNTIME_FOLDER: starts the program there as $app
    mkdir -p -m 700 "$1/config/Lullwick" "$1/data" "$2"
    (cd "$1" && HOME=$1 XDG_CONFIG_HOME=$1/config XDG_DATA_HOME=$1/data XDG_RUNTIME_DIR=$2 QT_QPA_PLATFORM=xcb \
        LC_ALL=C.UTF-8 exec "$work/root/usr/bin/lullwick" >>"$work/app.log" 2>&1) &
    app=$!
    pids+=("$app")
}

# A "Once" power-off entry due in 4 s is carried out and leaves the store; its clip plays through Qt
# Multimedia with the sound option on, and with it off nothing of the player is even loaded.
mock() { dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 org.freedesktop.DBus.Mock."$1"; }
for sound in 1 0; do
    home=$work/home-once-$sound
    mkdir -p "$home/config/Lullwick"
    # The store is read by position: every option is written, in its place.
    printf '[1]\nSetTime=%s\nStatus=Enabled\nFrequency=Once\nEvent=PowerOff\nSound=%s\nAbortBtn=1\nCountTimer=3\nStartup=0\nLogFile=1\nStartMin=0\n' \
        "$(LC_ALL=C date -d @$(($(date +%s) + 4)) '+%-m/%-d/%Y %I:%M:%S %p')" $sound >"$home/config/Lullwick/Lullwick.ini"
    echo "the user's" >"$home/own.txt" && ln -s own.txt "$home/warning.wav" # not to be written through
    mock ClearCalls >/dev/null
    start "$home" "$home/runtime"
    wait_for 20 eval '[[ -n $(xdotool search --onlyvisible --name "^Warning\.\.\.\.$" 2>/dev/null) ]]' || fail "no warning"
    if ((sound)); then
        wait_for 6 eval '[[ -n $(pactl list short sink-inputs) ]]' || fail "no stream reached the sound server"
        grep -q libQt6Multimedia "/proc/$app/maps" || fail "the stream did not come from Qt Multimedia"
    else
        while ! ended; do # until the end of the countdown
            ! grep -q libQt6Multimedia "/proc/$app/maps" 2>/dev/null || fail "the player was loaded with the sound off"
            sleep 0.1
        done
    fi
    wait_for 15 ended || fail "the program did not end after the countdown"
    wait "$app" || fail "the program ended with status $?"
    calls=$(mock GetCalls | grep -v '"Can') # besides what it can do here
    [[ $(grep -c '"' <<<"$calls") == 1 && $(grep -A2 '"PowerOff"' <<<"$calls") == *"boolean false"* ]] ||
        fail "expected one non-interactive PowerOff request, got: $calls"
    grep -qE '^"PowerOff at [0-9]{1,2}:[0-9]{2}:[0-9]{2} (AM|PM) on [0-9]{1,2}/[0-9]{1,2}/[0-9]{4}"'$'\r''$' \
        "$home/data/Lullwick/LogFile.log" || fail "no log line: $(cat -A "$home/data/Lullwick/LogFile.log")"
    ! grep -q 'Frequency=Once' "$home/config/Lullwick/Lullwick.ini" || fail "the Once entry is still stored"
    [[ $(cat "$home/own.txt") == "the user's" ]] || fail "the clip was written through warning.wav"
done

# A second start shows "Program Already Running"; a signal that ends it there (its terminal
# closed, the session ending) leaves the store (CR LF line ends, which a save would not write)
# and the start-at-login entry alone. It has the first's runtime folder, or another (su, a sandbox).
# The first, idle, has loaded neither Qt Multimedia (that comes with the first sound) nor image plugins.
home=$work/home-second
store=$home/config/Lullwick/Lullwick.ini
for row in "first TERM" "second HUP"; do
    read -r runtime signal <<<"$row"
    mkdir -p "$home/config/Lullwick"
    printf '[1]\r\nSetTime=12/6/2026 07:30:00 PM\r\nStatus=Enabled\r\nFrequency=Daily\r\nEvent=Reboot\r\n' | tee "$work/stored" >"$store"
    start "$home" "$home/first" && first=$app
    wait_for 20 has_window && start "$home" "$home/$runtime" && wait_for 20 has_window || fail "no window on the $runtime start"
    maps=$(cat "/proc/$first/maps") && [[ $maps == *libQt6Widgets* && $maps != *libQt6Multimedia* && $maps != *imageformats* ]] ||
        fail "Qt Multimedia or image plugins loaded while idle"
    kill -"$signal" "$app"
    wait_for 20 ended || fail "SIG$signal did not end the second start"
    cmp -s "$work/stored" "$store" || fail "the store was written: $(cat -A "$store")"
    [[ ! -e $home/config/autostart/Lullwick.desktop ]] || fail "the start-at-login entry was touched"
    kill -KILL "$first"
done

# Every change is saved at once: killed a second after an Add, the program leaves the entry in the store.
home=$work/home-add
start "$home" "$home/runtime"
wait_for 20 has_window || fail "no window"
xdotool windowfocus --sync "$(xdotool search --onlyvisible --pid "$app" --name '^Lullwick$')" key alt+a
sleep 1
kill -KILL "$app"
grep -q '^SetTime=' "$home/config/Lullwick/Lullwick.ini" 2>/dev/null || fail "the entry added a second before the kill was not saved"
