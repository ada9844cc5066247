#!/bin/sh
# fake-notifications.sh run COMMAND [ARGS...]: see fakeservice.py.
exec /usr/bin/python3 "$(dirname "$0")/fakeservice.py" notifications "$@"
