#!/usr/bin/env bash
# with-xvfb.sh COMMAND [ARGS...]: runs COMMAND with DISPLAY set to a virtual X server of its
# own (Xvfb, 640x480, 24 bits), which ends with it; exits with COMMAND's status.
# Xvfb picks a free display number itself (-displayfd), so runs in parallel never race for one;
# -noreset keeps it serving when its last client goes, where a reset would refuse the next
# program for a moment.
set -uo pipefail
[[ $# -gt 0 ]] || {
    echo "usage: $0 COMMAND [ARGS...]" >&2
    exit 2
}
dir=$(mktemp -d "${TMPDIR:-/tmp}/with-xvfb.XXXXXX") || exit 1
: >"$dir/display"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$dir"' EXIT
display=''
deadline=$((SECONDS + 20))
until read -r display <"$dir/display" && [[ -n $display ]]; do
    if ((SECONDS >= deadline)) || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "$0: Xvfb did not start" >&2
        cat "$dir/xvfb.log" >&2
        exit 1
    fi
    sleep 0.02
done
DISPLAY=:$display "$@"
