#!/usr/bin/env bash
# The finished program under Wine, driven from outside as a user drives it: the window titled
# "Varelux" with its client area's size, and in each panel its first worked example typed in,
# "Calcola" pressed from the keyboard and both results read back through their "Copia" menu,
# which must give the texts the Linux program gives (all from tests/main_window_facts.txt); then a
# caption in each language, the LED array planner's title, Italian and with --language en and
# de. Leaves a picture of the window with the results in it.
# Runs under run_wine.sh: check_blackbox.sh varelux.exe [picture.png]
set -euo pipefail
exe=${1:?usage: check_blackbox.sh varelux.exe [picture.png]}
picture=${2:-}
facts=$(dirname "$0")/../main_window_facts.txt
# width and height of the client area; supply_x, supply_y and so on: where a panel's control is
# clicked, from its left edge.
eval "$(awk '$1 == "window" { print "width=" $2 " height=" $3 }
    $1 == "at" || $1 == "click" { print $2 "_x=" $3 " " $2 "_y=" $4 }' "$facts")"

# Ends the program started before, if any, starts it with the given arguments (in run_wine.sh's
# Italian locale) and waits for its window: $window.
trap 'kill $(jobs -p) 2>/dev/null; wait' EXIT
start() {
    kill $(jobs -p) 2>/dev/null && wait
    wine "$exe" "$@" >/dev/null 2>&1 &
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Varelux$' | head -n 1) ||
        { echo "no window titled Varelux" >&2; exit 1; }
    sleep 1 # the first paint
}
start

fail=0
info=$(xwininfo -id "$window")
size=$(awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }' <<<"$info")
[ "$size" = "${width}x$height" ] || { echo "client area $size, not ${width}x$height" >&2; fail=1; }

at() { xdotool mousemove --window "$window" "$1" "$2" sleep 0.2; }
# The text of the result label at x,y, through its context menu's "Copia".
copied() {
    printf '' | xclip -selection clipboard
    at "$1" "$2"
    xdotool click 3 sleep 0.5 key Down Return sleep 0.5
    xclip -selection clipboard -o 2>/dev/null || true
}

# Each panel's left edge and its first worked example: fields in typing order, then the results.
while IFS=$'\t' read -r -u 3 left fields resistance power; do
    at $((left + supply_x)) "$supply_y"
    xdotool click 1 sleep 0.2
    for value in $fields; do
        xdotool type --delay 50 "$value"
        xdotool key Tab # the next field; after the last one, "Calcola"
    done
    xdotool key space sleep 0.5
    got="$(copied $((left + resistance_x)) "$resistance_y") $(copied $((left + power_x)) "$power_y")"
    want="$resistance $power"
    [ "$got" = "$want" ] || { echo "panel at x=$left ($fields): got '$got', want '$want'" >&2; fail=1; }
    echo "panel at x=$left ($fields): $got"
done 3< <(awk -v OFS='\t' '$1 == "panel" { left[$2] = $3 }
    $1 == "example" && !seen[$2]++ { print left[$2], $3 " " $4 " " $5 ($6 == "-" ? "" : " " $6), $7, $8 }' \
    "$facts")

if [ -n "$picture" ]; then
    # The window with the frame the window manager gives it, cut from the whole screen.
    read -r x y < <(xwininfo -id "$window" |
        awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')
    read -r l r t b < <(xprop -id "$window" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ,)
    import -window root -crop "$((width + l + r))x$((height + t + b))+$((x - l))+$((y - t))" +repage \
        "$picture"
fi
# The planner's title, from the translation built into the program, in each language.
for language in "it Matrice di Led" "en LED array" "de LED-Matrix"; do
    [ "${language%% *}" = it ] || start --language "${language%% *}"
    at "$array_x" "$array_y"
    xdotool click 1
    timeout 20 xdotool search --sync --onlyvisible --name "^${language#* }\$" >/dev/null ||
        { echo "--language ${language%% *}: no window titled '${language#* }'" >&2; fail=1; }
done
exit $fail
