#!/usr/bin/env bash
# Runs the fuzz target for the given number of seconds (else $FUZZ_SECONDS, else half an hour)
# from the committed seeds. Usage: run.sh <fuzz_core> <seed dir> <work dir> [seconds]
# New inputs that reach new code go to <work dir>/corpus (kept between runs), a failing input to
# <work dir>/artifacts; the seeds themselves are never written.
set -euo pipefail
fuzzer=$1 seeds=$2 work=$3 seconds=${4:-${FUZZ_SECONDS:-1800}}
mkdir -p "$work/corpus" "$work/artifacts"

# Symbolised stack traces come from LLVM's symbolizer (Debian package llvm-N), the newest one
# installed unless ASAN_SYMBOLIZER_PATH names one.
if [ -z "${ASAN_SYMBOLIZER_PATH:-}" ]; then
    symbolizer=$(ls /usr/lib/llvm-*/bin/llvm-symbolizer 2>/dev/null | sort -V | tail -n 1)
    [ -n "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH=$symbolizer
fi
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" "$seeds"
