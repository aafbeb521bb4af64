#!/usr/bin/env bash
# Nothing leaks: the program opens and closes every feature window, as the
# tray menu's entries do, many times over: per cycle the tray menu, the
# options (OK arms a schedule whose warning period has begun), the warning
# window (Cancel), the display modes, the favourites, the process viewer and
# its module usage. After the second cycle and after the last, its GDI objects
# (counted in its handle table), its windows, menus and icons (counted inside
# it by wintool's hook: Wine's GetGuiResources answers 0) and its private
# memory (anonymous resident memory, as the host sees it) must be within a
# small margin of each other.
#   leaks.sh DORMIVAL.EXE [CYCLES]
set -uo pipefail
exe=$1
cycles=${2:-100}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

# growth allowed from the first cycle to the last, for all the cycles
gdi_margin=10 user_margin=2 memory_margin_kb=256

# Wine's desktop keeps a tooltip window for every tray icon ever added, and
# each feature window adds one: the cycles run in a session of their own,
# ended afterwards, so that the next test starts a fresh one.
fresh_session() { "$env_script" end "$lane"; session; }
fresh_session
regedit delete "$settings_key" /f
# a standby an hour ahead, announced two hours ahead: the warning opens
at=$(( $(date +%s) + 3600 ))
for pair in action=3 "tag=$(date -u -d "@$at" +%d.%m.%Y)" "zeit=$(date -u -d "@$at" +%H:%M:%S)" \
    showwarning=7200 TaskManagerAktion=3; do
  regedit add "$settings_key" /v "${pair%%=*}" /d "${pair#*=}" /f
done
wine "$exe" >/dev/null 2>&1 </dev/null &
pid=$!
wintool wait Dormival 20 >/dev/null
wintool cycle 1 wait Apps press Apps 118 >/dev/null  # the warning of the start, cancelled
host_pid=$(pgrep -n -f "^[^ ]*$(basename "$exe")")

steps=(menu
  open Dormival 217 Optionen press Optionen 224 wait Apps press Apps 118
  open Dormival 1498 Aufloesung close Aufloesung
  open Dormival 218 Favoriten close Favoriten
  open Dormival 249 Wenn press Wenn 422
  open Dormival 1495 "Process Viewer" open "Process Viewer" 236 "Process DLLViewer"
  close "Process DLLViewer" close "Process Viewer")
# "gdi=N windows=N menus=N icons=N memory=KB"
reading() {
  sleep 1  # what the closing windows post is handled
  echo "$(wintool objects Dormival) memory=$(grep -a '^RssAnon:' "/proc/$host_pid/status" | tr -dc 0-9)"
}
field() { sed -n "s/.*\b$1=\([0-9-]*\).*/\1/p" <<<"$2"; }

# Two cycles before the first reading: Wine's controls keep brushes and pens
# of their own, a few more once the options have been open after a list
# view, and they are not the program's to free. From then on nothing grows.
expect "first cycles" "$(wintool cycle 2 "${steps[@]}")" "2 cycles"
first=$(reading)
started=$(date +%s)
expect "the other cycles" "$(wintool cycle $((cycles - 2)) "${steps[@]}")" "$((cycles - 2)) cycles"
last=$(reading)
echo "after the second cycle: $first"
echo "after cycle $cycles: $last ($(( $(date +%s) - started )) s)"

expect "objects counted" "$(( $(field gdi "$first") > 0 && $(field windows "$first") > 0 ))" 1
within() {  # NAME MARGIN
  local growth=$(( $(field "$1" "$last") - $(field "$1" "$first") ))
  expect "$1 within $2 of the second cycle" "$(( growth <= $2 ))" 1
}
within gdi $gdi_margin
within windows $user_margin
within menus $user_margin
within icons $user_margin
within memory $memory_margin_kb
stop_with_window Apps
regedit delete "$settings_key" /f
"$env_script" end "$lane"
finish
