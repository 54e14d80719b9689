#!/bin/sh
# usage: installa_prefisso.sh BUILD SOURCE
# Installs into a scratch prefix, checks the tree and starts the game through its command.
set -u
build=$1
sorgente=$2
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
prefisso=$tmp/prefisso

cmake --install "$build" --prefix "$prefisso" >"$tmp/installazione.log" 2>&1 ||
    { cat "$tmp/installazione.log"; exit 1; }
sh "$sorgente/tests/install/controlla_albero.sh" "$prefisso" "$sorgente" || exit 1

# Started as a player would, by name from the PATH. Still running after 5 s (timeout's 124) means
# it came up without crashing and without stopping for a missing file.
avvia() {
    casa=$1
    shift
    env -u XDG_DATA_HOME HOME="$casa" QT_QPA_PLATFORM=offscreen PATH="$prefisso/bin:$PATH" \
        "$@" timeout 5 brivetta >"$tmp/gioco.log" 2>&1
    esito=$?
    if [ "$esito" != 124 ]; then
        echo "FAULT: the installed game ended with status $esito within 5 s" >&2
        cat "$tmp/gioco.log" >&2
        exit 1
    fi
}

mkdir "$tmp/casa"
avvia "$tmp/casa"
[ ! -e "$tmp/casa/.local/share/brivetta" ] ||
    { echo "FAULT: a writable installation should be used as it is, not copied to the home" >&2; exit 1; }

echo "installed game started"
