#!/usr/bin/env bash
# Installs the Debian 12 packages that Varelux needs for the given purposes
# (build, test, bench, run). Does nothing when all of them are present; uses sudo
# when not root; names the missing packages when it cannot install them.
set -euo pipefail

declare -A groups=(
    [build]="cmake ninja-build g++ make qt6-base-dev libgl-dev libxcb1-dev qt6-translations-l10n fonts-liberation"
    [test]="xvfb xauth openbox xdotool x11-utils weston qt6-wayland locales-all imagemagick binutils-mingw-w64-x86-64 desktop-file-utils appstream lintian dpkg-dev file clang-14 libclang-rt-14-dev llvm-14"
    [package]="dpkg-dev file"
    [bench]="libbenchmark-dev hyperfine libxcb-damage0-dev"
    [run]=""
)

[ $# -gt 0 ] || set -- build
wanted=()
for group in "$@"; do
    if [ -z "${groups[$group]+set}" ]; then
        echo "install-deps: unknown group '$group' (known: ${!groups[*]})" >&2
        exit 2
    fi
    wanted+=(${groups[$group]})
done

missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo=(sudo)
else
    echo "install-deps: missing Debian packages: ${missing[*]}" >&2
    echo "install-deps: run as root or with sudo, or install them with:" >&2
    echo "    sudo apt-get install ${missing[*]}" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo[@]}" apt-get update -qq ||
    ! "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
    echo "install-deps: could not install: ${missing[*]}" >&2
    exit 1
fi
