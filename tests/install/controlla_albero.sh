#!/bin/sh
# usage: controlla_albero.sh PREFIX SOURCE
# Checks an installed tree against the source: the command on the PATH, the program's folder
# holding the executable and every shipped file, the menu entry, the description and the icon.
set -u
prefisso=$(cd "$1" && pwd) || exit 1
sorgente=$(cd "$2" && pwd) || exit 1
id=org.example.Brivetta
cartella=$prefisso/lib/brivetta
guasti=0
guasto() {
    echo "FAULT: $*" >&2
    guasti=$((guasti + 1))
}

[ -f "$cartella/brivetta" ] && [ -x "$cartella/brivetta" ] || guasto "no executable $cartella/brivetta"
# The game's sounds play in a process of its own, started from beside the game.
[ -f "$cartella/brivetta-suono" ] && [ -x "$cartella/brivetta-suono" ] ||
    guasto "no sound program $cartella/brivetta-suono"
if [ -L "$prefisso/bin/brivetta" ]; then
    case "$(readlink "$prefisso/bin/brivetta")" in
    /*) guasto "bin/brivetta is an absolute link: the installed tree could not be moved" ;;
    esac
    [ "$(readlink -f "$prefisso/bin/brivetta")" = "$cartella/brivetta" ] ||
        guasto "bin/brivetta does not lead to $cartella/brivetta"
else
    guasto "bin/brivetta is missing or not a link"
fi

# The game finds its card set, sounds and help beside the executable.
for file in SOUND112.wav laser.wav dindin.wav oh_no.wav Risata.wav Brivetta.htm; do
    [ -f "$cartella/$file" ] || guasto "missing $file"
done
for carta in 00 01 40; do
    ls "$cartella/Piacentine/$carta"*.gif >/dev/null 2>&1 || guasto "missing card $carta of Piacentine"
done
diversi=$(cd "$sorgente/data" && find . -type f ! -name '.*' ! -iname 'brivetta.ini' ! -iname 'brivetta.bak' |
    while IFS= read -r file; do cmp -s "$file" "$cartella/$file" || echo "$file"; done)
[ -z "$diversi" ] || guasto "shipped files missing or different: $diversi"
impostazioni=$(find "$prefisso" -iname brivetta.ini -o -iname brivetta.bak)
[ -z "$impostazioni" ] || guasto "a settings file is installed: $impostazioni"

voce=$prefisso/share/applications/$id.desktop
if [ -f "$voce" ]; then
    grep -qx 'Exec=brivetta' "$voce" || guasto "the menu entry does not start the command brivetta"
    grep -qx "Icon=$id" "$voce" || guasto "the menu entry's icon is not $id"
else
    guasto "no menu entry $voce"
fi
metainfo=$prefisso/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        guasto "the description does not launch $id.desktop"
else
    guasto "no description $metainfo"
fi

# The icon the menu entry names is installed.
[ -f "$prefisso/share/icons/hicolor/48x48/apps/$id.png" ] || guasto "no icon $id"

[ "$guasti" = 0 ] && echo "installed tree in $prefisso: complete"
exit "$guasti"
