#!/usr/bin/env bash
# Prints the machine's apt entries for its own release's archives (the release itself, its
# -updates and -security suites) as one-line sources.list entries of the given type, with the
# release's name swapped for SUITE when one is given. Other archives the machine may list (a
# vendor's, say) are left out. Reads both formats, sources.list and deb822 .sources.
#
# Usage: scripts/release-sources.sh deb-src            the release's own source archives
#        scripts/release-sources.sh deb trixie         the same archives for another release
#        scripts/release-sources.sh mirror trixie      the URI of the release's main suite alone
#                                                      (not -updates or -security), for debootstrap
# VARELUX_ETC (default /etc) names the folder that os-release and apt/ are read from.
set -euo pipefail
# Files, fields and the sorted entries in the same order whatever the caller's locale.
export LC_ALL=C
type=${1:?usage: release-sources.sh TYPE|mirror [SUITE]}
etc=${VARELUX_ETC:-/etc}
codename=$(. "$etc/os-release" && echo "${VERSION_CODENAME:-}")
[ -n "$codename" ] || {
    echo "release-sources: $etc/os-release names no release" >&2
    exit 1
}
suite=${2:-$codename}

entries=$(
    for file in "$etc/apt/sources.list" "$etc"/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        awk '$1 == "deb" {
                options = ""
                i = 2
                if ($2 ~ /^\[/) {
                    while (i <= NF && $i !~ /\]$/) options = options $(i++) " "
                    options = options $(i++) " "
                }
                line = options $i
                for (j = i + 1; j <= NF; j++) line = line " " $j
                print line
            }' "$file"
    done
    for file in "$etc"/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        # Multi-line values (an inline key) are skipped; Signed-By is kept only as a file path.
        awk '
            function flush(    n, u, s, i, j, options) {
                if (types ~ /(^| )deb( |$)/ && tolower(enabled) != "no" && uris != "") {
                    options = signed ~ /^\// ? "[signed-by=" signed "] " : ""
                    n = split(uris, u, " ")
                    split(suites, s, " ")
                    for (i = 1; i <= n; i++)
                        for (j = 1; j in s; j++) print options u[i] " " s[j] " " components
                }
                types = uris = suites = components = signed = ""
                enabled = "yes"
            }
            BEGIN { enabled = "yes" }
            /^[ \t]*#/ { next }
            /^[ \t]*$/ { flush(); next }
            /^[ \t]/ { next }
            {
                key = tolower($1); sub(/:$/, "", key)
                value = $0; sub(/^[^:]*:[ \t]*/, "", value)
                if (key == "types") types = value
                else if (key == "uris") uris = value
                else if (key == "suites") suites = value
                else if (key == "components") components = value
                else if (key == "signed-by") signed = value
                else if (key == "enabled") enabled = value
            }
            END { flush() }' "$file"
    done
)

# Each entry is "[options] URI SUITE COMPONENTS...": keep the release's suites, renamed. The
# mirror is the first URI listed for the main suite itself: in another locale's collation, or
# where a machine lists its security archive first, the first sorted entry can be one that holds
# no release at all.
printf '%s\n' "$entries" | awk -v codename="$codename" -v suite="$suite" -v type="$type" '
    NF >= 2 {
        last = 0 # the field that closes the options, if any
        if ($1 ~ /^\[/)
            for (last = 1; last < NF && $last !~ /\]$/; last++) {}
        s = last + 2
        if ($s != codename && index($s, codename "-") != 1) next
        $s = suite substr($s, length(codename) + 1)
        if (type != "mirror") print type " " $0
        else if ($s == suite && !found++) print $(s - 1)
    }' | sort -u
