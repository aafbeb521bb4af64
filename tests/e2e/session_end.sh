#!/usr/bin/env bash
# Windows ends the session while the real Dormival.exe has windows open, as
# `wineboot --end-session` ends a Wine session (it asks every window, tells
# it, then ends every process): the favourites window's change and the
# display window's added favourite are stored, a display mode on trial
# never reaches the registry, and a warning counting down ends with no
# power request. The program is gone within seconds each time. The
# program's own forced shutdown, which tells no window, stores the open
# list first.
#   session_end.sh full DORMIVAL.EXE
set -uo pipefail
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

trace=$work/trace.txt
programs_key='HKCU\Software\Dormival\Options\Favoriten'
modes_key='HKCU\Software\Dormival\Options\Favorites'
session
old=$(wintool mode)
trap 'session; wintool setmode ${old%x*} ${old#*x} >/dev/null; regedit delete "$programs_key" /f;
      regedit delete "$modes_key" /f; rm -rf "$work"' EXIT

post() { wintool post "$1" 0x111 "$2" 0 >/dev/null; }
values_in() { wine reg query "$1" </dev/null 2>/dev/null | grep -c REG_SZ; }

# Opens the favourites window over one stored file and removes it.
favourite_removed() {
  regedit delete "$programs_key" /f
  regedit add "$programs_key" /v 'C:\windows\win.ini' /d "" /f
  start_with_settings
  post Dormival 218
  wintool wait Favoriten 10 >/dev/null
  wintool at Favoriten 40 18 press >/dev/null
  post Favoriten 119
}

end_session() {
  wineboot --end-session >/dev/null 2>&1 </dev/null
  expect "$1: the program ends within 5 s" "$(ended_within 5)" ended
  wait "$pid" 2>/dev/null
  wait_for_session_end
}

favourite_removed
end_session "favourites"
expect "the removed favourite stays removed" "$(values_in "$programs_key")" 0

# The display window with the current mode added as a favourite
regedit delete "$modes_key" /f
start_with_settings
post Dormival 1498
wintool wait Aufloesung 10 >/dev/null
post Aufloesung 115
end_session "display favourites"
expect "the added favourite stored" "$(values_in "$modes_key")" 1

# A mode on trial: 800x600 from a favourite, then the session ends during
# the countdown. CDS_TEST is 2, this session only 0, the registry 1.
session
regedit delete "$modes_key" /f
regedit add "$modes_key" /v "$(wintool modeindex 800 600)" /d "$(wintool modetext 800 600)" /f
start_with_settings
post Dormival 1498
wintool wait Aufloesung 10 >/dev/null
sleep 0.5
wintool at Aufloesung 15 220 dblclick >/dev/null
for _ in $(seq 30); do [ "$(wintool mode)" = 800x600 ] && break; sleep 0.1; done
flags() { grep -aoE "Call user32\.ChangeDisplaySettingsA\([0-9a-f]+,0*$1\)" "$trace" | wc -l; }
expect "the mode on trial" "$(wintool mode) $(flags 2) $(flags 0)" "800x600 1 1"
end_session "countdown"
expect "the mode on trial never stored" "$(flags 1)" 0
session
wintool setmode "${old%x*}" "${old#*x}" >/dev/null

# A scheduled standby whose warning counts down
lead=30
at=$(($(date +%s) + lead))
start_with_settings action=3 TaskManagerAktion=3 showwarning=60 \
  "tag=$(date -u -d "@$at" +%d.%m.%Y)" "zeit=$(date -u -d "@$at" +%H:%M:%S)"
expect "the warning counts down" "$(wintool wait Apps 10 >/dev/null && echo open)" open
end_session "warning"
expect "no power request" "$(calls_in "$trace")" ""

# The program's own shutdown, forced: Wine ends every process unasked
favourite_removed
post Dormival 123
expect "own shutdown: the program ends within 5 s" "$(ended_within 5)" ended
wait "$pid" 2>/dev/null
wait_for_session_end
expect "the list stored before the own shutdown" "$(values_in "$programs_key")" 0
finish
