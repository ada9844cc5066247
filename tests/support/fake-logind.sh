#!/usr/bin/env bash
# A stand-in for systemd-logind on a private system bus, for tests of the power actions.
#
#   fake-logind.sh start [--owner PID] [DIR]
#       Starts the bus and python-dbusmock's logind template on it, completed with what the
#       template lacks, and prints three lines:
#           DBUS_SYSTEM_BUS_ADDRESS=<address of the private bus>
#           FAKE_LOGIND_DIR=<state folder, to pass to stop>
#           FAKE_LOGIND_SESSION=<object path of the caller's session>
#       DIR is the state folder (default: a new temporary one). With --owner, everything ends
#       by itself when process PID ends.
#   fake-logind.sh stop DIR
#       Ends the bus and the mock and removes DIR.
#   fake-logind.sh run COMMAND [ARGS...]
#       Runs COMMAND with DBUS_SYSTEM_BUS_ADDRESS set to a fresh fake, then stops it;
#       exits with COMMAND's status.
#
# The fake has two sessions of the calling user: "c1", which GetSessionByPID returns for any
# process, and "auto", which real logind resolves to the caller's session; keeping them apart
# lets a test see which one a program named. Read what was called with
# org.freedesktop.DBus.Mock.GetCalls on the manager (/org/freedesktop/login1) or a session
# object; a session's Terminate is logged on the session.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=privatebus.sh
. "$here/privatebus.sh"

readonly manager=/org/freedesktop/login1
readonly own_session=$manager/session/c1

mock() {
    privatebus_send "$dir" --dest=org.freedesktop.login1 "$1" "org.freedesktop.DBus.Mock.$2" "${@:3}" >/dev/null
}

start() {
    local owner=0
    if [[ ${1:-} == --owner ]]; then
        owner=$2
        shift 2
    fi
    dir=${1:-$(mktemp -d "${TMPDIR:-/tmp}/fake-logind.XXXXXX")}
    privatebus_start "$dir" system "$owner" --system --template logind || return 1
    privatebus_wait_name "$dir" org.freedesktop.login1 || {
        privatebus_stop "$dir"
        return 1
    }
    # The template logs its own set-up calls (AddSession and what it adds); ClearCalls
    # starts the log afresh.
    local uid user
    uid=$(id -u)
    user=$(id -un)
    if ! mock $manager AddSession string:auto string:seat0 "uint32:$uid" "string:$user" boolean:true ||
        ! mock $manager AddSession string:c1 string:seat0 "uint32:$uid" "string:$user" boolean:true ||
        ! mock $manager AddMethod string:org.freedesktop.login1.Manager string:GetSessionByPID \
            string:u string:o "string:ret = '$own_session'" ||
        ! mock $manager ClearCalls; then
        privatebus_dump_logs "$dir"
        privatebus_stop "$dir"
        privatebus_fail "could not set up the logind mock"
        return 1
    fi
    echo "DBUS_SYSTEM_BUS_ADDRESS=$(privatebus_address "$dir")"
    echo "FAKE_LOGIND_DIR=$dir"
    echo "FAKE_LOGIND_SESSION=$own_session"
}

privatebus_main FAKE_LOGIND_DIR "$@"
