#!/usr/bin/env bash
# Fails when clang-format, with the repository's .clang-format, would change a C++ file tracked
# by git: check_format.sh source-dir. Exits 77, which CTest reports as skipped, when clang-format
# or git is missing or the source tree is not a git checkout, so that nothing passes unchecked.
set -euo pipefail
source_dir=${1:?usage: check_format.sh source-dir}
skipped=77

for tool in clang-format git; do
    if ! command -v "$tool" >/dev/null; then
        echo "format: $tool is not installed (scripts/install-deps.sh test), not checked" >&2
        exit $skipped
    fi
done
cd "$source_dir"
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "format: $source_dir is not a git checkout, not checked" >&2
    exit $skipped
fi

mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
[ ${#files[@]} -gt 0 ] || { echo "format: git lists no C++ file" >&2; exit 1; }
if ! clang-format --dry-run -Werror "${files[@]}"; then
    echo "format: run 'make format' (clang-format -i) on the files above" >&2
    exit 1
fi
echo "format: ${#files[@]} files checked with $(clang-format --version)"
