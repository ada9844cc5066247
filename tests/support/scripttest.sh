# shellcheck shell=bash
# Sourced by the whole-program tests: files and logs (*.log) go in $work; programs in $pids end with them.
work=$(mktemp -d "${TMPDIR:-/tmp}/lullwick-test.XXXXXX")
pids=()
trap 'set +e; kill -KILL "${pids[@]}" 2>/dev/null; wait; chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { # MESSAGE: says what failed, shows the logs and ends the test
    echo "FAIL: $*" >&2
    for log in "$work"/*.log; do [[ -f $log ]] && sed "s|^|  $(basename "$log" .log): |" "$log" >&2; done
    exit 1
}
wait_for() { # SECONDS COMMAND...: polls until COMMAND succeeds; returns 1 after SECONDS
    local deadline=$((SECONDS + $1))
    until "${@:2}"; do ((SECONDS < deadline)) && sleep 0.1 || return 1; done
}
