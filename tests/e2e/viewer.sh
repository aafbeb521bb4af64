#!/usr/bin/env bash
# The process viewer of the real Dormival.exe under Wine: chosen from the
# tray menu's System submenu, it lists another program's window; the
# module usage window opens on a double-click; Close on a program that has
# stopped answering returns at once, with the tray still answering;
# Destroy leaves another program's window and says why; Save As's dialog
# belongs to the viewer; the context menu's "Action when this program ends"
# on that program's row arms the watch, and terminate from the menu bar
# ends that program, so the warning opens; the options opened then take
# it away, their OK brings it back with its whole period, and the standby
# follows.
# On NT 4 the NT 4 viewer opens with its eight buttons, and its Terminate
# refuses a process Windows cannot run without.
#   viewer.sh full|brief DORMIVAL.EXE
# brief: which viewer opens, its controls, and on NT 4 the refusal.
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

# The tray icon's right click, then System (its fifth entry), then
# "&Process Viewer".
open_viewer() {
  wine "$DORMIVAL_WINTOOL" post Dormival 1034 1 516 >/dev/null 2>&1 </dev/null
  wintool menu 15 down down down down down enter down enter >/dev/null
  wine "$DORMIVAL_WINTOOL" wait "$viewer" 10 >/dev/null 2>&1 </dev/null
  sleep 1
}

# the warning long enough to open the options inside it
warning=15
start TaskManagerAktion=3 showwarning=$warning
if [ "$version" = nt40 ]; then
  open_viewer
  expect "NT 4 viewer buttons" "$(wintool texts "$viewer" | grep -cE '^12[5-9]: |^13[0-2]: ')" 8
  expect "NT 4 process list" "$(( $(wintool at "$viewer" 100 50 rows) > 0 ))" 1
  wintool at "$viewer" 100 50 pick '\services.exe' 1 >/dev/null
  wintool post "$viewer" 0x111 128 0 >/dev/null
  expect "Windows' own process refused" \
    "$(wintool wait '#32770' 10 >/dev/null; wintool texts '#32770' | grep -c 'part of Windows')" 1
  wintool click '#32770' 1 >/dev/null
  wintool post "$viewer" 0x111 125 0 >/dev/null
  sleep 1
  expect "and still running" "$(( $(wintool at "$viewer" 100 50 pick '\services.exe' 1) >= 0 ))" 1
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

  # a program that has stopped answering
  wine "$DORMIVAL_WINTOOL" show hung >/dev/null 2>&1 </dev/null &
  hung=$!
  wintool wait DormivalTestHung 10 >/dev/null
  wintool post "$viewer" 0x111 106 0 >/dev/null
  sleep 1
  wintool at "$viewer" 300 100 pick DormivalTestHung >/dev/null
  wintool post "$viewer" 0x111 107 0 >/dev/null
  wine "$DORMIVAL_WINTOOL" post Dormival 1034 1 516 >/dev/null 2>&1 </dev/null
  expect "the tray answers after Close on a hung program" \
    "$(wintool menu 10 esc | grep -c 'Terminate Dormival')" 1
  kill "$hung" 2>/dev/null
  wait "$hung" 2>/dev/null

  # another program's window: not ours to destroy, and the box says why
  wintool at "$viewer" 300 100 pick DormivalTestShown >/dev/null
  wintool post "$viewer" 0x111 108 0 >/dev/null
  expect "Destroy of another program's window refused" \
    "$(wintool wait '#32770' 10 >/dev/null; wintool texts '#32770' | grep -c 'DestroyWindow()')" 1
  wintool click '#32770' 1 >/dev/null
  expect "that window still there" "$(wintool find DormivalTestShown >/dev/null && echo there)" there

  wintool post "$viewer" 0x111 240 0 >/dev/null
  for _ in $(seq 50); do owner=$(wintool owner '#32770'); [ -n "$owner" ] && break; sleep 0.2; done
  expect "Save As belongs to the viewer" "$owner" "$viewer"
  wintool click '#32770' 2 >/dev/null

  wintool at "$viewer" 300 100 pick DormivalTestShown >/dev/null
  wintool at "$viewer" 300 100 context >/dev/null
  expect "the action when it ends, from the context menu" \
    "$(wintool menu 10 up enter | grep -c '^&Action when this program ends=248')" 1
  wine "$DORMIVAL_WINTOOL" post "$viewer" 0x111 109 0 >/dev/null 2>&1 </dev/null
  expect "terminate ends the other program" "$(ended_within 5 "$shown")" ended
  expect "its row is gone" "$(wintool at "$viewer" 300 100 pick DormivalTestShown)" -1
  expect "its end announced" "$(wintool wait Apps 10 >/dev/null; wintool texts Apps | head -1)" Warning
  wintool post Dormival 0x111 217 0 >/dev/null
  wintool wait Optionen 10 >/dev/null
  expect "the options take the warning away" "$(wintool find Apps || echo gone)" gone
  wintool post Optionen 0x111 224 0 >/dev/null
  expect "after their OK the warning again, its period whole" \
    "$(wintool wait Apps 10 >/dev/null; wintool texts Apps | grep -cE "StandBy-Mode in 1[0-$((warning - 10))] seconds")" 1
  expect "naming its program" "$(wintool texts Apps | grep -c 'wintool.exe has ended')" 1
  for _ in $(seq $((warning * 10))); do [ -n "$(calls_in "$trace")" ] && break; sleep 0.2; done
  # forced: the options' OK stored their Force Standby box, which an empty
  # setting checks
  expect "the standby after the warning" "$(calls_in "$trace")" "$(power_state 1 1)"
fi
kill "$shown" 2>/dev/null
wait "$shown" 2>/dev/null
stop
finish
