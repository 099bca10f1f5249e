#!/usr/bin/env bash
# Builds a static qtbase for 64-bit Windows with MinGW-w64 from the host release's own qt6-base
# source, against the host's moc, rcc and uic (the same Qt version), and prints its prefix last.
#
# The prefix lives in a cache outside the work tree, keyed by the Debian version of the Qt
# source and of the MinGW-w64 compiler and by the configuration below: it is built once and
# reused until any of them changes. A prefix counts as finished only once its stamp, written
# last, holds the configuration that built it; anything else there is thrown away and built
# again. Two builds of the same key wait for each other rather than share a half-built prefix.
#
# The source comes from apt-get source through a private sources list and private package
# lists, so the machine's apt configuration and state stay as they were.
#
# Usage: scripts/build-windows-qt.sh   (after scripts/install-deps.sh windows, which make windows runs)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" --check windows

qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
gcc_version=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)

# Off: what Varelux does not use, and tablet events, whose wintab headers Debian's repack leaves
# out. Direct2D stays on although nothing draws with it: Qt compiles its DirectWrite font engine
# only together with Direct2D, and its Windows font database needs that engine (without it 6.4
# fails to link and 6.8 to compile). Only the separate Direct2D platform plugin (direct2d1_1) is
# left out. FreeType and HarfBuzz are Qt's own copies: the program draws its text with FreeType
# on Windows as on Linux.
options=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DFEATURE_static_runtime=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_pkg_config=OFF -DFEATURE_testlib=ON -DFEATURE_gc_binaries=ON
    -DINPUT_opengl=no
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF
)
for feature in network sql dbus opengl vulkan printsupport concurrent xml zstd icu glib \
    fontconfig jpeg gif system_zlib system_pcre2 system_harfbuzz system_jpeg \
    system_doubleconversion; do
    options+=("-DFEATURE_$feature=OFF")
done
toolchain_source=$here/cmake/mingw-w64-toolchain.cmake
config="qt6-base $qt_version, g++-mingw-w64-x86-64-posix $gcc_version
toolchain $(sha256sum <"$toolchain_source" | cut -c1-16)
${options[*]}"
cache=${XDG_CACHE_HOME:-$HOME/.cache}/varelux/qt-windows
key_dir=$cache/$qt_version-mingw-$gcc_version-$(sha256sum <<<"$config" | cut -c1-8)
prefix=$key_dir/prefix
stamp=$prefix/varelux-qt.stamp

mkdir -p "$cache"
exec {lock}>"$key_dir.lock"
flock "$lock"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$config" ]; then
    echo "build-windows-qt: reusing the Windows Qt in $prefix" >&2
    echo "$prefix"
    exit 0
fi

echo "build-windows-qt: building Qt $qt_version for MinGW-w64 ($gcc_version) into $key_dir" >&2
rm -rf "$key_dir"
mkdir -p "$key_dir"
work=$key_dir/work
mkdir -p "$work/lists/partial" "$work/source"
# The toolchain file lives beside the prefix: the prefix's qt.toolchain.cmake chains to it.
cp "$toolchain_source" "$key_dir/mingw-w64-toolchain.cmake"

# deb-src entries for the release's own archives, derived from the machine's deb entries.
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
sources=$work/sources.list
: >"$sources"
for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    awk -v codename="$codename" '
        function flush() {
            if (stanza != "" && deb && suite) print stanza "\n"
            stanza = ""; deb = 0; suite = 0
        }
        /^[ \t]*$/ { flush(); next }
        /^#/ { next }
        /^Types:/ { deb = ($0 ~ /[ \t]deb([ \t]|$)/); stanza = stanza "Types: deb-src\n"; next }
        /^Suites:/ { suite = ($0 ~ ("[ \t]" codename)) }
        { stanza = stanza $0 "\n" }
        END { flush() }' "$file" >>"$sources.d822"
done
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    awk -v codename="$codename" '$1 == "deb" {
            for (i = 2; i <= NF; i++) if ($i ~ ("^" codename)) { $1 = "deb-src"; print; break }
        }' "$file" >>"$sources"
done
if [ -s "$sources.d822" ]; then
    mv "$sources.d822" "$work/sources.sources"
    apt_sources=(-o "Dir::Etc::SourceParts=$work/parts")
    mkdir -p "$work/parts"
    mv "$work/sources.sources" "$work/parts/release.sources"
else
    rm -f "$sources.d822"
    apt_sources=(-o Dir::Etc::SourceParts=/dev/null)
fi
apt_private=(-o "Dir::Etc::SourceList=$sources" "${apt_sources[@]}"
    -o "Dir::State::Lists=$work/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
    -o APT::Sandbox::User=root)
echo "build-windows-qt: fetching the qt6-base $qt_version source" >&2
apt-get "${apt_private[@]}" update -qq
(cd "$work/source" && apt-get "${apt_private[@]}" source -qq "qt6-base=$qt_version" >&2)
source_dir=$(find "$work/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
[ -f "$source_dir/CMakeLists.txt" ] || {
    echo "build-windows-qt: no unpacked Qt source in $work/source" >&2
    exit 1
}

start=$(date +%s)
cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$key_dir/mingw-w64-toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${options[@]}" >"$key_dir/configure.log" 2>&1 || {
    tail -n 40 "$key_dir/configure.log" >&2
    echo "build-windows-qt: configure failed, see $key_dir/configure.log" >&2
    exit 1
}
configured=$(date +%s)
echo "build-windows-qt: configured in $((configured - start)) s" >&2

# Ninja's status lines, one in fifty and the first after each minute, so that a long build is
# seen moving; everything else (warnings, errors) as it comes.
show_progress() {
    local line step total last=-60
    while IFS= read -r line; do
        if [[ $line =~ ^\[([0-9]+)/([0-9]+)\  ]]; then
            step=${BASH_REMATCH[1]} total=${BASH_REMATCH[2]}
            if ((step % 50 == 0 || step == total || SECONDS - last >= 60)); then
                echo "$line"
                last=$SECONDS
            fi
        else
            echo "$line"
        fi
    done
}
if ! NINJA_STATUS='[%f/%t %es] ' nice cmake --build "$work/build" --parallel "$(nproc)" 2>&1 |
    show_progress >&2; then
    echo "build-windows-qt: build failed; the build tree stays in $work/build" >&2
    exit 1
fi
built=$(date +%s)
cmake --install "$work/build" >/dev/null
rm -rf "$work"
echo "build-windows-qt: configure $((configured - start)) s, build $((built - configured)) s," \
    "prefix $(du -sh "$prefix" | cut -f1)" >&2
printf '%s\n' "$config" >"$stamp"
echo "build-windows-qt: the Windows Qt is in $prefix" >&2
echo "$prefix"
