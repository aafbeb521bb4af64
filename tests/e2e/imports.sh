#!/usr/bin/env bash
# Checks what Dormival.exe asks of the loader: subsystem 4.0, the size
# budget, and every imported function on the allow-list with nothing newer
# than Windows 95 and NT 4 (a missing import makes the loader refuse the
# whole program there).
#   imports.sh DORMIVAL.EXE ALLOW-LIST
set -uo pipefail
exe=$1
allow=$2
dump=$(i686-w64-mingw32-objdump -p "$exe")
failed=0
fail() { echo "FAIL $*"; failed=1; }

grep -q 'MajorSubsystemVersion	4' <<<"$dump" && grep -q 'MinorSubsystemVersion	0' <<<"$dump" ||
  fail "subsystem version is not 4.0"
size=$(stat -c %s "$exe")
[ "$size" -le $((320 * 1024)) ] || fail "$size bytes, over the 320 KB budget"

# "dll function" of every import, the DLL name in lower case
imports=$(sed -n '/^The Import Tables/,/^The /p' <<<"$dump" |
  awk '/^\tDLL Name: /{dll=tolower($3); next}
       dll && /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+$/{print dll, $3}' | sort -u)
[ -n "$imports" ] || fail "no imports read from the program"
declare -A listed
while read -r dll function family9x familyNT; do
  [ -z "$dll" ] || [ "${dll:0:1}" = '#' ] && continue
  dll=${dll,,}
  case $family9x in
    95|95-stub) ;;
    95-OSR2) [ "$dll" = msvcrt.dll ] || fail "$dll $function: 95-OSR2 stands only for msvcrt.dll" ;;
    *) fail "$dll $function: needs Windows $family9x, newer than Windows 95" ;;
  esac
  case $familyNT in
    3.1|3.5|3.51|4.0) ;;
    *) fail "$dll $function: needs NT $familyNT, newer than NT 4" ;;
  esac
  listed["$dll $function"]=1
done <"$allow"
count=0
while read -r entry; do
  count=$((count + 1))
  [ -n "${listed[$entry]:-}" ] || fail "imports $entry, which is not on the allow-list"
done <<<"$imports"
for entry in "${!listed[@]}"; do
  grep -qxF "$entry" <<<"$imports" || echo "note: $entry is listed but no longer imported"
done | sort

echo "imports: $count functions from $(sed -n 's/^\s*DLL Name: //p' <<<"$dump" | paste -sd' ' -); $size bytes"
[ $failed -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
