#!/usr/bin/env bash
# The process viewer of the real Dormival.exe under Wine: chosen from the
# tray menu's System submenu, it lists another program's window; the
# module usage window opens on a double-click; terminate from the menu bar
# ends that program. On NT 4 the NT 4 viewer opens with its eight buttons.
#   viewer.sh full|brief DORMIVAL.EXE
# brief: which viewer opens, and its controls.
set -uo pipefail
mode=$1
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

trace=$work/trace.txt
pid=
viewer="Process Viewer"

start() { start_with_settings "$@"; }
stop() { stop_with_window "$viewer"; }

# The tray icon's right click, then System, then "&Process Viewer".
open_viewer() {
  wine "$DORMIVAL_WINTOOL" post Dormival 1034 1 516 >/dev/null 2>&1 </dev/null
  wintool menu 15 down down down down enter down enter >/dev/null
  wine "$DORMIVAL_WINTOOL" wait "$viewer" 10 >/dev/null 2>&1 </dev/null
  sleep 1
}

start
if [ "$version" = nt40 ]; then
  open_viewer
  expect "NT 4 viewer buttons" "$(wintool texts "$viewer" | grep -cE '^12[5-9]: |^13[0-2]: ')" 8
  expect "NT 4 process list" "$(( $(wintool at "$viewer" 100 50 rows) > 0 ))" 1
  stop
  finish
  exit
fi

wine "$DORMIVAL_WINTOOL" show >/dev/null 2>&1 </dev/null &
shown=$!
wine "$DORMIVAL_WINTOOL" wait DormivalTestShown 10 >/dev/null 2>&1 </dev/null
open_viewer
expect "viewer opened from the tray menu" "$(wintool texts "$viewer" | head -1)" "$viewer"
expect "a row for the other program's window" \
  "$(( $(wintool at "$viewer" 300 100 pick DormivalTestShown) >= 0 ))" 1
if [ "$mode" = full ]; then
  wintool at "$viewer" 300 100 pick DormivalTestShown >/dev/null
  wine "$DORMIVAL_WINTOOL" post "$viewer" 0x111 236 0 >/dev/null 2>&1 </dev/null
  wine "$DORMIVAL_WINTOOL" wait "Process DLLViewer" 10 >/dev/null 2>&1 </dev/null
  expect "module usage window" "$(wintool texts "Process DLLViewer" | head -1)" \
    "Module Usage - DormivalTestShown"
  expect "its modules" "$(( $(wintool at "Process DLLViewer" 300 100 rows) > 3 ))" 1
  wine "$DORMIVAL_WINTOOL" close "Process DLLViewer" 5 >/dev/null 2>&1 </dev/null
  wintool at "$viewer" 300 100 pick DormivalTestShown >/dev/null
  wine "$DORMIVAL_WINTOOL" post "$viewer" 0x111 109 0 >/dev/null 2>&1 </dev/null
  expect "terminate ends the other program" "$(ended_within 5 "$shown")" ended
  expect "its row is gone" "$(wintool at "$viewer" 300 100 pick DormivalTestShown)" -1
fi
kill "$shown" 2>/dev/null
wait "$shown" 2>/dev/null
stop
finish
