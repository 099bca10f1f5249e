#!/usr/bin/env bash
# scripts/release-sources.sh against made-up apt configurations that list the security archive
# first, in whatever locale this runs in (CTest runs it under the Italian one, whose collation
# puts "debian-security" before "debian"): the entries must come in the C locale's order, and
# the mirror must be the main suite's. Usage: check_release_sources.sh <release-sources.sh>
set -euo pipefail
script=${1:?usage: check_release_sources.sh release-sources.sh}
etc=$(mktemp -d)
trap 'rm -rf "$etc"' EXIT
mkdir -p "$etc/apt/sources.list.d"
echo VERSION_CODENAME=bookworm >"$etc/os-release"

key=/usr/share/keyrings/debian-archive-keyring.gpg
deb822="Types: deb
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: $key

Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: $key"
one_line="deb http://security.debian.org/debian-security bookworm-security main
deb [arch=amd64] http://a.example/debian bookworm-updates main
deb http://ftp.it.debian.org/debian bookworm main contrib"

# Rows of five: case, file in sources.list.d, its text, arguments, expected output.
rows=(
    "deb822: every suite, in C order" debian.sources "$deb822" "deb trixie"
    "deb [signed-by=$key] http://deb.debian.org/debian trixie main
deb [signed-by=$key] http://deb.debian.org/debian trixie-updates main
deb [signed-by=$key] http://deb.debian.org/debian-security trixie-security main"
    "deb822: the main suite's mirror" debian.sources "$deb822" "mirror trixie"
    "http://deb.debian.org/debian"
    "one-line, three hosts: the main suite's mirror" debian.list "$one_line" "mirror trixie"
    "http://ftp.it.debian.org/debian"
)
failed=0
for ((i = 0; i < ${#rows[@]}; i += 5)); do
    rm -f "$etc"/apt/sources.list.d/*
    printf '%s\n' "${rows[i + 2]}" >"$etc/apt/sources.list.d/${rows[i + 1]}"
    # shellcheck disable=SC2086 # the arguments are words
    actual=$(VARELUX_ETC=$etc "$script" ${rows[i + 3]})
    if [ "$actual" != "${rows[i + 4]}" ]; then
        printf 'FAIL %s (%s)\nexpected:\n%s\nactual:\n%s\n' "${rows[i]}" "$LC_ALL" \
            "${rows[i + 4]}" "$actual" >&2
        failed=1
    fi
done
exit $failed
