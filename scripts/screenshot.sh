#!/usr/bin/env bash
# Takes the README's pictures of the windows under a virtual display with a window manager, so
# the frames are real: scripts/screenshot.sh path/to/varelux_screenshots output-directory
set -euo pipefail
tool=${1:?usage: screenshot.sh path/to/varelux_screenshots output-directory}
out=${2:?usage: screenshot.sh path/to/varelux_screenshots output-directory}
mkdir -p "$out"
exec "$(dirname "$0")/../tests/run_x11.sh" "$tool" "$out"
