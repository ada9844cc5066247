#!/usr/bin/env bash
# with-xvfb.sh COMMAND [ARGS...]: runs COMMAND on a virtual X display of its own; Xvfb picks a
# free one itself (-displayfd), so parallel runs never race for one.
dir=$(mktemp -d "${TMPDIR:-/tmp}/with-xvfb.XXXXXX") || exit 1
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
trap 'kill $! 2>/dev/null; wait; rm -rf "$dir"' EXIT
for _ in $(seq 400); do read -r display <"$dir/display" && break || sleep 0.05; done
[[ -n ${display:-} ]] || { cat "$dir/xvfb.log" >&2; exit 1; }
DISPLAY=:$display "$@"
