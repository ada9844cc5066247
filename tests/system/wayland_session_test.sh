#!/usr/bin/env bash
# On a Wayland session with XWayland, the program runs on X11, where the warning can stay on
# top: started under weston (headless, with XWayland) with no platform chosen, its window is
# found on XWayland's X display. With QT_QPA_PLATFORM=wayland it runs as a Wayland client.
#
#   wayland_session_test.sh EXECUTABLE
set -euo pipefail
exe=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/lullwick-wayland.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$0")/../support/scripttest.sh"

mkdir -m 700 "$work/runtime" "$work/home"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
weston --backend=headless-backend.so --xwayland --socket=wayland-test --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
x_display() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log"; }
has_x() { [[ -n $(x_display) ]]; }
wait_for 20 has_x || fail "weston did not start XWayland"
display=$(x_display)

# run PLATFORM_CHOSEN: starts the program on the session, with QT_QPA_PLATFORM set to the
# given value when it is not empty; sets app.
run() {
    local chosen=()
    [[ -n $1 ]] && chosen=(QT_QPA_PLATFORM="$1")
    env WAYLAND_DISPLAY=wayland-test XDG_SESSION_TYPE=wayland DISPLAY="$display" LC_ALL=C.UTF-8 \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" "${chosen[@]}" "$exe" >"$work/app.log" 2>&1 &
    app=$!
    pids+=("$app")
}
maps() { grep -q "$1" "/proc/$app/maps" 2>/dev/null; }
on_x() { DISPLAY=$display xdotool search --name '^Lullwick$' >/dev/null 2>&1; }

echo "no platform chosen: X11 through XWayland"
run ""
wait_for 30 on_x || fail "the main window did not appear on XWayland's display"
maps libqxcb || fail "the program does not run on xcb"
kill "$app"

echo "the user's choice holds: QT_QPA_PLATFORM=wayland"
run wayland
wait_for 30 maps libqwayland || fail "the program did not start on wayland"
! maps libqxcb || fail "the program runs on xcb against the user's choice"
kill "$app"
