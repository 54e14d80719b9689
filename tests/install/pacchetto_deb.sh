#!/bin/sh
# usage: pacchetto_deb.sh BUILD SOURCE
# Builds the Debian package, reads its control fields and checks the tree it unpacks.
set -u
build=$1
sorgente=$2
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/pacchetti" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; exit 1; }
set -- "$tmp/pacchetti"/*.deb
[ $# = 1 ] && [ -f "$1" ] || { echo "FAULT: expected one .deb, found: $*" >&2; exit 1; }
deb=$1

guasti=0
campo() {
    valore=$(dpkg-deb -f "$deb" "$1")
    case "$valore" in
    $2) ;;
    *)
        echo "FAULT: $1 is '$valore', expected $2" >&2
        guasti=$((guasti + 1))
        ;;
    esac
}
versione=$(sed -n 's/^project(Brivetta VERSION \([0-9.]*\).*/\1/p' "$sorgente/CMakeLists.txt")
campo Package brivetta
campo Version "$versione"
campo Maintainer 'Brivetta Team <brivetta@example.org>'
campo Section games
# The Qt plug-ins are named by hand; libc6 and libstdc++6 show that the libraries were found.
for dipendenza in libqt6widgets6 libqt6multimedia6 libqt6charts6 libqt6gui6 qt6-qpa-plugins libc6 libstdc++6; do
    campo Depends "*$dipendenza*"
done
grep -q "<release version=\"$versione\"" "$sorgente/packaging/org.example.Brivetta.metainfo.xml" ||
    { echo "FAULT: the description has no release $versione" >&2; guasti=$((guasti + 1)); }

dpkg-deb -c "$deb" >"$tmp/contenuto"
proprietari=$(awk '{print $2}' "$tmp/contenuto" | sort -u)
[ "$proprietari" = root/root ] || { echo "FAULT: files owned by $proprietari" >&2; guasti=$((guasti + 1)); }

dpkg -x "$deb" "$tmp/radice"
fuori=$(ls -A "$tmp/radice")
[ "$fuori" = usr ] || { echo "FAULT: the package installs outside /usr: $fuori" >&2; guasti=$((guasti + 1)); }
sh "$sorgente/tests/install/controlla_albero.sh" "$tmp/radice/usr" "$sorgente" || guasti=$((guasti + 1))
[ -f "$tmp/radice/usr/share/doc/brivetta/copyright" ] ||
    { echo "FAULT: no copyright file" >&2; guasti=$((guasti + 1)); }
exit "$guasti"
