#!/usr/bin/env bash
# Runs clang-tidy, with the repository's .clang-tidy, over every C++ source file under src/ that
# the build compiles (another system's platform file is not), two at a time, with the flags of
# the build's compile_commands.json: check_tidy.sh source-dir build-dir. Any finding fails it. The clang-tidy is that of the newest Clang which
# scripts/find-clang.sh finds; without one it exits 77, which CTest reports as skipped.
set -euo pipefail
source_dir=${1:?usage: check_tidy.sh source-dir build-dir}
build_dir=${2:?usage: check_tidy.sh source-dir build-dir}
skipped=77

if ! tidy=$("$source_dir/scripts/find-clang.sh" clang-tidy); then
    echo "tidy: not checked" >&2
    exit $skipped
fi
if [ ! -f "$build_dir/compile_commands.json" ]; then
    echo "tidy: $build_dir has no compile_commands.json" >&2
    exit 1
fi

src=$(cd "$source_dir/src" && pwd)
mapfile -t files < <(grep -o "\"file\": *\"$src/[^\"]*\\.cpp\"" "$build_dir/compile_commands.json" |
    sed 's/^"file": *"//; s/"$//' | sort -u)
[ ${#files[@]} -gt 0 ] || { echo "tidy: no C++ file under $source_dir/src" >&2; exit 1; }
if ! printf '%s\0' "${files[@]}" |
    xargs -0 -n 1 -P 2 "$tidy" -p "$build_dir" --quiet --warnings-as-errors='*'; then
    echo "tidy: fix the findings above (or, for a deliberate exception, a NOLINT(check) comment)" >&2
    exit 1
fi
echo "tidy: ${#files[@]} files checked with $("$tidy" --version | grep -i version)"
