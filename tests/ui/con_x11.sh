#!/bin/sh
# Runs a window test on a virtual X server of its own with a window manager, as on a player's
# desktop, so keys and clicks go through the X server: con_x11.sh TEST [ARGUMENTS...]
# The test starts once the window manager is up, or a window would open with no focus.
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" sh -c '
    pronto=$(mktemp -u)
    openbox --startup "touch $pronto" >/dev/null 2>&1 &
    i=0
    while [ ! -e "$pronto" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
    rm -f "$pronto"
    QT_QPA_PLATFORM=xcb "$@"' con_x11 "$@"
