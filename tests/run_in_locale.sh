#!/usr/bin/env bash
# Runs a test program with LC_ALL and LANG set to the given locale. Fails when the C library
# lacks that locale, since the program would then quietly run in "C".
# Usage: run_in_locale.sh <locale> <program> [arguments...]
set -euo pipefail
locale=$1
shift
if LC_ALL=$locale locale 2>&1 >/dev/null | grep -q .; then
    echo "run_in_locale: the locale $locale is not installed (Debian package locales-all)" >&2
    exit 1
fi
export LC_ALL=$locale LANG=$locale
exec "$@"
