#!/usr/bin/env bash
# Checks what Dormival.exe asks of the loader: subsystem 4.0, only system
# DLLs, none of the entry points that Windows 95/98/NT 4/XP lack but a
# MinGW runtime can pull in, and the size budget.
set -uo pipefail
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe")
failed=0
fail() { echo "FAIL $*"; failed=1; }

grep -q 'MajorSubsystemVersion	4' <<<"$dump" && grep -q 'MinorSubsystemVersion	0' <<<"$dump" ||
  fail "subsystem version is not 4.0"
allowed='^(KERNEL32|USER32|GDI32|SHELL32|ADVAPI32|msvcrt|ole32|COMCTL32|comdlg32|VERSION|WININET)\.dll$'
for dll in $(sed -n 's/^\s*DLL Name: //p' <<<"$dump"); do
  grep -qiE "$allowed" <<<"$dll" || fail "imports $dll, which is not a system DLL"
done
for entry in GetTickCount64 AddVectoredExceptionHandler RemoveVectoredExceptionHandler \
             GetHandleInformation IsDebuggerPresent TryEnterCriticalSection \
             InitializeCriticalSectionAndSpinCount GetThreadContext; do
  grep -qE "^\s+[0-9a-f]+\s+[0-9]+\s+$entry$" <<<"$dump" && fail "imports $entry"
done
size=$(stat -c %s "$exe")
[ "$size" -le $((512 * 1024)) ] || fail "$size bytes, over the 512 KB budget"
echo "imports: $(sed -n 's/^\s*DLL Name: //p' <<<"$dump" | paste -sd' ' -); $size bytes"
[ $failed -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
