# An emsdk layout for Debian's emscripten. Qt's wasm CMake code finds emscripten only through one,
# $EMSDK/.emscripten naming upstream/emscripten, both when Qt itself is configured and when a
# program is finished (it reads emcc's version there); Debian installs emscripten in one folder,
# so a small stand-in points there.
#   include(debian-emsdk): made in the build tree, and named in EMSDK for this CMake run
#   cmake -D VARELUX_EMSDK=<dir> -P debian-emsdk.cmake: made in <dir> (scripts/build-qt.sh)
if(NOT VARELUX_EMSDK)
    set(VARELUX_EMSDK ${CMAKE_BINARY_DIR}/debian-emsdk)
endif()
file(MAKE_DIRECTORY ${VARELUX_EMSDK}/upstream)
file(CREATE_LINK /usr/share/emscripten ${VARELUX_EMSDK}/upstream/emscripten SYMBOLIC)
file(WRITE ${VARELUX_EMSDK}/.emscripten "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'\n")
set(ENV{EMSDK} ${VARELUX_EMSDK})
