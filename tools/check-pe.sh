#!/usr/bin/env bash
# Checks a Windows executable: its format (pei-i386 or pei-x86-64), GUI or console subsystem,
# the resource types it must carry, and that every DLL it imports is one of those listed.
#
#   tools/check-pe.sh FILE FORMAT SUBSYSTEM [--resources "TYPE_ID..."] DLL...
#   e.g. pei-i386 gui --resources "3 14 16 24" kernel32 user32
set -euo pipefail
file=$1 format=$2 subsystem=$3; shift 3
resources=
if [ "${1:-}" = --resources ]; then resources=$2; shift 2; fi
dump=$(x86_64-w64-mingw32-objdump -p "$file")

actual_format=$(sed -n 's/.*file format \(.*\)$/\1/p' <<<"$dump" | head -n1)
[ "$actual_format" = "$format" ] || { echo "$file: format $actual_format, expected $format"; exit 1; }

case $subsystem in gui) code=2 ;; console) code=3 ;; *) echo "unknown subsystem $subsystem"; exit 2 ;; esac
actual_subsystem=$(awk '$1 == "Subsystem" { print $2 + 0 }' <<<"$dump")
[ "$actual_subsystem" = "$code" ] || { echo "$file: subsystem $actual_subsystem, expected $code ($subsystem)"; exit 1; }

# Type ids stand at the first level of the resource tree, indented by three spaces.
types=$(sed -n 's/^[0-9a-f]\{3\}   Entry: ID: 0x0*\([0-9a-f]*\),.*/\1/p' <<<"$dump" | while read -r hex; do echo $((16#$hex)); done)
for wanted in $resources; do
  grep -qx "$wanted" <<<"$types" || { echo "$file: no resource of type $wanted (has: $(echo $types))"; exit 1; }
done

imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z' | sed 's/\.dll$//' | sort -u)
allowed=" $* "
status=0
for dll in $imports; do
  case $allowed in *" $dll "*) ;; *) echo "$file imports $dll.dll, which is not allowed"; status=1 ;; esac
done
echo "$file: $format, $subsystem, imports: $(echo $imports)"
exit $status
