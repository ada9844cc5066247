#!/usr/bin/env bash
# Suspend, Hibernate and Lock from the real program against the fake logind: each due entry makes its
# one request and the program goes on to the next.  with-xvfb.sh fake-logind.sh run dbus-run-session -- THIS PROGRAM
set -euo pipefail
source "$(dirname "$0")/../support/scripttest.sh"
folder=$work/config/Lullwick
mkdir -p "$folder"
entry() { # SECTION SECONDS_AHEAD FREQUENCY EVENT, every option in its place
    printf '[%s]\nSetTime=%s\nStatus=Enabled\nFrequency=%s\nEvent=%s\nSound=0\nAbortBtn=1\nCountTimer=2\nStartup=0\nLogFile=1\nStartMin=1\n\n' \
        "$1" "$(LC_ALL=C date -d @$(($(date +%s) + $2)) '+%-m/%-d/%Y %I:%M:%S %p')" "$3" "$4"
}
{ entry 1 6 Once Suspend && entry 2 11 Daily Hibernate && entry 3 16 Once Lock; } >"$folder/Lullwick.ini"
HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
    "$1" >"$work/app.log" 2>&1 &
app=$!
pids+=("$app")
log=$work/data/Lullwick/LogFile.log
wait_for 40 eval '[[ $(grep -c " at " "$log" 2>/dev/null) == 3 ]]' || fail "not three events logged: $(cat "$log" 2>&1)"
calls() { dbus-send --system --print-reply --dest=org.freedesktop.login1 "/org/freedesktop/login1$1" org.freedesktop.DBus.Mock.GetCalls; }
manager=$(calls "") session=$(calls /session/c1)
[[ $(grep -c '"Suspend"' <<<"$manager") == 1 && $(grep -A2 '"Suspend"' <<<"$manager") == *"boolean false"* &&
    $(grep -c '"Hibernate"' <<<"$manager") == 1 && $(grep -A2 '"Hibernate"' <<<"$manager") == *"boolean false"* ]] ||
    fail "expected one non-interactive Suspend and Hibernate each, got: $manager"
[[ $(grep -c '"Lock"' <<<"$session") == 1 && $(grep -c '"Terminate"' <<<"$session") == 0 ]] || fail "expected one Lock of the session, got: $session"
grep -qE '^"Suspend at .*"'$'\r''$' "$log" && grep -qE '^"Lock at ' "$log" || fail "log: $(cat -A "$log")"
kill -0 "$app" 2>/dev/null || fail "the program ended"
[[ $(grep -c '^Frequency=' "$folder/Lullwick.ini") == 1 ]] && grep -q '^Event=Hibernate' "$folder/Lullwick.ini" ||
    fail "the Once entries are still stored, or the Daily one is not: $(cat "$folder/Lullwick.ini")"
