#!/usr/bin/env bash
# Runs a test program on a private X server with the openbox window manager, so the window
# really gets a frame and can be moved: run_x11.sh program [arguments]
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" bash -c '
    wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
    # openbox now and then fails to open a display that has only just come up: try again.
    for attempt in 1 2 3 4 5; do
        openbox --sm-disable >/dev/null 2>&1 & wm=$!
        for _ in $(seq 100); do
            wm_ready && break
            kill -0 $wm 2>/dev/null || break
            sleep 0.05
        done
        wm_ready && break
        kill $wm 2>/dev/null || true
        wait $wm 2>/dev/null || true
        sleep 0.2
    done
    wm_ready || { echo "run_x11: openbox did not start" >&2; exit 1; }
    sleep 0.5 # the check window appears a little before openbox manages new windows
    rc=0
    QT_QPA_PLATFORM=xcb "$@" || rc=$?
    kill $wm 2>/dev/null || true
    wait $wm 2>/dev/null || true
    exit $rc' run_x11 "$@"
