#!/usr/bin/env bash
# Checks a Windows executable: its format (pei-i386 or pei-x86-64), GUI or console subsystem,
# and that every DLL it imports is one of those listed.
#
#   tools/check-pe.sh FILE FORMAT SUBSYSTEM DLL...      e.g. pei-i386 console kernel32 msvcrt
set -euo pipefail
file=$1 format=$2 subsystem=$3; shift 3
dump=$(x86_64-w64-mingw32-objdump -p "$file")

actual_format=$(sed -n 's/.*file format \(.*\)$/\1/p' <<<"$dump" | head -n1)
[ "$actual_format" = "$format" ] || { echo "$file: format $actual_format, expected $format"; exit 1; }

case $subsystem in gui) code=2 ;; console) code=3 ;; *) echo "unknown subsystem $subsystem"; exit 2 ;; esac
actual_subsystem=$(awk '$1 == "Subsystem" { print $2 + 0 }' <<<"$dump")
[ "$actual_subsystem" = "$code" ] || { echo "$file: subsystem $actual_subsystem, expected $code ($subsystem)"; exit 1; }

imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z' | sed 's/\.dll$//' | sort -u)
allowed=" $* "
status=0
for dll in $imports; do
  case $allowed in *" $dll "*) ;; *) echo "$file imports $dll.dll, which is not allowed"; status=1 ;; esac
done
echo "$file: $format, $subsystem, imports: $(echo $imports)"
exit $status
