#!/usr/bin/env bash
# One instance per schedule, its socket and its folders, seen from outside: each row prepares a home,
# starts the program from an empty working folder, starts it again (to be refused), ends the first and
# looks at what is left.  with-xvfb.sh unprivileged.sh fake-logind.sh run dbus-run-session -- THIS PROGRAM
set -euo pipefail
source "$(dirname "$0")/../support/scripttest.sh"
program=$1 home=$work/home cwd=$work/cwd
folder=$home/.config/Lullwick
export TMPDIR=$work/tmp QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
mkdir -p "$TMPDIR/runtime-$(id -un)" # 0755, as if another user had made it: Qt finds no runtime folder of its own
windows() { xdotool search --all --onlyvisible --pid "$1" --name "${2:-^Lullwick\$}" 2>/dev/null; }
runs() { # PID: shows its main window, not the small "Program Already Running" box
    local w
    for w in $(windows "$1"); do eval "$(xdotool getwindowgeometry --shell "$w")" && ((WIDTH > 300)) && return; done
    return 1
}
ended() { ! kill -0 "$1" 2>/dev/null; }
start() { # NAME=VALUE...: starts the program for this home as $app
    (cd "$cwd" && exec env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$work/run" "$@" "$program" \
        >>"$work/app.log" 2>&1) &
    app=$!
    pids+=("$app")
}
lock=$folder/Lullwick.lock
# how the first instance ends | what the home holds besides a schedule | its environment
rows=(
    "Exit|: >$lock|"                                                      # a power cut's empty lock
    "HUP|printf '\\0\\377x' >$lock && chmod 444 $lock|"                    # damaged and read-only
    "TERM|printf '99999999\\nlullwick\\n%s\\n' $HOSTNAME >$lock && chmod 444 $lock|" # a gone run's
    "TERM|chmod 555 $folder|"                                             # no lock beside the settings
    "TERM||XDG_CONFIG_HOME=config XDG_DATA_HOME=data"                     # relative folders are ignored
    "TERM||XDG_RUNTIME_DIR="                                              # no runtime folder given
    "TERM||XDG_RUNTIME_DIR=run"                                           # a relative one
    "TERM|mkdir -m 755 $work/open|XDG_RUNTIME_DIR=$work/open"             # one others can enter
    "TERM||XDG_RUNTIME_DIR=/"                                             # another user's
    "event||XDG_DATA_HOME=data"                       # an entry comes due while a client says nothing
)
for row in "${rows[@]}"; do
    IFS='|' read -r end prepare environment <<<"$row"
    chmod -R u+w "$work/home" 2>/dev/null || true
    rm -rf "$home" "$cwd" "$work/run" "$work/open" && mkdir -p -m 700 "$folder" "$cwd" "$work/run"
    if [[ $end == event ]]; then # a Once power-off in 12 s, logged
        printf '[1]\nSetTime=%s\nStatus=Enabled\nFrequency=Once\nEvent=PowerOff\nSound=0\nCountTimer=2\nLogFile=1\n' \
            "$(LC_ALL=C date -d @$(($(date +%s) + 12)) '+%-m/%-d/%Y %I:%M:%S %p')" >"$folder/Lullwick.ini"
    else
        printf '[1]\r\nSetTime=12/6/2026 07:30:00 PM\r\nStatus=Enabled\r\nFrequency=Daily\r\nEvent=Reboot\r\n' >"$folder/Lullwick.ini"
    fi
    eval "$prepare"
    start $environment && first=$app
    wait_for 20 runs "$first" || fail "$row: the first start does not run"
    sockets=$(find "$work" -type s -name 'lullwick-*')
    [[ $sockets == /* && $sockets != "$cwd"/* && $(stat -c %a "${sockets%/*}") == 700 ]] ||
        fail "$row: not one socket, in a private folder: $sockets"
    start $environment
    wait_for 20 eval '[[ -n $(windows "$app") ]]' && xdotool windowfocus --sync "$(windows "$app")" key Return &&
        wait_for 20 ended "$app" || fail "$row: the second start was not refused"
    case $end in
    Exit) xdotool windowfocus --sync "$(windows "$first")" key alt+x ;;
    event)
        /usr/bin/python3 -c 'import socket, sys, time
held = []
while True: # connects every 0.3 s and says nothing, until the program is gone
    held.append(socket.socket(socket.AF_UNIX)); held[-1].connect(sys.argv[1]); time.sleep(0.3)' "$sockets" 2>/dev/null &
        pids+=($!)
        wait_for 30 eval '[[ -n $(windows "$first" "^Warning\.\.\.\.$") ]]' || fail "$row: no warning" ;;
    *) kill -"$end" "$first" ;;
    esac
    wait_for 20 ended "$first" || fail "$row: the program did not end"
    left=$(find "$work" -type s -o -name '*.lock') && [[ -z $left && -z $(ls -A "$cwd") ]] ||
        fail "$row: left behind: $left $(ls -A "$cwd")"
    if [[ $end == event ]]; then
        calls=$(dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 org.freedesktop.DBus.Mock.GetCalls)
        [[ $(grep -c '"PowerOff"' <<<"$calls") == 1 && $(grep -c '^"PowerOff at' "$home/.local/share/Lullwick/LogFile.log") == 1 ]] ||
            fail "$row: not one power-off and one log line: $calls"
    elif [[ $end == TERM && $environment == XDG_CONFIG* ]]; then
        grep -q '07:30:00 PM' "$folder/Lullwick.ini" && ! grep -q $'\r' "$folder/Lullwick.ini" || fail "$row: not saved in ~/.config"
    fi
done
