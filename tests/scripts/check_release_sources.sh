#!/usr/bin/env bash
# scripts/release-sources.sh against a made-up apt configuration that lists the security archive
# first, in whatever locale this runs in (CTest: the Italian one, whose collation puts
# "debian-security" before "debian trixie"): the entries must come in the C locale's order, and
# the mirror must be the main suite's. Usage: check_release_sources.sh <release-sources.sh>
set -euo pipefail
etc=$(mktemp -d)
trap 'rm -rf "$etc"' EXIT
mkdir -p "$etc/apt"
echo VERSION_CODENAME=bookworm >"$etc/os-release"
cat >"$etc/apt/sources.list" <<'END'
deb http://deb.debian.org/debian-security bookworm-security main
deb http://deb.debian.org/debian bookworm main
deb [arch=amd64] http://deb.debian.org/debian bookworm-updates main
END

# Rows of two: the arguments, the output expected.
rows=(
    "deb trixie" "deb [arch=amd64] http://deb.debian.org/debian trixie-updates main
deb http://deb.debian.org/debian trixie main
deb http://deb.debian.org/debian-security trixie-security main"
    "mirror trixie" "http://deb.debian.org/debian"
)
failed=0
for ((i = 0; i < ${#rows[@]}; i += 2)); do
    # shellcheck disable=SC2086 # the arguments are words
    diff -u --label "expected: ${rows[i]}" --label "got, under ${LC_ALL:-C}" \
        <(printf '%s\n' "${rows[i + 1]}") <(VARELUX_ETC=$etc "$1" ${rows[i]}) || failed=1
done
exit $failed
