#!/usr/bin/env bash
# Runs a test program on a private X server with the openbox window manager, so the window
# really gets a frame and can be moved: run_x11.sh program [arguments]
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" bash -c '
    openbox --sm-disable >/dev/null 2>&1 & wm=$!
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.05
    done
    rc=0
    QT_QPA_PLATFORM=xcb "$@" || rc=$?
    kill $wm 2>/dev/null || true
    wait $wm 2>/dev/null || true
    exit $rc' run_x11 "$@"
