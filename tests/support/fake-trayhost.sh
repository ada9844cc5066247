#!/usr/bin/env bash
# A stand-in for the desktop's notification area on a private session bus: a python-dbusmock
# StatusNotifierWatcher that says a host is there, so that Qt shows a QSystemTrayIcon as a
# StatusNotifierItem on that bus.
#
#   fake-trayhost.sh start [--owner PID] [DIR]
#       Starts it and prints DBUS_SESSION_BUS_ADDRESS=<address> and FAKE_TRAYHOST_DIR=<DIR>.
#   fake-trayhost.sh stop DIR
#   fake-trayhost.sh run COMMAND [ARGS...]
#       Runs COMMAND on a fresh fake, with those two variables set, then stops it; exits
#       with COMMAND's status. The session bus is chosen when a program starts, so a Qt
#       program under test is best started this way.
#
# Registrations are read with org.freedesktop.DBus.Mock.GetCalls on /StatusNotifierWatcher
# (service org.kde.StatusNotifierWatcher).
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=privatebus.sh
. "$here/privatebus.sh"

start() {
    local owner=0
    if [[ ${1:-} == --owner ]]; then
        owner=$2
        shift 2
    fi
    local dir=${1:-$(mktemp -d "${TMPDIR:-/tmp}/fake-trayhost.XXXXXX")}
    local watcher=org.kde.StatusNotifierWatcher
    privatebus_start "$dir" session "$owner" --session $watcher /StatusNotifierWatcher $watcher || return 1
    mock() {
        privatebus_send "$dir" --dest=$watcher /StatusNotifierWatcher "org.freedesktop.DBus.Mock.$1" \
            "string:$watcher" "${@:2}" >/dev/null
    }
    if ! privatebus_wait_name "$dir" $watcher ||
        ! mock AddMethod string:RegisterStatusNotifierItem string:s string: string: ||
        ! mock AddMethod string:RegisterStatusNotifierHost string:s string: string: ||
        ! mock AddProperty string:IsStatusNotifierHostRegistered variant:boolean:true ||
        ! mock AddProperty string:ProtocolVersion variant:int32:0; then
        privatebus_stop "$dir"
        privatebus_fail "could not set up the StatusNotifierWatcher mock"
        return 1
    fi
    echo "DBUS_SESSION_BUS_ADDRESS=$(privatebus_address "$dir")"
    echo "FAKE_TRAYHOST_DIR=$dir"
}

privatebus_main FAKE_TRAYHOST_DIR "$@"
