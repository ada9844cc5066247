#!/bin/sh
# A stand-in for systemd-logind on a private D-Bus, for tests:
#   fake-logind.sh start [--owner PID] [DIR] | stop DIR | run COMMAND [ARGS...]
# See fakeservice.py.
exec /usr/bin/python3 "$(dirname "$0")/fakeservice.py" logind "$@"
