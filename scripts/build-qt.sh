#!/usr/bin/env bash
# Builds a static qtbase for another platform from the running release's own qt6-base source,
# against the machine's moc, rcc and uic (the same Qt version), and prints its prefix last:
#   windows  64-bit Windows, with MinGW-w64 (after scripts/install-deps.sh windows)
#   wasm     WebAssembly, with emscripten (after scripts/install-deps.sh web; on a release
#            whose emscripten is too old, inside scripts/with-emscripten.sh)
#
# In four steps: fetch the source, once per Debian version of qt6-base, into a cache that both
# targets share; decide the options, some of them from what that source holds; key the prefix by
# the Debian versions of the source and of the compiler and by those options; build it, unless
# the key's prefix is already finished. The prefix lives in the cache too, outside the work tree,
# and is reused until any part of its key changes. It counts as finished only once its stamp,
# written last, holds the configuration that built it; anything else there is thrown away and
# built again. Two runs wait for each other rather than share a half-fetched source or a
# half-built prefix.
#
# The source comes from apt-get source through a private sources list and private package
# lists, so the machine's apt configuration and state stay as they were.
#
# Usage: scripts/build-qt.sh windows|wasm
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: build-qt.sh windows|wasm}
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/varelux
cache=$cache_root/qt-$target

case $target in
windows)
    "$here/scripts/install-deps.sh" --check windows
    compiler=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
    # Off: what Varelux does not use, and tablet events, whose wintab headers Debian's repack
    # leaves out. Direct2D stays on although nothing draws with it: Qt compiles its DirectWrite
    # font engine only together with Direct2D, and its Windows font database needs that engine
    # (without it 6.4 fails to link and 6.8 to compile). Only the separate Direct2D platform
    # plugin (direct2d1_1) is left out. FreeType and HarfBuzz are Qt's own copies: the program
    # draws its text with FreeType on Windows as on Linux.
    #
    # Size: built with -Os (optimize_size) but for QtCore (cmake/windows-qt-fast-core.cmake), and
    # without the parts of Qt Widgets that the program never shows but that the styles and the
    # accessibility code would still link in (the file, colour and font dialogs, the calendar
    # and date fields, MDI and dock areas, style sheets), nor the MIME database. The graphics
    # view stays: Qt 6.8's Windows 11 style draws its shadows with it. That takes varelux.exe
    # from 20.1 MB to under 15 MB with the same start-up and click times under Wine (README).
    # Style sheets stay where the source's Windows 11 style reads the application's style sheet
    # whatever the configuration (see below, once the source is fetched).
    options=(
        -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DFEATURE_static_runtime=ON
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
        -DFEATURE_pkg_config=OFF -DFEATURE_testlib=ON -DFEATURE_gc_binaries=ON
        -DINPUT_opengl=no
        -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
        -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF
        -DFEATURE_optimize_size=ON
    )
    features_off=(network sql dbus opengl vulkan printsupport concurrent xml zstd icu glib
        fontconfig jpeg gif system_zlib system_pcre2 system_harfbuzz system_jpeg
        system_doubleconversion
        filedialog colordialog fontdialog calendarwidget datetimeedit mdiarea dockwidget
        style_stylesheet mimetype_database)
    toolchain_source=$here/cmake/mingw-w64-toolchain.cmake
    fast_core=$here/cmake/windows-qt-fast-core.cmake
    hooks=(-DCMAKE_PROJECT_QtBase_INCLUDE="$fast_core")
    name=$qt_version-mingw-$compiler
    describe="g++-mingw-w64-x86-64-posix $compiler
toolchain $(sha256sum <"$toolchain_source" | cut -c1-16)
fast core $(sha256sum <"$fast_core" | cut -c1-16)"
    ;;
wasm)
    "$here/scripts/install-deps.sh" --check web
    compiler=$(dpkg-query -W -f='${Version}' emscripten)
    # One thread: a threaded build needs the page served cross-origin isolated, which a plain
    # static server does not do. Built for size: the program's .wasm comes out a quarter smaller
    # and shows its window no later (README). The wasm platform plugin's backing store is built
    # only with OpenGL, so that stays. Off: what Varelux does not use.
    options=(
        -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
        -DFEATURE_testlib=ON -DFEATURE_thread=OFF -DFEATURE_optimize_size=ON
    )
    features_off=(network sql dbus vulkan printsupport concurrent xml zstd icu jpeg gif ico)
    toolchain_source=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
    hooks=()
    name=$qt_version-emscripten-$compiler
    describe="emscripten $compiler"
    ;;
*)
    echo "build-qt: unknown target '$target' (windows or wasm)" >&2
    exit 2
    ;;
esac
for feature in "${features_off[@]}"; do
    options+=("-DFEATURE_$feature=OFF")
done

# Where qt6-base-dev put the host Qt's CMake packages (/usr/lib/<multiarch triplet>/cmake), asked
# of dpkg: the windows and web groups bring no host C compiler to ask for its triplet.
host_cmake_dir=$(dpkg-query -L qt6-base-dev | sed -n 's|/Qt6/Qt6Config\.cmake$||p')
[ -d "$host_cmake_dir" ] || {
    echo "build-qt: qt6-base-dev lists no Qt6Config.cmake" >&2
    exit 1
}

# The source, fetched once per Debian version and shared by both targets. It is unpacked aside
# and renamed into place whole, so a source folder that is there is complete.
source_dir=$cache_root/qt-source/qt6-base-$qt_version
mkdir -p "$cache_root/qt-source"
exec {source_lock}>"$source_dir.lock"
flock "$source_lock"
if [ ! -f "$source_dir/CMakeLists.txt" ]; then
    fetch=$source_dir.fetch
    rm -rf "$fetch" "$source_dir"
    mkdir -p "$fetch/lists/partial" "$fetch/source" "$fetch/parts"
    # deb-src entries for the release's own archives, derived from the machine's deb entries.
    "$here/scripts/release-sources.sh" deb-src >"$fetch/sources.list"
    apt_private=(-o "Dir::Etc::SourceList=$fetch/sources.list" -o "Dir::Etc::SourceParts=$fetch/parts"
        -o "Dir::State::Lists=$fetch/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
        -o APT::Sandbox::User=root)
    echo "build-qt: fetching the qt6-base $qt_version source into $source_dir" >&2
    apt-get "${apt_private[@]}" update -qq
    (cd "$fetch/source" && apt-get "${apt_private[@]}" source -qq "qt6-base=$qt_version" >&2)
    unpacked=$(find "$fetch/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
    [ -f "$unpacked/CMakeLists.txt" ] || {
        echo "build-qt: no unpacked Qt source in $fetch/source" >&2
        exit 1
    }
    mv "$unpacked" "$source_dir"
    rm -rf "$fetch"
fi
flock -u "$source_lock"

# Qt's Windows 11 style (from Qt 6.7 on) reads QApplication::styleSheet() without asking whether
# style sheets are built, so a Qt with that style keeps them.
if [ "$target" = windows ] &&
    grep -qs 'styleSheet()' "$source_dir"/src/plugins/styles/modernwindows/qwindows11style.cpp; then
    echo "build-qt: keeping style sheets, which this Qt's Windows 11 style reads" >&2
    kept=()
    for option in "${options[@]}"; do
        [ "$option" = -DFEATURE_style_stylesheet=OFF ] || kept+=("$option")
    done
    options=("${kept[@]}")
fi

# The key and the stamp: the options the prefix is built with, as decided above.
config="qt6-base $qt_version, $describe
${options[*]}"
key_dir=$cache/$name-$(sha256sum <<<"$config" | cut -c1-8)
prefix=$key_dir/prefix
stamp=$prefix/varelux-qt.stamp

mkdir -p "$cache"
exec {lock}>"$key_dir.lock"
flock "$lock"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$config" ]; then
    echo "build-qt: reusing the $target Qt in $prefix" >&2
    echo "$prefix"
    exit 0
fi

echo "build-qt: building Qt $qt_version for $target ($describe) into $key_dir" >&2
rm -rf "$key_dir"
work=$key_dir/work
mkdir -p "$work"

case $target in
windows)
    # The toolchain file lives beside the prefix: the prefix's qt.toolchain.cmake chains to it.
    cp "$toolchain_source" "$key_dir/mingw-w64-toolchain.cmake"
    toolchain=$key_dir/mingw-w64-toolchain.cmake
    ;;
wasm)
    # Qt finds Debian's emscripten through an emsdk layout while it configures and builds.
    export EMSDK=$work/emsdk
    cmake -D VARELUX_EMSDK="$EMSDK" -P "$here/cmake/debian-emsdk.cmake"
    toolchain=$toolchain_source
    ;;
esac

start=$(date +%s)
cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
    "${hooks[@]}" "${options[@]}" >"$key_dir/configure.log" 2>&1 || {
    tail -n 40 "$key_dir/configure.log" >&2
    echo "build-qt: configure failed, see $key_dir/configure.log" >&2
    exit 1
}
configured=$(date +%s)
echo "build-qt: configured in $((configured - start)) s" >&2

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
    echo "build-qt: build failed; the build tree stays in $work/build" >&2
    exit 1
fi
built=$(date +%s)
cmake --install "$work/build" >/dev/null
# The source's own record of its authors and licences, for what ships Qt inside it.
cp "$source_dir/debian/copyright" "$prefix/qt6-base.copyright"
rm -rf "$work"
echo "build-qt: configure $((configured - start)) s, build $((built - configured)) s," \
    "prefix $(du -sh "$prefix" | cut -f1)" >&2
printf '%s\n' "$config" >"$stamp"
echo "build-qt: the $target Qt is in $prefix" >&2
echo "$prefix"
