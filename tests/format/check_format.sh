#!/usr/bin/env bash
# Fails when clang-format, with the repository's .clang-format, would change a C++ file tracked
# by git: check_format.sh source-dir. Every clang-format installed (clang-format and each
# clang-format-N) checks the files, so that a construct two releases of it would lay out
# differently shows up on any machine that has both; the style and the code are kept to what
# Debian 12's and Debian 13's clang-format lay out alike. Exits 77, which CTest reports as
# skipped, when clang-format or git is missing or the source tree is not a git checkout, so that
# nothing passes unchecked.
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

# Each installed release once, however many names it has.
declare -A seen=()
formatters=()
for tool in "$(command -v clang-format)" /usr/bin/clang-format-[0-9]*; do
    [ -x "$tool" ] || continue
    version=$("$tool" --version)
    [ -z "${seen[$version]+set}" ] || continue
    seen[$version]=1
    formatters+=("$tool")
done

failed=0
for tool in "${formatters[@]}"; do
    if ! "$tool" --dry-run -Werror "${files[@]}"; then
        echo "format: $("$tool" --version) would change the files above" >&2
        failed=1
    fi
done
if [ $failed -ne 0 ]; then
    echo "format: run 'make format' (clang-format -i) on them; where two releases of" >&2
    echo "format: clang-format disagree, write the code so that both leave it alone" >&2
    exit 1
fi
for tool in "${formatters[@]}"; do
    echo "format: ${#files[@]} files checked with $("$tool" --version)"
done
