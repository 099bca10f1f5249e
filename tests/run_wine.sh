#!/usr/bin/env bash
# Runs a command (ctest, a check script) for Windows programs under Wine, on the private X server
# and window manager of run_x11.sh, with the environment every Wine run here shares. Each test
# names its Wine prefix itself (cmake/VareluxTesting.cmake). Wine hands the programs QT_*
# settings given as WINEQT_*: run_wine.sh ctest --preset windows
set -euo pipefail
export WINEDEBUG=${WINEDEBUG:--all}
# No offer to install Mono or Gecko, which nothing here needs.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEQT_FORCE_STDERR_LOGGING=${WINEQT_FORCE_STDERR_LOGGING:-1}
# As on an Italian Windows, the program's home: Wine takes the display language from the locale.
export LC_ALL=it_IT.UTF-8
# The Windows programs use the windows platform, whatever run_x11.sh picks for Linux ones.
exec "$(dirname "$0")/run_x11.sh" env -u QT_QPA_PLATFORM "$@"
