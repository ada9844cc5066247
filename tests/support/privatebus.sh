# shellcheck shell=bash
# Sourced by the fake services (fake-logind.sh, fake-trayhost.sh): a private D-Bus daemon with
# one python-dbusmock service on it. The daemon, the mock and a small supervisor share one
# process group, so stopping is one kill, and the group ends by itself when the process that
# asked for it (the owner) ends, even if that process crashed.
#
# Everything lives in a state folder: the bus configuration and socket, the address, the
# process group id and the logs of the daemon and the mock.

# Debian's interpreter: the one first on PATH cannot import dbusmock on every machine.
privatebus_python=/usr/bin/python3
privatebus_deadline_s=20

privatebus_fail() {
    echo "$(basename "$0"): $*" >&2
    return 1
}

# privatebus_write_config DIR system|session
privatebus_write_config() {
    cat >"$1/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>$2</type>
  <listen>unix:path=$1/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow receive_sender="*"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
EOF
}

# privatebus_supervise DIR system|session OWNER_PID MOCK_ARGS...
# Runs as the leader of a new process group (see privatebus_start). OWNER_PID 0: no owner.
privatebus_supervise() {
    local dir=$1 type=$2 owner=$3
    shift 3
    echo $$ >"$dir/pgid.new" && mv "$dir/pgid.new" "$dir/pgid"
    dbus-daemon --nofork --config-file="$dir/bus.conf" --print-address=1 >"$dir/address.new" 2>"$dir/bus.log" &
    local address='' deadline=$((SECONDS + privatebus_deadline_s))
    while [[ -z $address ]]; do
        ((SECONDS < deadline)) && kill -0 $! 2>/dev/null || exit 1
        read -r address <"$dir/address.new" || sleep 0.02
    done
    if [[ $type == system ]]; then
        export DBUS_SYSTEM_BUS_ADDRESS=$address
    else
        export DBUS_SESSION_BUS_ADDRESS=$address
    fi
    "$privatebus_python" -m dbusmock "$@" >"$dir/mock.log" 2>&1 &
    if ((owner > 0)); then
        tail --pid="$owner" -f /dev/null &
    fi
    echo "$address" >"$dir/address.tmp" && mv "$dir/address.tmp" "$dir/address"
    # Whichever ends first (daemon, mock or owner) takes the others with it.
    wait -n
    trap '' TERM
    kill -TERM 0
}

# privatebus_start DIR system|session OWNER_PID MOCK_ARGS...
# Starts the group and waits until the daemon listens; prints nothing.
privatebus_start() {
    local dir=$1 type=$2
    mkdir -p "$dir" || return 1
    rm -f "$dir/address" "$dir/address.new" "$dir/pgid"
    privatebus_write_config "$dir" "$type"
    # setsid: a new process group, apart from the caller's, that a terminal or test runner
    # killing the caller's group does not leave half-alive.
    # shellcheck disable=SC2016 # expanded by the inner shell
    setsid bash -c '. "$0"; privatebus_supervise "$@"' "${BASH_SOURCE[0]}" "$@" \
        </dev/null >"$dir/supervisor.log" 2>&1 &
    local deadline=$((SECONDS + privatebus_deadline_s))
    until [[ -s $dir/address ]]; do
        if ((SECONDS >= deadline)) || ! kill -0 $! 2>/dev/null; then
            privatebus_dump_logs "$dir"
            privatebus_stop "$dir"
            privatebus_fail "the private bus in $dir did not start"
            return 1
        fi
        sleep 0.02
    done
}

privatebus_address() {
    cat "$1/address"
}

# privatebus_send DIR DBUS_SEND_ARGS...: dbus-send on the private bus, printing the reply.
privatebus_send() {
    local dir=$1
    shift
    dbus-send --bus="$(privatebus_address "$dir")" --print-reply "$@"
}

# privatebus_wait_name DIR NAME: waits until NAME has an owner on the private bus.
privatebus_wait_name() {
    local dir=$1 name=$2 deadline=$((SECONDS + privatebus_deadline_s))
    until privatebus_send "$dir" --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$name" 2>/dev/null | grep -q 'boolean true'; do
        if ((SECONDS >= deadline)) || ! kill -0 "$(cat "$dir/pgid")" 2>/dev/null; then
            privatebus_dump_logs "$dir"
            privatebus_fail "$name did not appear on the private bus in $dir"
            return 1
        fi
        sleep 0.02
    done
}

privatebus_dump_logs() {
    local log
    for log in "$1"/supervisor.log "$1"/bus.log "$1"/mock.log; do
        [[ -s $log ]] && { echo "--- $log" && cat "$log"; } >&2
    done
    return 0
}

# privatebus_stop DIR: ends the whole group, waits until it is gone and removes DIR.
privatebus_stop() {
    local dir=$1 pgid
    [[ -f $dir/pgid ]] && pgid=$(cat "$dir/pgid")
    if [[ -n $pgid ]]; then
        kill -TERM -- "-$pgid" 2>/dev/null
        local deadline=$((SECONDS + 5))
        # setsid made the group its own session; zombies count as gone (the init process
        # reaps orphans in its own time)
        # shellcheck disable=SC2009 # pgrep cannot leave zombies out
        while ps -o stat= --sid "$pgid" | grep -qv '^Z'; do
            if ((SECONDS >= deadline)); then
                kill -KILL -- "-$pgid" 2>/dev/null
                break
            fi
            sleep 0.02
        done
    fi
    rm -rf "$dir"
}

# privatebus_main DIR_VARIABLE ARGS...: the commands of a fake service's script. The script
# defines start, which prints NAME=value lines, DIR_VARIABLE (the state folder) among them.
privatebus_main() {
    local dir_variable=$1
    shift
    case ${1:-} in
    start)
        shift
        start "$@"
        ;;
    stop)
        [[ -n ${2:-} ]] || { privatebus_fail "usage: $0 stop DIR"; exit 2; }
        privatebus_stop "$2"
        ;;
    run)
        shift
        [[ $# -gt 0 ]] || { privatebus_fail "usage: $0 run COMMAND [ARGS...]"; exit 2; }
        local settings line status
        settings=$(start --owner $$) || exit 1
        while IFS= read -r line; do export "${line?}"; done <<<"$settings"
        "$@"
        status=$?
        privatebus_stop "${!dir_variable}"
        exit $status
        ;;
    *)
        privatebus_fail "usage: $0 start [--owner PID] [DIR] | stop DIR | run COMMAND [ARGS...]"
        exit 2
        ;;
    esac
}
