#!/usr/bin/env bash
# What the program costs while it waits: starts the built program (1,000 enabled entries, none
# due within the next two hours, the scheduler started, its window shown) and a bare Qt window
# with one line of text (bench/bare_window.cpp)
# side by side on one virtual display, with the fake logind and a stand-in tray host, lets
# them idle and prints for each: CPU seconds per hour, wake-ups per minute (context switches
# of all its threads), resident memory, and the program's ratio to the bare window.
#
#   tools/idle-cost.sh [BUILD_DIR [SECONDS]]      (defaults: build, 600)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
support=$root/tests/support

if [[ ${1:-} != --measure ]]; then
    build=$(cd "${1:-$root/build}" && pwd)
    seconds=${2:-600}
    for exe in "$build/src/app/lullwick" "$build/bench/bare_window"; do
        [[ -x $exe ]] || {
            echo "$0: $exe is missing: build the targets lullwick and bare_window" >&2
            exit 2
        }
    done
    exec "$support/with-xvfb.sh" "$support/fake-logind.sh" run "$support/fake-trayhost.sh" run \
        "$0" --measure "$build" "$seconds"
fi
build=$2
seconds=$3
settle=10

work=$(mktemp -d "${TMPDIR:-/tmp}/idle-cost.XXXXXX")
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

# The store: 1,000 daily entries 7 s apart, from two hours ahead on.
mkdir -p "$work/config/Lullwick" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
first=$(($(date +%s) + 7200))
for i in $(seq 1 1000); do
    cat <<INI
[$i]
SetTime=$(LC_ALL=C date -d "@$((first + i * 7))" '+%-m/%-d/%Y %I:%M:%S %p')
Status=Enabled
Frequency=Daily
Event=Shutdown
Sound=0
AbortBtn=1
CountTimer=5
Startup=0
LogFile=1
StartMin=0

INI
done >"$work/config/Lullwick/Lullwick.ini"

start() { # name command...
    (cd "$work" && HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
        XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb exec "${@:2}" >"$work/$1.log" 2>&1) &
    pids+=($!)
}
start lullwick "$build/src/app/lullwick"
start bare "$build/bench/bare_window"
sleep "$settle"

# Per thread: "TID switches run-nanoseconds", from the thread's status and schedstat. A thread
# that ends during the run takes its figures with it; one that starts counts from zero.
threads() { # pid
    local task
    for task in /proc/"$1"/task/*; do
        awk -v tid="${task##*/}" '/^(voluntary|nonvoluntary)_ctxt_switches/ { n += $2 }
            END { printf "%s %d ", tid, n }' "$task/status" 2>/dev/null &&
            awk '{ print $1 }' "$task/schedstat" 2>/dev/null
    done
}
rss_kb() {
    awk '/^VmRSS/ { print $2 }' "/proc/$1/status"
}

for pid in "${pids[@]}"; do
    kill -0 "$pid" || {
        echo "$0: a program did not start; see its log" >&2
        cat "$work"/*.log >&2
        exit 1
    }
    threads "$pid" >"$work/$pid.before"
done
echo "idling for $seconds s (after $settle s to settle)..."
sleep "$seconds"

names=(lullwick bare_window)
declare -A cpu wake rss
for n in 0 1; do
    pid=${pids[$n]}
    threads "$pid" >"$work/$pid.after"
    read -r switched ran < <(awk 'NR == FNR { s[$1] = $2; c[$1] = $3; next }
        { ds += $2 - s[$1]; dc += $3 - c[$1] } END { print ds + 0, dc + 0 }' \
        "$work/$pid.before" "$work/$pid.after")
    cpu[$n]=$(awk -v ns="$ran" -v s="$seconds" 'BEGIN { printf "%.4f", ns / 1e9 * 3600 / s }')
    wake[$n]=$(awk -v d="$switched" -v s="$seconds" 'BEGIN { printf "%.2f", d * 60 / s }')
    rss[$n]=$(awk -v k="$(rss_kb "$pid")" 'BEGIN { printf "%.1f", k / 1024 }')
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }

printf '%-14s %18s %16s %10s\n' "" "CPU s per hour" "wake-ups/min" "RSS MB"
for n in 0 1; do
    printf '%-14s %18s %16s %10s\n' "${names[$n]}" "${cpu[$n]}" "${wake[$n]}" "${rss[$n]}"
done
printf '%-14s %18s %16s %10s\n' "ratio" "$(ratio "${cpu[0]}" "${cpu[1]}")" \
    "$(ratio "${wake[0]}" "${wake[1]}")" "$(ratio "${rss[0]}" "${rss[1]}")"
echo "over $seconds s with 1,000 enabled entries; threads: lullwick $(ls /proc/"${pids[0]}"/task | wc -l)," \
    "bare_window $(ls /proc/"${pids[1]}"/task | wc -l)"
