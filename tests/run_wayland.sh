#!/usr/bin/env bash
# Runs a test program as the client of a headless Weston of its own, on a private runtime
# directory and socket, with Qt's wayland platform: run_wayland.sh program [arguments]
set -euo pipefail
command -v weston >/dev/null || { echo "run_wayland: weston is not installed" >&2; exit 1; }
. "$(dirname "$0")/wait_until.sh"

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
socket=varelux-test
runtime=
weston=
stop() {
    if [ -n "$weston" ]; then
        kill "$weston" 2>/dev/null || true
        wait "$weston" 2>/dev/null || true
    fi
    [ -z "$runtime" ] || rm -rf "$runtime"
    weston= runtime=
}
trap stop EXIT

# Runs the program on a new Weston; 0 when it passed, 1 when it failed, 2 when Weston itself died
# during the run.
run() {
    runtime=$(mktemp -d) # mode 0700, as Wayland wants of XDG_RUNTIME_DIR
    XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket --no-config \
        "$renderer" --width=1280 --height=800 --idle-time=0 >"$runtime/weston.log" 2>&1 &
    weston=$!
    if ! wait_until --while "$weston" 20 "weston's socket" test -S "$runtime/$socket"; then
        echo "run_wayland: weston did not start" >&2
        cat "$runtime/weston.log" >&2 || true
        return 1
    fi
    # A headless Weston has no seat: no keyboard, pointer or clipboard. Qt's support for the
    # compositor's text-input protocol then crashes on the first key released in a text field,
    # so no input method is loaded, as on the offscreen platform.
    local rc=0
    env -u DISPLAY -u WAYLAND_SOCKET XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$socket \
        QT_QPA_PLATFORM=wayland QT_IM_MODULE=none "$@" || rc=1
    if ! kill -0 "$weston" 2>/dev/null; then
        echo "run_wayland: weston stopped during the run" >&2
        cat "$runtime/weston.log" >&2 || true
        rc=2
    fi
    stop
    return $rc
}

# Weston 14 (Debian 13) now and then crashes while windows open and close quickly, which no
# client should be able to make it do; a run whose compositor died is run once more on a new one.
rc=0
run "$@" || rc=$?
if [ $rc -eq 2 ]; then
    echo "run_wayland: the compositor crashed, not the program; running it once more" >&2
    rc=0
    run "$@" || rc=$?
fi
[ $rc -eq 0 ]
