#!/usr/bin/env bash
# Runs a test program with the accessibility stack a screen reader listens to: a private D-Bus
# session with its accessibility bus, a private X server with a window manager (run_x11.sh), and
# Qt's bridge to that bus switched on: run_atspi.sh program [arguments]
# Exits 77, which CTest counts as skipped, with the reason when the accessibility bus cannot start.
set -euo pipefail
skip() {
    echo "SKIP: $*" >&2
    exit 77
}
if [ "${1:-}" != --in-session ]; then
    command -v dbus-run-session >/dev/null || skip "no dbus-run-session: install dbus-daemon"
    command -v dbus-send >/dev/null || skip "no dbus-send: install dbus-bin"
    exec dbus-run-session -- "$0" --in-session "$@"
fi
shift
. "$(dirname "$0")/wait_until.sh"
launcher=
for candidate in "$(command -v at-spi-bus-launcher || true)" /usr/libexec/at-spi-bus-launcher \
    /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || skip "no at-spi-bus-launcher: install at-spi2-core"
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill $bus 2>/dev/null || true' EXIT
# The launcher owns its name once the bus is up (asked without starting a second launcher).
bus_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
wait_until 10 "the accessibility bus" bus_up || skip "the accessibility bus did not start"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$(dirname "$0")/run_x11.sh" "$@"
