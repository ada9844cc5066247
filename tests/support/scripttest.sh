# shellcheck shell=bash
# Sourced by the whole-program test scripts. They keep their files, and the logs of the
# programs they run (*.log), in the folder $work.

# fail MESSAGE: says what failed, shows the logs and ends the test.
fail() {
    echo "FAIL: $*" >&2
    local log
    for log in "$work"/*.log; do
        [[ -f $log ]] && sed "s|^|  $(basename "$log" .log): |" "$log" >&2
    done
    exit 1
}

# wait_for SECONDS COMMAND...: polls until COMMAND succeeds; returns 1 after SECONDS.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}
