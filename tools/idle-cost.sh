#!/usr/bin/env bash
# What the program costs while it waits, beside a bare Qt window with one line of text
# (bench/bare_window.cpp), on one virtual display with the fake logind and a stand-in tray host.
# The program has 1,000 enabled entries, none due within the next two hours, the scheduler
# started. It runs twice side by side: with its window shown, and started hidden in the tray
# (StartMin=1 in every section, so its window is never shown). Printed for each, after they
# have idled: CPU seconds per hour and wake-ups per minute (context switches of all its
# threads), resident memory; and for the shown window and the bare one the time from start to
# their window being mapped (the median of several starts, each from a fresh copy of the store,
# timed by the X server's MapNotify as xev reports it); then the program's ratios to the bare
# window.
#
#   tools/idle-cost.sh [BUILD_DIR [SECONDS [STARTS]]]      (defaults: build, 600, 5)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
support=$root/tests/support

if [[ ${1:-} != --measure ]]; then
    build=$(cd "${1:-$root/build}" && pwd)
    seconds=${2:-600}
    starts=${3:-5}
    for exe in "$build/src/app/lullwick" "$build/bench/bare_window"; do
        [[ -x $exe ]] || {
            echo "$0: $exe is missing: build the targets lullwick and bare_window" >&2
            exit 2
        }
    done
    for tool in xev xprop; do
        command -v $tool >/dev/null || {
            echo "$0: $tool is missing (Debian package x11-utils)" >&2
            exit 2
        }
    done
    exec "$support/with-xvfb.sh" "$support/fake-logind.sh" run "$support/fake-trayhost.sh" run \
        "$0" --measure "$build" "$seconds" "$starts"
fi
build=$2
seconds=$3
starts=$4
settle=10

work=$(mktemp -d "${TMPDIR:-/tmp}/idle-cost.XXXXXX")
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

# The store: 1,000 daily entries 7 s apart, from two hours ahead on; StartMin as given.
store() { # StartMin
    local first i
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
StartMin=$1

INI
    done
}
store 0 >"$work/shown.ini"
store 1 >"$work/tray.ini"

# Starts a program in a home of its own (with the store STORE when given); $! is its PID and
# $started the moment it was started.
start() { # name store|- command...
    local home=$work/$1
    rm -rf "$home"
    mkdir -p "$home/config/Lullwick" "$home/data" "$home/runtime"
    chmod 700 "$home/runtime"
    [[ $2 == - ]] || cp "$work/$2.ini" "$home/config/Lullwick/Lullwick.ini"
    started=$EPOCHREALTIME
    (cd "$home" && HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
        XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=xcb exec "${@:3}" >"$home.log" 2>&1) &
}
stop() { # pid
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null || true
}

# Every top-level window mapped on the display: "when window", when being the moment xev's
# report of it was read.
mapped_windows() {
    local line now mapped='' window
    while read -r line; do
        now=$EPOCHREALTIME
        case $line in
        MapNotify*) mapped=$now ;;
        *"override NO"*)
            [[ -z $mapped ]] || {
                window=${line#*, window }
                echo "$mapped ${window%%,*}"
            }
            mapped=
            ;;
        esac
    done
}
xev -root -event substructure > >(mapped_windows >"$work/maps") &
pids+=($!)
sleep 1 # until xev listens
# Milliseconds from the start of a fresh NAME (STORE) to its first window being mapped.
time_to_window() { # name store|- command...
    local seen pid when window deadline=$((SECONDS + 30))
    seen=$(wc -l <"$work/maps")
    start "$@"
    pid=$!
    while ((SECONDS < deadline)); do
        while read -r when window; do
            [[ $(xprop -id "$window" _NET_WM_PID 2>/dev/null) == *" = $pid" ]] || continue
            stop "$pid"
            awk -v a="$started" -v b="$when" 'BEGIN { printf "%.0f\n", (b - a) * 1000 }'
            return
        done < <(tail -n +$((seen + 1)) "$work/maps")
        sleep 0.05
    done
    stop "$pid"
    echo "$0: no window of $1 was mapped within 30 s; see its log" >&2
    cat "$work/$1.log" >&2
    exit 1
}
median() { sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "timing $starts starts of each..."
for _ in $(seq "$starts"); do
    time_to_window start-lullwick shown "$build/src/app/lullwick" >>"$work/ms-lullwick"
    time_to_window start-bare - "$build/bench/bare_window" >>"$work/ms-bare"
done

names=("lullwick window" "lullwick tray" bare_window)
start lullwick-window shown "$build/src/app/lullwick"
pids+=($!)
start lullwick-tray tray "$build/src/app/lullwick"
pids+=($!)
start bare - "$build/bench/bare_window"
pids+=($!)
idle=("${pids[@]: -3}")
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

for pid in "${idle[@]}"; do
    kill -0 "$pid" || {
        echo "$0: a program did not start; see its log" >&2
        cat "$work"/*.log >&2
        exit 1
    }
    threads "$pid" >"$work/$pid.before"
done
echo "idling for $seconds s (after $settle s to settle)..."
sleep "$seconds"

declare -A cpu wake rss mapped
for n in 0 1 2; do
    pid=${idle[$n]}
    threads "$pid" >"$work/$pid.after"
    read -r switched ran < <(awk 'NR == FNR { s[$1] = $2; c[$1] = $3; next }
        { ds += $2 - s[$1]; dc += $3 - c[$1] } END { print ds + 0, dc + 0 }' \
        "$work/$pid.before" "$work/$pid.after")
    cpu[$n]=$(awk -v ns="$ran" -v s="$seconds" 'BEGIN { printf "%.4f", ns / 1e9 * 3600 / s }')
    wake[$n]=$(awk -v d="$switched" -v s="$seconds" 'BEGIN { printf "%.2f", d * 60 / s }')
    rss[$n]=$(awk -v k="$(rss_kb "$pid")" 'BEGIN { printf "%.1f", k / 1024 }')
done
mapped[0]=$(median <"$work/ms-lullwick")
mapped[1]=-
mapped[2]=$(median <"$work/ms-bare")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a != "-" && b > 0) printf "%.2fx", a / b; else print "-" }'; }

row() { printf '%-16s %16s %14s %10s %18s\n' "$@"; }
row "" "CPU s per hour" "wake-ups/min" "RSS MB" "ms to window (med)"
for n in 0 1 2; do
    row "${names[$n]}" "${cpu[$n]}" "${wake[$n]}" "${rss[$n]}" "${mapped[$n]}"
done
for n in 0 1; do
    row "${names[$n]#lullwick } / bare" "$(ratio "${cpu[$n]}" "${cpu[2]}")" "$(ratio "${wake[$n]}" "${wake[2]}")" \
        "$(ratio "${rss[$n]}" "${rss[2]}")" "$(ratio "${mapped[$n]}" "${mapped[2]}")"
done
echo "over $seconds s with 1,000 enabled entries; threads: lullwick window $(ls /proc/"${idle[0]}"/task | wc -l)," \
    "lullwick tray $(ls /proc/"${idle[1]}"/task | wc -l), bare_window $(ls /proc/"${idle[2]}"/task | wc -l)"
echo "a ratio is - where there is no figure or the bare window's is 0"
echo "ms to window, each start: lullwick $(paste -sd' ' "$work/ms-lullwick"); bare_window $(paste -sd' ' "$work/ms-bare")"
