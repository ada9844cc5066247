#!/usr/bin/env bash
# A stand-in for the desktop's notification service (org.freedesktop.Notifications, the
# python-dbusmock template notification_daemon, with actions) on a private session bus.
#
#   fake-notifications.sh start [--owner PID] [DIR]
#       Starts it and prints DBUS_SESSION_BUS_ADDRESS=<address> and FAKE_NOTIFICATIONS_DIR=<DIR>.
#   fake-notifications.sh stop DIR
#   fake-notifications.sh run COMMAND [ARGS...]
#       Runs COMMAND on a fresh fake, with those two variables set, then stops it.
#
# The calls are read with org.freedesktop.DBus.Mock.GetCalls on /org/freedesktop/Notifications;
# org.freedesktop.DBus.Mock.EmitSignal sends ActionInvoked as a user's click would.
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
    local dir=${1:-$(mktemp -d "${TMPDIR:-/tmp}/fake-notifications.XXXXXX")}
    privatebus_start "$dir" session "$owner" --session --template notification_daemon \
        -p '{"capabilities": "body actions"}' || return 1
    privatebus_wait_name "$dir" org.freedesktop.Notifications || {
        privatebus_stop "$dir"
        return 1
    }
    echo "DBUS_SESSION_BUS_ADDRESS=$(privatebus_address "$dir")"
    echo "FAKE_NOTIFICATIONS_DIR=$dir"
}

privatebus_main FAKE_NOTIFICATIONS_DIR "$@"
