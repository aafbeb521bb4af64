#!/usr/bin/env bash
# menudump.dll must export its hooks by the plain names wintool asks
# GetProcAddress for: a 32-bit stdcall export is otherwise decorated
# ("DumpMenuHook@12") and the menu and leak tests read nothing. (The x86_64 objdump
# reads both kinds of DLL.)
set -uo pipefail
dll=$1
exports=$(x86_64-w64-mingw32-objdump -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^\s*\[\s*[0-9]*\]\s*//p' | paste -sd' ' -)
echo "exports: $exports"
want="CountObjectsHook DumpMenuHook"
if [ "$exports" = "$want" ]; then
  echo "1 passed, 0 failed"
else
  echo "FAIL menudump.dll exports '$exports' (want '$want')"
  echo "0 passed, 1 failed"
  exit 1
fi
