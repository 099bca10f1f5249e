#!/usr/bin/env bash
# Takes a screenshot of Varelux's main window under a virtual display with a window manager,
# so the frame is real: scripts/screenshot.sh path/to/varelux out.png
set -euo pipefail
app=${1:?usage: screenshot.sh path/to/varelux out.png}
out=${2:?usage: screenshot.sh path/to/varelux out.png}
mkdir -p "$(dirname "$out")"
export APP=$app OUT=$out
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
    openbox >/dev/null 2>&1 & wm=$!
    sleep 1
    "$APP" & pid=$!
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --pid "$pid" --name "^Varelux$" 2>/dev/null | head -n1) || true
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "screenshot: the window did not appear" >&2; kill $pid $wm; exit 1; }
    sleep 0.5
    import -window root -crop "$(xwininfo -id "$(xwininfo -children -id "$id" | sed -n "s/^  Parent window id: \(0x[0-9a-f]*\).*/\1/p")" |
        awk "/Absolute upper-left X/{x=\$4} /Absolute upper-left Y/{y=\$4} /Width/{w=\$2} /Height/{h=\$2} END{printf \"%dx%d+%d+%d\", w, h, x, y}")" "$OUT"
    kill $pid $wm
'
echo "screenshot: wrote $out"
