#!/bin/sh
# unprivileged.sh COMMAND [ARGS...]: runs COMMAND as a user whom file permissions stop: root as "nobody".
[ "$(id -u)" = 0 ] && exec setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$@"
exec "$@"
