#!/usr/bin/env bash
# Fuzzes the JPEG decoder for a bounded time, starting from the four banners and two other
# encodings of one of them, and prints libFuzzer's figures. Exits non-zero on any finding
# (crash, leak, exit, time-out, memory limit), whose input is then kept in ARTIFACTS_DIR.
#
#   tests/fuzz/run-fuzzer.sh FUZZER SECONDS ARTIFACTS_DIR [CORPUS_DIR]
# CORPUS_DIR keeps what the fuzzer learnt from one run to the next; without it every run
# starts from the seeds alone. ARTIFACTS_DIR is emptied first.
set -euo pipefail
fuzzer=$1 seconds=$2 artifacts=$3 corpus=${4:-}
assets=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../assets" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/seeds" "${corpus:=$work/corpus}"
cp "$assets"/*.jpg "$work/seeds"/
first=$(ls "$assets"/*.jpg | head -n1)
convert "$first" -interlace Plane "$work/seeds/progressive.jpg"
convert "$first" -colorspace Gray "$work/seeds/grey.jpg"
rm -rf "$artifacts" && mkdir -p "$artifacts"

echo "fuzzing the JPEG decoder for $seconds s from $(ls "$work/seeds" | wc -l) seeds"
status=0
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$corpus" "$work/seeds" >"$work/log" 2>&1 || status=$?
if [ $status -eq 0 ]; then
  grep -E '^(Done |stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb))' "$work/log"
else
  tail -n 60 "$work/log"
fi
findings=$(find "$artifacts" -type f | wc -l)
echo "findings: $findings"
[ $status -eq 0 ] && [ "$findings" -eq 0 ]
