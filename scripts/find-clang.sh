#!/usr/bin/env bash
# Prints the path of the newest clang++-N whose libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer runtimes are installed too (Debian: clang-N and libclang-rt-N-dev),
# for the fuzz preset: cmake --preset fuzz -DCMAKE_CXX_COMPILER="$(scripts/find-clang.sh)".
# find-clang.sh <tool> prints that release's <tool>-N instead (clang-tidy: clang-tidy-N).
# Fails, saying what to install, when there is none.
set -euo pipefail
tool=${1:-clang++}

has_runtime() { compgen -G "/usr/lib/llvm-$1/lib/clang/*/lib/*/libclang_rt.$2*.a" >/dev/null; }

best=
for compiler in /usr/bin/clang++-*; do
    n=${compiler##*/clang++-}
    [[ $n =~ ^[0-9]+$ ]] && [ -x "$compiler" ] || continue
    has_runtime "$n" fuzzer && has_runtime "$n" asan && has_runtime "$n" ubsan_standalone || continue
    if [ -z "$best" ] || [ "$n" -gt "$best" ]; then
        best=$n
    fi
done

if [ -z "$best" ]; then
    echo "find-clang: no clang++-N with its libFuzzer and sanitizer runtimes installed" >&2
    echo "find-clang: scripts/install-deps.sh test installs them (clang-N, libclang-rt-N-dev)" >&2
    exit 1
fi
if [ ! -x "/usr/bin/$tool-$best" ]; then
    echo "find-clang: clang++-$best has no $tool-$best beside it" >&2
    echo "find-clang: scripts/install-deps.sh test installs it" >&2
    exit 1
fi
echo "/usr/bin/$tool-$best"
