#!/usr/bin/env bash
# Runs a test program on a private X server with the openbox window manager, so the window
# really gets a frame and can be moved: run_x11.sh program [arguments]
set -euo pipefail
if [ "${1:-}" != --on-display ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" "$0" --on-display "$@"
fi
shift
. "$(dirname "$0")/wait_until.sh"

display_answers() { xprop -root >/dev/null 2>&1; }
# openbox runs its --startup command once it manages windows, new ones included, and has set the
# root window's properties (the work area among them) that Qt reads when it starts.
started=$(mktemp -d)
trap 'rm -rf "$started"' EXIT
started_file=$started/openbox
# openbox now and then fails to open a display that has only just come up: try again.
wm=
for attempt in 1 2 3 4 5; do
    wait_until 10 "the X server $DISPLAY to answer" display_answers || break
    openbox --sm-disable --startup "touch $(printf %q "$started_file")" >/dev/null 2>&1 &
    wm=$!
    wait_until --while $wm 10 "openbox to start (attempt $attempt)" test -e "$started_file" && break
    kill $wm 2>/dev/null || true
    wait $wm 2>/dev/null || true
    wm=
done
[ -n "$wm" ] || { echo "run_x11: openbox did not start" >&2; exit 1; }
rc=0
QT_QPA_PLATFORM=xcb "$@" || rc=$?
kill $wm 2>/dev/null || true
wait $wm 2>/dev/null || true
exit $rc
