#!/usr/bin/env bash
# Runs a test program as the client of a headless Weston of its own, on a private runtime
# directory and socket, with Qt's wayland platform: run_wayland.sh program [arguments]
set -euo pipefail
command -v weston >/dev/null || { echo "run_wayland: weston is not installed" >&2; exit 1; }

runtime=$(mktemp -d) # mode 0700, as Wayland wants of XDG_RUNTIME_DIR
socket=varelux-test
weston=
stop() {
    if [ -n "$weston" ]; then
        kill "$weston" 2>/dev/null || true
        wait "$weston" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap stop EXIT

# headless-backend.so is the backend's name in every Weston, old and new. The socket gets a
# fixed name, so that the script knows which file to wait for. The shell is Weston's desktop
# shell; --idle-time=0 keeps it from locking the screen during a long run. The headless backend
# renders nothing by default, yet that renderer reads every byte of each buffer a client hands
# over, which made the endurance test ten times slower; the pixman renderer draws only what
# changed, once a frame. Newer Westons name it with --renderer, older ones with --use-pixman.
case $(weston --help 2>&1 || true) in
*--renderer=*) renderer=--renderer=pixman ;;
*) renderer=--use-pixman ;;
esac
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket --no-config \
    "$renderer" --width=1280 --height=800 --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 200); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston" 2>/dev/null || break
    sleep 0.05
done
if [ ! -S "$runtime/$socket" ]; then
    echo "run_wayland: weston did not start" >&2
    cat "$runtime/weston.log" >&2 || true
    exit 1
fi

# A headless Weston has no seat: no keyboard, pointer or clipboard. Qt's support for the
# compositor's text-input protocol then crashes on the first key released in a text field, so no
# input method is loaded, as on the offscreen platform.
rc=0
env -u DISPLAY -u WAYLAND_SOCKET XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$socket \
    QT_QPA_PLATFORM=wayland QT_IM_MODULE=none "$@" || rc=$?
if ! kill -0 "$weston" 2>/dev/null; then
    echo "run_wayland: weston stopped during the run" >&2
    cat "$runtime/weston.log" >&2 || true
    rc=1
fi
exit $rc
