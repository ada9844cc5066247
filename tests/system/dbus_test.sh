#!/usr/bin/env bash
# The D-Bus interface as another program sees it, through gdbus: every method's reply (globs, a tab shown
# as |), the Next property, its signals and the errors.  with-xvfb.sh fake-trayhost.sh run fake-logind.sh run THIS PROGRAM
set -euo pipefail
source "$(dirname "$0")/../support/scripttest.sh"
program=$1
export HOME=$work/home XDG_RUNTIME_DIR=$work/run TZ=UTC LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
object=(--session --dest io.github.lullwick.Lullwick --object-path /io/github/lullwick/Lullwick)
call() { # METHOD [ARGS...]: of Lullwick's interface, unless named in full
    local method=io.github.lullwick.Lullwick.$1 && [[ $1 != *.* ]] || method=$1
    gdbus call "${object[@]}" --method "$method" "${@:2}" 2>&1
}
ok() { # GLOB METHOD [ARGS...]
    local out
    out=$(call "${@:2}") || fail "$2 ${*:3}: $out"
    [[ ${out//\\t/|} == $1 ]] || fail "$2 ${*:3}: $out"
}
refused() { # ERROR MESSAGE-GLOB METHOD [ARGS...]
    local out
    ! out=$(call "${@:3}") && [[ $out == "Error: GDBus.Error:io.github.lullwick.Lullwick.Error.$1: "$2 ]] ||
        fail "$3 ${*:4}: $out"
}
stopped="Scheduler stopped: no entry will run"

"$program" >"$work/app.log" 2>&1 &
app=$! && pids+=("$app")
wait_for 20 call List >/dev/null || fail "no answer on the session bus"
gdbus monitor "${object[@]}" >"$work/signals" &
pids+=($!)
wait_for 10 grep -q '^Monitoring' "$work/signals" || fail "gdbus monitor"
ok "(@as \[\],)" List
ok "('||||Nothing scheduled',)" Next
in2h=$(($(date +%s) + 7200))
ok "('1|$(LC_ALL=C date -d @$in2h '+%I:%M:00 %p')|Enabled|Daily|PowerOff|$(date -d @$in2h +%FT%H:%M):00+00:00',)" \
    Add "'$(date -d @$in2h +%H:%M) daily poweroff'"
ok "('2|*|Enabled|Once|Reboot|*',)" AddIn 30 Reboot
ok "(\['1|*|PowerOff|*', '2|*|Reboot|*'\],)" List
ok "('20*|Reboot|1*|2|Next: Reboot * (in *)',)" Next
ok "()" Disable 2
ok "('20*|PowerOff|*|1|Next: PowerOff *',)" Next
ok "()" Enable 2
ok "()" Postpone 20
ok "(\['1|*|Enabled|*', '2|*|Disabled|*', '3|*|Enabled|Once|Reboot|*'\],)" List
ok "()" SkipNext
ok "('20*|PowerOff|*|1|*',)" Next
ok "()" Delete 3
ok "()" Stop
ok "(<'$stopped'>,)" org.freedesktop.DBus.Properties.Get io.github.lullwick.Lullwick Next
refused Refused "No entry will run." Postpone 5
refused Refused "No entry will run." SkipNext
ok "()" Start
refused InvalidArgument 'There is no entry 3: the entries are 1 to 2.' Delete 3
refused InvalidArgument 'There is no entry 0: *' Enable 0
refused InvalidArgument 'Bad time "25:00": *' Add "'25:00'"
refused InvalidArgument 'Unknown event "Nap": *' AddIn 5 Nap
refused InvalidArgument 'Bad number of minutes 0: *' Postpone 0
ok "()" Show
wait_for 10 grep -q "NextChanged ('$stopped',)" "$work/signals" &&
    grep -q "PropertiesChanged ('io.github.lullwick.Lullwick', {'Next': <'$stopped'>}, @as \[\])" "$work/signals" ||
    fail "no signals of the stop: $(cat "$work/signals")"
ok "()" Quit
wait_for 20 eval '! kill -0 $app 2>/dev/null' || fail "Quit did not end the program"
grep -q '^Event=PowerOff' "$HOME/.config/Lullwick/Lullwick.ini" || fail "not saved at Quit"
