#!/usr/bin/env bash
# Installs the Debian packages that Varelux needs for the given purposes (build, test, package,
# bench, fonts, windows, web). Names that change from one Debian release to the next are asked of apt, so
# the running release gets what it has: nothing here names a release or a compiler version. Does
# nothing when all of them are present; uses sudo when not root; names the missing packages
# when it cannot install them. With --check first, it installs nothing and only names them.
set -euo pipefail

check_only=0
if [ "${1:-}" = --check ]; then
    check_only=1
    shift
fi

declare -A groups=(
    [build]="cmake ninja-build g++ make qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev"
    [test]="clang-format xvfb xauth openbox xdotool x11-utils weston qt6-wayland locales-all imagemagick binutils-mingw-w64-x86-64 desktop-file-utils appstream lintian dpkg-dev file dbus-daemon dbus-bin at-spi2-core python3-gi gir1.2-atspi-2.0"
    [package]="dpkg-dev file"
    [bench]="libbenchmark-dev hyperfine libxcb-damage0-dev"
    [windows]="cmake ninja-build qt6-base-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev dpkg-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine nsis xvfb xauth openbox xdotool x11-utils xclip imagemagick unzip python3-yaml locales-all"
    [web]="emscripten cmake ninja-build make dpkg-dev qt6-base-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev librsvg2-bin"
    [web-root]="debootstrap"
    [web-test]="chromium python3"
    [fonts]="python3-fonttools"
)

[ $# -gt 0 ] || set -- build
for group in "$@"; do
    if [ -z "${groups[$group]+set}" ]; then
        echo "install-deps: unknown group '$group' (known: ${!groups[*]})" >&2
        exit 2
    fi
done

if [ $check_only -eq 1 ]; then
    sudo=(false) # never installs: only names what is missing
elif [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo=(sudo)
else
    sudo=(false) # cannot install: only name what is missing
fi
export DEBIAN_FRONTEND=noninteractive

# A fresh system has no package lists; apt then knows only what is installed. Read them first,
# when allowed to, so that the names below are those of the release's archive.
updated=0
if ! compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null && "${sudo[@]}" true 2>/dev/null; then
    "${sudo[@]}" apt-get update -qq && updated=1
fi

# The version apt would install (the installed one when apt has no lists), or nothing.
candidate() {
    apt-cache policy "$1" 2>/dev/null | awk '$1 == "Candidate:" && $2 != "(none)" { print $2 }'
}

# The newest LLVM release N for which apt has the compiler (clang-N), its libFuzzer and
# sanitizer runtimes (libclang-rt-N-dev), the symbolizer for readable stack traces (llvm-N) and
# the linter (clang-tidy-N). scripts/find-clang.sh later picks the same N for the fuzz preset
# and the clang-tidy test.
llvm_packages() {
    local n
    for n in $(apt-cache pkgnames libclang-rt- | sed -n 's/^libclang-rt-\([0-9][0-9]*\)-dev$/\1/p' |
        sort -rn); do
        if [ -n "$(candidate "clang-$n")" ] && [ -n "$(candidate "libclang-rt-$n-dev")" ] &&
            [ -n "$(candidate "llvm-$n")" ] && [ -n "$(candidate "clang-tidy-$n")" ]; then
            echo "clang-$n libclang-rt-$n-dev llvm-$n clang-tidy-$n"
            return 0
        fi
    done
    echo "install-deps: apt offers no clang-N with libclang-rt-N-dev, llvm-N and clang-tidy-N" >&2
    echo "install-deps: (run 'apt-get update' as root if apt has no package lists yet)" >&2
    return 1
}

# Liberation Sans 2, from which scripts/cut-faces.py makes the faces the program embeds:
# fonts-liberation itself where the release has it at version 2, otherwise fonts-liberation2
# beside the older faces.
font_package() {
    local version
    version=$(candidate fonts-liberation)
    if [ -n "$version" ] && dpkg --compare-versions "$version" ge 1:2; then
        echo fonts-liberation
    else
        echo fonts-liberation2
    fi
}

wanted=()
for group in "$@"; do
    wanted+=(${groups[$group]})
    if [ "$group" = fonts ]; then
        wanted+=("$(font_package)")
    fi
    if [ "$group" = test ]; then
        llvm=$(llvm_packages)
        wanted+=($llvm)
    fi
done

missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ $check_only -eq 1 ]; then
    echo "install-deps: missing Debian packages: ${missing[*]}" >&2
    echo "install-deps: 'make deps' installs them (as root or with sudo)" >&2
    exit 1
fi
if ! "${sudo[@]}" true 2>/dev/null; then
    echo "install-deps: missing Debian packages: ${missing[*]}" >&2
    echo "install-deps: run as root or with sudo, or install them with:" >&2
    echo "    sudo apt-get install ${missing[*]}" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
if { [ $updated -eq 0 ] && ! "${sudo[@]}" apt-get update -qq; } ||
    ! "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"; then
    echo "install-deps: could not install: ${missing[*]}" >&2
    exit 1
fi
