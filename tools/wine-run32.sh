#!/usr/bin/env bash
# Runs one 32-bit Windows program with Wine's 32-bit loader in the test bed's prefix (see
# winebed.sh --32) and passes on its output and exit code. As in wine-run.sh, the output goes
# through a file: Wine's background services inherit the streams, and a pipe would stay open.
set -u
out=$(mktemp)
/usr/lib/wine/wine "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc
