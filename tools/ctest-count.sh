#!/usr/bin/env bash
# Runs ctest and closes with one line that counts GoogleTest's own tests rather than ctest's
# programs: "LABEL: N passed, N failed, N skipped". A ctest test without GoogleTest's summary
# (a file check, a script, or a program that crashed before its summary) counts as one.
#
#   tools/ctest-count.sh LABEL BUILD_DIR [CTEST_ARG...]
set -u
label=$1 build_dir=$(realpath -m "$2"); shift 2
log="$build_dir/Testing/Temporary/LastTest.log"       # every test's whole output
junit="$build_dir/Testing/Temporary/ctest-count.xml"  # every test's outcome
rm -f "$log" "$junit"
ctest "$@" --output-junit "$junit"
rc=$?
[ -f "$log" ] || log=/dev/null
read -r passed failed skipped < <([ -f "$junit" ] &&
  awk '
    FNR == 1 { file++ }
    file == 1 && /<testcase / {
      match($0, /name="[^"]*"/); name = substr($0, RSTART + 6, RLENGTH - 7)
      match($0, /status="[^"]*"/); status[name] = substr($0, RSTART + 8, RLENGTH - 9)
      order[++n] = name
    }
    file == 1 && /<skipped/ { skipped[name] = 1 }
    file == 2 { sub(/\r$/, "") }
    file == 2 && /^[0-9]+\/[0-9]+ Testing: / { name = substr($0, index($0, ": ") + 2) }
    file == 2 && /^\[==========\] [0-9]+ tests? from .* ran/ { gtest[name] = 1 }
    file == 2 && /^\[  PASSED  \] [0-9]+ tests?\./ { p[name] = $4 }
    file == 2 && /^\[  FAILED  \] [0-9]+ tests?, listed below/ { f[name] = $4 }
    file == 2 && /^\[  SKIPPED \] [0-9]+ tests?, listed below/ { s[name] = $4 }
    END {
      for (i = 1; i <= n; i++) {
        t = order[i]
        if (skipped[t] || status[t] == "disabled") S++
        else if (gtest[t]) { P += p[t]; F += f[t]; S += s[t]; if (status[t] != "run" && !f[t]) F++ }
        else if (status[t] == "run") P++
        else F++
      }
      print P + 0, F + 0, S + 0
    }' "$junit" "$log" 2>/dev/null)
# A failing run never closes on "0 failed", nor a run that ran nothing on success.
if [ "$rc" -ne 0 ] && [ "${failed:-0}" -eq 0 ]; then failed=1; fi
if [ "${passed:-0}" -eq 0 ] && [ "${failed:-0}" -eq 0 ]; then rc=1 failed=1; fi
echo "$label: ${passed:-0} passed, ${failed:-0} failed, ${skipped:-0} skipped"
exit $rc
