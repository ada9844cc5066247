#!/usr/bin/env bash
# The command line against the real program: each row's exit status, standard output and error (globs),
# the same with no instance running and with one running; a refused row leaves the store byte for byte as
# it was (and the running instance's schedule). Commands run without a display.
#   with-xvfb.sh fake-trayhost.sh run fake-logind.sh run THIS PROGRAM
set -euo pipefail
source "$(dirname "$0")/../support/scripttest.sh"
program=$1 T=$'\t'
export HOME=$work/home XDG_RUNTIME_DIR=$work/run TZ=Asia/Kolkata LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset XDG_CONFIG_HOME XDG_DATA_HOME
store=$HOME/.config/Lullwick/Lullwick.ini
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "${store%/*}"
at() { LC_ALL=C date -d "@$1" '+%I:%M:%S %p'; }
iso() { date -d "@$1" --iso-8601=seconds; }
now=$(date +%s) && t1=$((now + 7200)) t2=$((now + 10800)) h1=$((now + 3600))
friday=$(date -d 'friday 19:30' +%s) && ((friday > now)) || friday=$((friday + 7 * 86400)) # Kolkata keeps no summer time
entry() { # SECONDS STATUS FREQUENCY EVENT: a stored entry, with CR LF line ends that any save would drop
    printf 'SetTime=%s %s\r\nStatus=%s\r\nFrequency=%s\r\nEvent=%s\r\n' "$(date -d "@$1" +%-m/%-d/%Y)" "$(at "$1")" "${@:2}"
}
options=$'Sound=0\r\nAbortBtn=1\r\nCountTimer=5\r\nStartup=0\r\nLogFile=1\r\nStartMin=1\r\nNoticeMinutes=0\r\n'
two_entries() { printf '[1]\r\n%s\n%s\r\n[2]\r\n%s\n' "$(entry $t1 Enabled Daily Reboot)" "$options" "$(entry $t2 Disabled Once PowerOff)"; }
full() { local e && e=$(entry $t1 Enabled Daily Reboot) && for n in $(seq 1000); do printf '[%d]\r\n%s\n%s\r\n' "$n" "$e" "$options"; done; }
cli() { env -u DISPLAY "$program" "$@" >"$work/out" 2>"$work/err"; }
state() { # the store, unless a running instance may still be saving a change; what it holds
    [[ -n ${saving:-} ]] || cat "$store"
    [[ $mode != running* ]] || env -u DISPLAY "$program" --list
}
row() { # STATUS STDOUT STDERR ARGS...: one command; STDOUT and STDERR are globs
    state >"$work/before"
    local status=0
    cli "${@:4}" || status=$?
    [[ $status == "$1" && $(<"$work/out") == $2 && $(<"$work/err") == $3 ]] ||
        fail "$mode: lullwick ${*:4}: status $status, out: $(cat -A "$work/out"), err: $(<"$work/err")"
    ((status == 0)) || state | cmp -s "$work/before" - || fail "$mode: lullwick ${*:4} changed the schedule"
}
refusals() { # every one names what was wrong
    row 1 '' 'lullwick: Bad time "25:00": *' --add 25:00
    row 1 '' 'lullwick: Bad time "13:00 PM": *' --add 13:00 PM
    row 1 '' 'lullwick: Bad time "7:30:61": *' --add 7:30:61
    row 1 '' 'lullwick: Unknown frequency "Dayly": one of Once, Daily, WeekDays, Weekly.' --add '7:30 Dayly'
    row 1 '' 'lullwick: Unknown event "Sleep": one of Shutdown, *, Lock.' --add '7:30 Daily Sleep'
    row 1 '' 'lullwick: Unknown day of the week "Fry": *' --add 7:30 Weekly Reboot Fry
    row 1 '' 'lullwick: A day of the week "Fri" goes only with Weekly.' --add '7:30 Daily Reboot Fri'
    row 1 '' 'lullwick: Unexpected "x" after the day of the week.' --add '7:30 Weekly Reboot Fri x'
    row 1 '' 'lullwick: Unknown event "Nap": *' --in 5 Nap
    row 1 '' 'lullwick: Bad number of minutes 0: a whole number from 1 to 10080.' --in 0
    row 1 '' 'lullwick: Bad number of minutes 10081: *' --in 10081
    row 1 '' 'lullwick: --in takes a whole number, not "5m".' --in 5m
    row 1 '' 'lullwick: There is no entry 3: the entries are 1 to 2.' --delete 3
    row 1 '' 'lullwick: There is no entry 0: *' --enable 0
    row 1 '' "lullwick: Unknown option 'lsit'." --lsit
    row 1 '' 'lullwick: One command at a time, not --list --next.' --list --next
    row 1 '' 'lullwick: Unexpected "x" after --list.' --list x
}
changes() { # from two_entries
    row 0 "1${T}$(at $t1)${T}Enabled${T}Daily${T}Reboot${T}$(iso $t1)
2${T}$(at $t2)${T}Disabled${T}Once${T}PowerOff${T}" '' --list
    row 0 "$(iso $t1)${T}Reboot${T}*${T}1${T}Next: Reboot * at $(at $t1) (in 1 h 45 min)" '' --next
    LANGUAGE=de LC_ALL=de_DE.UTF-8 row 0 "3${T}07:30:00 PM${T}Enabled${T}Weekly (Friday)${T}Reboot${T}$(iso $friday)" '' \
        --add 7:30 pm weekly REBOOT fri # in English whatever the language
    row 0 "4${T}$(at $h1)${T}Enabled${T}Once${T}Shutdown${T}$(iso $h1)" '' --add "$(date -d @$h1 +%H:%M:%S)"
    local before after when left
    before=$(date +%s) && row 0 "5${T}*${T}Enabled${T}Once${T}PowerOff${T}*" '' --in 5 poweroff && after=$(date +%s)
    in=$(cut -f2- "$work/out") && when=$(date -d "$(cut -f6 "$work/out")" +%s)
    ((before + 300 <= when && when <= after + 300)) && [[ $(cut -f2 "$work/out") == "$(at $when)" ]] || fail "$mode: --in 5: $in"
    before=$(date +%s) && row 0 "$(iso $when)${T}PowerOff${T}*${T}5${T}Next: PowerOff * at $(at $when) (in *)" '' --next
    left=$(cut -f3 "$work/out") && ((when - $(date +%s) - 1 <= left && left <= when - before)) || fail "$mode: $left s left"
    row 0 '' '' --disable 1
    row 0 '' '' --enable 2
    row 0 '' '' --delete 3
    kept="1${T}$(at $t1)${T}Disabled${T}Daily${T}Reboot${T}
2${T}$(at $t2)${T}Enabled${T}Once${T}PowerOff${T}$(iso $t2)
3${T}$(at $h1)${T}Enabled${T}Once${T}Shutdown${T}$(iso $h1)"
    row 0 "$kept
4${T}$in" '' --list
}
full_refusals() {
    row 1 '' 'lullwick: The schedule is full: it holds at most 1000 entries.' --add 7:30
    row 1 '' 'lullwick: The schedule is full: *' --in 5 Lock
}
# Whether an instance answers, over whichever transport this build has (D-Bus, or Windows' pipe):
# a running one refuses 0 minutes (1), none is "not running" (2).
listening() { "$program" --postpone 0 >/dev/null 2>&1; [[ $? == 1 ]]; }
shown() { [[ -n $(xdotool search --all --onlyvisible --pid "$app" --name '^Lullwick$' 2>/dev/null) ]]; }
start() { # COMMAND: with none running it starts the program as $app, here on a display
    "$program" "$1" >>"$work/app.log" 2>&1 &
    app=$! && pids+=("$app")
    wait_for 20 listening || fail "$1 did not start the program"
}
quit() {
    row 0 '' '' --quit
    wait_for 20 eval '! kill -0 $app 2>/dev/null' || fail "--quit did not end the program"
}

mode="not running"
two_entries >"$store"
row 0 'Usage: *--add <ENTRY>*' '' --help
row 0 'Lullwick [0-9]*' '' --version
refusals
row 2 '' 'lullwick: Lullwick is not running.' --postpone 5
row 2 '' 'lullwick: Lullwick is not running.' --skip-next
row 2 '' 'lullwick: Lullwick is not running.' --stop
row 2 '' 'lullwick: Lullwick is not running.' --quit
changes
full >"$store" && full_refusals

mode=running
two_entries >"$store"
start --show
refusals
changes && saving=1
shown && fail "shown at start with Minimize on Startup"
row 0 '' '' --show
wait_for 20 shown || fail "--show did not show the window"
row 1 '' 'lullwick: Bad number of minutes 0: *' --postpone 0
row 0 '' '' --postpone 10 # entry 4, a Once entry: disabled, and a new one in ten minutes
row 0 "*${T}PowerOff${T}*${T}5${T}Next: PowerOff * (in *)" '' --next
row 0 '' '' --skip-next
row 0 "$(iso $h1)${T}Shutdown${T}*${T}3${T}*" '' --next
row 0 '' '' --stop
row 0 "${T}${T}${T}${T}Scheduler stopped: no entry will run" '' --next
row 1 '' 'lullwick: No entry will run.' --postpone 5
row 0 '' '' --start
row 0 "$(iso $h1)${T}Shutdown${T}*${T}3${T}*" '' --next
quit && saving=
mode="after the running one ended" && row 0 "$kept
4${T}${in%%${T}Enabled*}${T}Disabled${T}Once${T}PowerOff${T}
5${T}*${T}Disabled${T}Once${T}PowerOff${T}" '' --list

mode="running, full"
full >"$store"
start --start
full_refusals
row 1 '' 'lullwick: The schedule is full: *' --postpone 5 # it adds an entry
quit
