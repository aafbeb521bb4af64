#!/usr/bin/env bash
# Windows ends the session while the real Dormival.exe has windows open, as
# `wineboot --end-session` does (it asks every window, tells it, then ends
# every process), and the program is gone within 5 s: with the favourites
# window's entry removed and a warning counting down, the removal is
# stored and no power request made; with the display window's favourite
# added and a mode on trial, the favourite is stored and the mode never
# (CDS_UPDATEREGISTRY, 1, in the relay trace). The program's own forced
# shutdown, which tells no window, stores the open list first.
#   session_end.sh full DORMIVAL.EXE
set -uo pipefail
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

trace=$work/trace.txt
programs='HKCU\Software\Dormival\Options\Favoriten'
modes='HKCU\Software\Dormival\Options\Favorites'
session
old=$(wintool mode)
trap 'session; wintool setmode ${old%x*} ${old#*x} >/dev/null; regedit delete "$programs" /f
      regedit delete "$modes" /f; rm -rf "$work"' EXIT

post() { wintool post "$1" 0x111 "$2" 0 >/dev/null; }
values() { wine reg query "$1" </dev/null 2>/dev/null | grep -c REG_SZ; }
flags() { grep -acE "Call user32\.ChangeDisplaySettingsA\([0-9a-f]+,0*$1\)" "$trace"; }
open_window() { post Dormival "$1"; wintool wait "$2" 10 >/dev/null; sleep 0.5; }
gone() {  # WHAT: the session, or the program's own request, has ended it
  expect "$1: ended within 5 s" "$(ended_within 5)" ended
  wait "$pid" 2>/dev/null
  wait_for_session_end
}
end_session() { wineboot --end-session >/dev/null 2>&1 </dev/null; gone "$1"; }
remove_favourite() {  # the favourites window, its one stored file removed
  open_window 218 Favoriten
  wintool at Favoriten 40 18 press >/dev/null
  post Favoriten 119
}

regedit delete "$modes" /f
regedit add "$programs" /v 'C:\windows\win.ini' /d "" /f
at=$(($(date +%s) + 30))
start_with_settings action=3 TaskManagerAktion=3 showwarning=60 \
  "tag=$(date -u -d "@$at" +%d.%m.%Y)" "zeit=$(date -u -d "@$at" +%H:%M:%S)"
expect "the warning counts down" "$(wintool wait Apps 10 >/dev/null && echo open)" open
remove_favourite
end_session "favourites and warning"
expect "the removal stored, no power request" "$(values "$programs") $(calls_in "$trace")" "0 "

session
regedit add "$modes" /v "$(wintool modeindex 800 600)" /d "$(wintool modetext 800 600)" /f
start_with_settings
open_window 1498 Aufloesung
post Aufloesung 115
wintool at Aufloesung 15 220 dblclick >/dev/null
# both calls, the test and the change, have returned: the screen has the mode
wait_for_trace 'Ret  user32\.ChangeDisplaySettingsA\(' 10 2
expect "800x600 tested, then set for this session" "$(wintool mode) $(flags 2) $(flags 0)" "800x600 1 1"
end_session "display modes"
expect "the added favourite stored, the mode on trial not" "$(values "$modes") $(flags 1)" "2 0"

session
regedit add "$programs" /v 'C:\windows\win.ini' /d "" /f
start_with_settings
remove_favourite
post Dormival 123
gone "own shutdown"
expect "the list stored before the own shutdown" "$(values "$programs")" 0
finish
