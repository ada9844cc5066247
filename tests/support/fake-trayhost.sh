#!/bin/sh
# A stand-in for the desktop's notification area (a StatusNotifierWatcher) on a private D-Bus, for tests:
#   fake-trayhost.sh start [--owner PID] [DIR] | stop DIR | run COMMAND [ARGS...]
# See fakeservice.py.
exec /usr/bin/python3 "$(dirname "$0")/fakeservice.py" trayhost "$@"
