#!/usr/bin/env bash
# The announcement after "Calcola" through the real AT-SPI bus, on a private X server with a
# window manager and a D-Bus session of its own: check_announcement_atspi.sh program expected-text
# Exits 77 (skipped) with the reason when a piece of the accessibility stack is missing.
set -euo pipefail
here=$(dirname "$0")
skip() {
    echo "SKIP: $*" >&2
    exit 77
}
for tool in dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null || skip "$tool not found: install dbus"
done
# Debian's GObject bindings are built for the system's own Python.
python=/usr/bin/python3
[ -x "$python" ] || python=$(command -v python3) || skip "no python3"
exec "$here/../run_x11.sh" dbus-run-session -- "$python" "$here/announcement_atspi.py" "$@"
