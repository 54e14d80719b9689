#!/bin/sh
# usage: valida.sh VALIDATOR [ARGUMENTS...]
# Runs a validator; says plainly when it is not installed instead of failing obscurely.
validatore=$1
shift
case "$validatore" in
"" | *-NOTFOUND)
    echo "validator not installed: 'make deps' installs desktop-file-utils and appstream" >&2
    exit 1
    ;;
esac
exec "$validatore" "$@"
