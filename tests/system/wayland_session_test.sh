#!/usr/bin/env bash
# On a Wayland session with XWayland (weston, headless) the program runs on X11, where the
# warning can stay on top, unless the user chose a platform; without XWayland, on Wayland.   wayland_session_test.sh EXECUTABLE
set -euo pipefail
source "$(dirname "$0")/../support/scripttest.sh"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
weston --backend=headless-backend.so --xwayland --socket=wayland-test --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
x_display() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log"; }
wait_for 20 eval '[[ -n $(x_display) ]]' || fail "weston did not start XWayland"
maps() { grep -q "$1" "/proc/$app/maps" 2>/dev/null; }
on_x() { DISPLAY=$(x_display) xdotool search --name '^Lullwick$' >/dev/null 2>&1 && maps libqxcb; }
on_wayland() { maps libqwayland && ! maps libqxcb; }
# the platform the user chose | XWayland's display given (none: a session without XWayland) | where it runs
for row in "||on_x" "wayland||on_wayland" "|none|on_wayland"; do
    IFS='|' read -r chosen display runs <<<"$row"
    [[ $display == none ]] && display= || display=$(x_display)
    env WAYLAND_DISPLAY=wayland-test XDG_SESSION_TYPE=wayland ${display:+DISPLAY=$display} LC_ALL=C.UTF-8 \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" ${chosen:+QT_QPA_PLATFORM=$chosen} "$1" >"$work/app.log" 2>&1 &
    app=$!
    pids+=("$app")
    wait_for 30 "$runs" || fail "$row: not $runs: $(cat "$work/app.log")"
    kill "$app"
done
