#!/usr/bin/env bash
# Runs a command (ctest, a check script) for Windows programs under Wine, on the private X server
# and window manager of run_x11.sh, in the Wine prefix WINEPREFIX, set up on first use. Wine hands
# the programs QT_* settings given as WINEQT_*: run_wine.sh ctest --preset windows
set -euo pipefail
: "${WINEPREFIX:?run_wine: set WINEPREFIX to the Wine prefix to use}"
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all}
# No offer to install Mono or Gecko, which nothing here needs.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEQT_FORCE_STDERR_LOGGING=${WINEQT_FORCE_STDERR_LOGGING:-1}
mkdir -p "$(dirname "$WINEPREFIX")"
exec "$(dirname "$0")/run_x11.sh" bash -c '
    unset QT_QPA_PLATFORM # the Windows programs use the windows platform
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "run_wine: setting up the Wine prefix $WINEPREFIX" >&2
        wineboot --init >/dev/null 2>&1
    fi
    wineserver --wait # the prefix settles before the first program starts
    rc=0
    "$@" || rc=$?
    wineserver --kill 2>/dev/null || true
    exit $rc' run_wine "$@"
