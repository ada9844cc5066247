#!/bin/sh
# unprivileged.sh COMMAND [ARGS...]: runs COMMAND as a user whom file permissions stop. Run as
# root (which they do not stop), as "nobody"; run as anyone else, as that user.
if [ "$(id -u)" = 0 ]; then
    exec setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$@"
fi
exec "$@"
