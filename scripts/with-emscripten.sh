#!/usr/bin/env bash
# Runs a command where Debian's emscripten can build Qt for WebAssembly: on Debian 13 or later
# directly, after installing what the web build needs (scripts/install-deps.sh web); on an older
# release, whose emscripten is too old for Qt 6, inside a minimal Debian 13 root kept in the
# cache (debootstrap --variant=minbase), with the same packages installed in it.
#
# In the root the command runs in this work tree, at the same path, as the calling user, with
# the cache (~/.cache/varelux) at the same path too, so that build trees and the cached Qt are
# the same whether they were made in a root or on a Debian 13 machine. The root gets the
# machine's own archives with the release renamed (scripts/release-sources.sh); the machine's
# apt configuration is not touched. Mounts live in a private mount namespace and end with it.
#
# Usage: scripts/with-emscripten.sh GROUP... -- COMMAND [ARGUMENTS...]
#   GROUP: what scripts/install-deps.sh installs first (web, web-test). As root or with sudo.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
suite=trixie # Debian 13, the first release whose emscripten builds Qt 6 for WebAssembly
groups=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    groups+=("$1")
    shift
done
[ $# -gt 1 ] || {
    echo "usage: with-emscripten.sh GROUP... -- COMMAND [ARGUMENTS...]" >&2
    exit 2
}
shift

version_id=$(. /etc/os-release && echo "${VERSION_ID:-}")
if [ -z "$version_id" ] || [ "${version_id%%.*}" -ge 13 ]; then # testing and unstable have none
    "$here/scripts/install-deps.sh" "${groups[@]}"
    exec "$@"
fi

if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1 || ! sudo -n true 2>/dev/null; then
        echo "with-emscripten: a Debian $version_id machine builds in a Debian 13 root," \
            "which needs root or sudo" >&2
        exit 1
    fi
    exec sudo -n VARELUX_USER="$(id -u):$(id -g)" HOME="$HOME" \
        XDG_CACHE_HOME="${XDG_CACHE_HOME:-$HOME/.cache}" "$0" "${groups[@]}" -- "$@"
fi
user=${VARELUX_USER:-0:0}
uid=${user%:*} gid=${user#*:}
as_user=(setpriv --reuid="$uid" --regid="$gid" --clear-groups)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/varelux
dir=$cache/debian-$suite
root=$dir/root
stamp=$dir/stamp
recipe="debootstrap --variant=minbase $suite, sources from the machine's own archives"

"$here/scripts/install-deps.sh" web-root
# The cache, and ~/.cache when it is new, belong to the caller, whose own steps write their Qt
# there; only the Debian 13 root beside it is root's.
"${as_user[@]}" mkdir -p "$cache"
mkdir -p "$dir"
exec {lock}>"$dir.lock"
flock "$lock"

# Inside a mount namespace of its own: what the root needs of the running system, this tree and
# the cache at their own paths. Runs as root; the build itself then drops to the caller. Where
# this machine is itself a chroot (a test root), / is no mount point and its propagation cannot
# be made private: the namespace then keeps the surrounding one's, and the mounts are undone
# when the command ends, as they are with the namespace anyway.
propagation=private
unshare --mount --propagation private true 2>/dev/null || propagation=unchanged
enter() {
    local root=$1
    shift
    unshare --mount --propagation "$propagation" -- bash -euc '
        root=$1 here=$2 cache=$3
        shift 3
        undo() { umount -R "$root" 2>/dev/null || true; }
        trap undo EXIT
        # Where propagation stays shared, the root is first made a private mount of its own, so
        # that nothing mounted in it is copied outside (and left there), and each mount in it
        # turns slave as soon as it is made, before anything can be unmounted: /dev bound in
        # recursively shares its mounts with the running system, and unmounting /dev/pts or
        # /dev/shm there would unmount them on the system too.
        mount --bind "$root" "$root"
        mount --make-rprivate "$root"
        attach() { mount "$@" && mount --make-rslave "${!#}"; }
        attach -t proc proc "$root/proc"
        attach -t sysfs -o ro sysfs "$root/sys"
        attach --rbind /dev "$root/dev"
        cat /etc/resolv.conf >"$root/etc/resolv.conf"
        for path in "$here" "$cache"; do
            mkdir -p "$root$path"
            attach --bind "$path" "$root$path"
        done
        chroot "$root" "$@"' enter "$root" "$here" "$cache" "$@"
}
in_root() {
    enter "$root" /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin \
        HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}

if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$recipe" ]; then
    echo "with-emscripten: making a Debian 13 root in $root" >&2
    rm -rf "$root" "$stamp"
    mirror=$("$here/scripts/release-sources.sh" mirror "$suite")
    [ -n "$mirror" ] || {
        echo "with-emscripten: the machine lists no archive of its release to take Debian 13 from" >&2
        exit 1
    }
    start=$SECONDS
    debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$dir/debootstrap.log" 2>&1 || {
        tail -n 20 "$dir/debootstrap.log" >&2
        echo "with-emscripten: debootstrap failed, see $dir/debootstrap.log" >&2
        exit 1
    }
    "$here/scripts/release-sources.sh" deb "$suite" >"$root/etc/apt/sources.list"
    rm -f "$root"/etc/apt/sources.list.d/*
    echo "with-emscripten: root made in $((SECONDS - start)) s" >&2
    printf '%s\n' "$recipe" >"$stamp"
fi

# The project's own installer, in the root, as on a Debian 13 machine; nothing when all is there.
in_root "$here/scripts/install-deps.sh" "${groups[@]}"
flock -u "$lock"

in_root "${as_user[@]}" /usr/bin/env HOME="$HOME" XDG_CACHE_HOME="${XDG_CACHE_HOME:-$HOME/.cache}" \
    bash -c 'cd "$1" && shift && exec "$@"' with-emscripten "$here" "$@"
