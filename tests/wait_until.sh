# Sourced by the test launchers (run_x11.sh, run_wayland.sh, run_atspi.sh), which wait until the
# server or bus that they started is ready:
#
#   wait_until [--while PID] SECONDS DESCRIPTION COMMAND [ARGUMENT...]
#
# runs the command every twentieth of a second until it succeeds, and then returns 0. It returns 1,
# naming on standard error what it waited for, once SECONDS (up to one more) have passed, or with
# --while as soon as the process PID has ended: a server that has died never gets ready.
wait_until() {
    local pid=
    if [ "$1" = --while ]; then
        pid=$2
        shift 2
    fi
    local seconds=$1 description=$2
    shift 2
    local deadline=$((SECONDS + seconds + 1)) # SECONDS counts whole seconds
    until "$@"; do
        if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
            echo "${0##*/}: gave up waiting for $description: process $pid has ended" >&2
            return 1
        fi
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "${0##*/}: gave up waiting for $description after $seconds s" >&2
            return 1
        fi
        sleep 0.05
    done
}
