#!/usr/bin/env bash
# Runs one Windows program in the test bed's prefix (see winebed.sh), with the loader that
# QUENDREL_WINE names (64-bit by default), and passes on its output and exit code. The
# output goes through a file: Wine's background services inherit the streams, and a pipe
# would stay open after the program ends.
set -u
out=$(mktemp)
"${QUENDREL_WINE:-/usr/lib/wine/wine64}" "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc
