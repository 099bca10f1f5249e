#!/usr/bin/env bash
# Launches Varelux, or explains how to when there is no display to show it on.
set -euo pipefail
app=${1:?usage: run.sh path/to/varelux}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<MSG
run: no display (DISPLAY and WAYLAND_DISPLAY are unset), so Varelux has nowhere to show its window.
run: on a machine without a screen, start it under a virtual display, for example:
    xvfb-run -a -s "-screen 0 1280x800x24" $app
MSG
    exit 1
fi
exec "$app"
