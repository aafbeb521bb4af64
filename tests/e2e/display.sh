#!/usr/bin/env bash
# The display-mode window of the real Dormival.exe in a Wine virtual
# desktop, which offers many modes and really switches: a double-click on
# the favourite 800x600 changes the desktop, the countdown runs 9 ... 0 and
# the old mode comes back after the last tick; keep leaves the new mode,
# undo restores at once. Every case puts the desktop back at its old mode.
#   display.sh full|brief DORMIVAL.EXE
set -uo pipefail
mode=$1
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

favourites_key='HKCU\Software\Dormival\Options\Favorites'
session
old=$(wintool mode)
trap 'wintool setmode ${old%x*} ${old#*x} >/dev/null; regedit delete "$favourites_key" /f; rm -rf "$work"' EXIT
number=$(wintool modeindex 800 600)

start() {
  session
  regedit delete "$settings_key" /f
  regedit delete "$favourites_key" /f
  regedit add "$favourites_key" /v "$number" /d "$(wintool modetext 800 600)" /f
  wine "$exe" >/dev/null 2>&1 </dev/null &
  pid=$!
  wine "$DORMIVAL_WINTOOL" wait Dormival 20 >/dev/null 2>&1 </dev/null
  wine "$DORMIVAL_WINTOOL" post Dormival 0x111 1498 0 >/dev/null 2>&1 </dev/null
  wine "$DORMIVAL_WINTOOL" wait Aufloesung 10 >/dev/null 2>&1 </dev/null
  sleep 0.5
}

stop() {
  wine "$DORMIVAL_WINTOOL" close Aufloesung 5 >/dev/null 2>&1 </dev/null
  wine "$DORMIVAL_WINTOOL" close Dormival 10 >/dev/null 2>&1 </dev/null
  sleep 0.5
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  wintool setmode "${old%x*}" "${old#*x}" >/dev/null
}

# Double-clicks the favourite (first row, first column) and waits for the
# new mode; prints the mode then.
change() {
  wintool at Aufloesung 15 220 dblclick
  for _ in $(seq 30); do [ "$(wintool mode)" != "$old" ] && break; sleep 0.1; done
  wintool mode
}

window() { wintool find Aufloesung >/dev/null && echo open || echo gone; }

expect "number of 800x600" "$([ "$number" -ge 0 ] && echo listed)" listed

# The countdown runs out and the old mode comes back.
start
expect "favourite's mode" "$(change)" 800x600
seen=""
for _ in $(seq 60); do
  label=$(wintool texts Aufloesung | grep -oE 'Undo in [0-9]+ Seconds' | grep -oE '[0-9]+')
  [ -n "$label" ] && [ "${seen##* }" != "$label" ] && seen="$seen $label"
  [ "$(window)" = gone ] && break
  sleep 0.25
done
# each poll starts two Wine processes, which a busy machine slows past a
# second or two: the seconds seen count down from 9, or a little below, to 0 (that it
# starts at 9, and shows every second, is the Windows tests' to show)
down=$(awk '{d = ($1 <= 9 && $1 >= 6 && $NF == 0); for (i = 2; i <= NF; ++i) if ($i >= $(i - 1)) d = 0; print d ? "down to 0" : $0}' <<<"${seen# }")
expect "countdown" "$down" "down to 0"
for _ in $(seq 30); do [ "$(window)" = gone ] && break; sleep 0.1; done
expect "window after the last tick" "$(window)" gone
# the screen follows a mode change a moment later, under load
for _ in $(seq 30); do [ "$(wintool mode)" = "$old" ] && break; sleep 0.1; done
expect "mode after the last tick" "$(wintool mode)" "$old"
expect "favourite kept" "$(wine reg query "$favourites_key" </dev/null 2>/dev/null | grep -c REG_SZ)" 1
stop

if [ "$mode" = full ]; then
  # Keep leaves the new mode.
  start
  change >/dev/null
  wintool at Aufloesung 290 148 click
  sleep 1
  expect "window after keep" "$(window)" gone
  expect "mode after keep" "$(wintool mode)" 800x600
  stop

  # Undo restores at once.
  start
  change >/dev/null
  wintool at Aufloesung 180 148 click
  sleep 1
  expect "window after undo" "$(window)" gone
  expect "mode after undo" "$(wintool mode)" "$old"
  stop
fi
finish
