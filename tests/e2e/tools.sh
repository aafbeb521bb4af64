#!/usr/bin/env bash
# The desktop tools and the program favourites of the real Dormival.exe
# under Wine: the browser cache is emptied at start-up only when the options
# ask for it; the favourites window lists a stored file and runs it through
# the shell; minimise-all and restore-all reach a program's window; the
# CD-drive submenu lists drive O:, which the test session presents as a
# CD-ROM drive, and its Open entry asks the drive to eject. The calls are
# read from Wine's relay trace.
#   tools.sh full|brief DORMIVAL.EXE
# brief: only the start-up, whose wininet is loaded at run time.
set -uo pipefail
mode=$1
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

favourites_key='HKCU\Software\Dormival\Options\Favoriten'
favourite='C:\nowhere\missing.txt'
trace=$work/trace.txt
pid=

start() { start_with_settings "$@"; }
stop() { stop_with_window Favoriten; }

# The cache calls of the start-up, in order, each once.
cache_calls() {
  grep -aoE 'Call wininet\.(FindFirstUrlCacheEntryA|InternetSetOptionA\(0+,0+2a)' "$trace" |
    sed 's/^Call wininet\.//; s/(0*,0*2a/ session end/' | uniq | paste -sd' ' -
}

post() { wine "$DORMIVAL_WINTOOL" post "$1" 0x111 "$2" 0 >/dev/null 2>&1 </dev/null; }

# The browser cache, by the option.
start emptyIEFiles=1
wait_for_call wininet.InternetSetOptionA
expect "cache calls with emptyIEFiles 1" "$(cache_calls)" \
  "FindFirstUrlCacheEntryA InternetSetOptionA session end"
stop
start emptyIEFiles=0
sleep 2
expect "cache calls with emptyIEFiles 0" "$(cache_calls)" ""
stop

if [ "$mode" = full ]; then
  # The favourites window shows the stored file; Run hands it to the shell.
  regedit delete "$favourites_key" /f
  regedit add "$favourites_key" /v "$favourite" /d "" /f
  start
  post Dormival 218
  wine "$DORMIVAL_WINTOOL" wait Favoriten 10 >/dev/null 2>&1 </dev/null
  sleep 0.5
  expect "favourites window" "$(wintool texts Favoriten | head -1)" "Favorites list"
  expect "stored favourites listed" "$(wintool at Favoriten 100 100 rows)" 1
  wintool at Favoriten 40 18 press
  sleep 0.3
  wintool at Favoriten 270 247 click
  wait_for_call shell32.ShellExecuteA
  expect "run" "$(grep -aoE 'Call shell32\.ShellExecuteA\([^)]*' "$trace" |
    grep -oE '"Open",[0-9a-f]+ "[^"]*"' | sed 's/,[0-9a-f]* / /')" \
    "\"Open\" \"${favourite//\\/\\\\}\""
  wine "$DORMIVAL_WINTOOL" close Favoriten 5 >/dev/null 2>&1 </dev/null
  sleep 0.5
  expect "favourite kept after the close box" \
    "$(wine reg query "$favourites_key" </dev/null 2>/dev/null | tr -d '\r' | grep -c REG_SZ)" 1
  regedit delete "$favourites_key" /f

  # Minimise all, then the entry labelled maximise, which restores.
  wine "$DORMIVAL_WINTOOL" show >/dev/null 2>&1 </dev/null &
  shown=$!
  wine "$DORMIVAL_WINTOOL" wait DormivalTestShown 10 >/dev/null 2>&1 </dev/null
  state_within() {
    for _ in $(seq 30); do
      [ "$(wintool find DormivalTestShown)" = "$1" ] && break
      sleep 0.1
    done
    wintool find DormivalTestShown
  }
  post Dormival 204
  expect "minimise all windows" "$(state_within minimised)" minimised
  post Dormival 206
  expect "maximise all windows restores" "$(state_within visible)" visible
  wine "$DORMIVAL_WINTOOL" close DormivalTestShown 5 >/dev/null 2>&1 </dev/null
  wait "$shown" 2>/dev/null

  # The tray menu lists the CD drive; its ids hold until the next menu.
  raise_desktop
  wine "$DORMIVAL_WINTOOL" post Dormival 1034 1 516 >/dev/null 2>&1 </dev/null
  menu=$(wintool menu 15 esc)
  cd_entries=$(grep -E '^ +CD-Drive [A-Z]:' <<<"$menu" | sed 's/^ *//' | paste -sd'|' -)
  expect "CD-drive submenu" "$cd_entries" 'CD-Drive O:\ Open =300|CD-Drive O:\ Close =301'
  [ -n "$cd_entries" ] || printf 'the menu as read:\n%s\n' "$menu" >&2
  post Dormival 300
  wait_for_call kernel32.DeviceIoControl
  expect "Open asks the drive to eject" \
    "$(grep -aciE 'Call kernel32\.DeviceIoControl\([0-9a-f]+,0*2d4808,' "$trace")" 1
  stop
fi
finish
