#!/usr/bin/env bash
# The resident program under Wine: the real Dormival.exe stays in the tray
# with a hidden main window; a right click opens the menu of this Windows
# version (read back inside the program by wintool's menu hook), the
# terminate entry ends it, and a left click runs the stored click action,
# read from Wine's relay trace.
#   tray.sh full|brief DORMIVAL.EXE
# full adds the German menu.
set -uo pipefail
mode=$1
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

pid=
trace=$work/trace.txt

# Starts the program (PROGRAM, else the one under test) from DIRECTORY as
# its current directory, with nothing stored.
start() {
  local program=${2:-$exe}
  session
  regedit delete "$settings_key" /f
  (cd "$1" && WINEDEBUG=-all,+relay exec wine "$program" >/dev/null 2>"$trace" </dev/null) &
  pid=$!
  wine "$DORMIVAL_WINTOOL" wait Dormival 20 >/dev/null 2>&1 </dev/null
}

stop() {
  if kill -0 "$pid" 2>/dev/null; then
    wine "$DORMIVAL_WINTOOL" close Dormival 10 >/dev/null 2>&1 </dev/null
    [ "$(ended_within 5)" = ended ] || kill "$pid" 2>/dev/null
  fi
  wait "$pid" 2>/dev/null
}

right_click() {
  wine "$DORMIVAL_WINTOOL" post Dormival 1034 1 516 >/dev/null 2>&1 </dev/null
  wintool menu 15 "$@"
}

top_level() { grep -v '^ ' | paste -sd'|' -; }
submenus() { grep -E '^ {2}[^ ].*>$' | sed 's/^ *//' | paste -sd'|' -; }

root_b_english() {
  local fast=$1
  printf '%s|' '&Options=217*' 'Act &when ...=249' - '&Favorites=218' '&Desktop>' 'System>' '&Tools>' - \
    'Reboot Network=230' 'ShutDown Network=229' 'Log off=202' 'Standby Mode=223'
  [ "$fast" = yes ] && printf '%s|' '&fast Reboot=201'
  printf '%s|' '&Complete Reboot=200' 'Hibernate=247' '&Shutdown=123' - \
    '&Terminate Dormival=205'
  printf '%s' 'Close &PopupWindow=0'
}

root_a_english() {
  printf '%s|' '&Options=217' 'Act &when ...=249' - '&Favorites=218' '&Desktop>' 'System>' '&Tools>' - \
    'ShutDown Network=229' 'Rebbot Network=230' '&log off=202' 'Standby mode=223' \
    'fast reboot=201' 'complete reboot=200' 'Hibernate=247' 'Shutdown=123' - \
    'Terminate Dormival=205'
  printf '%s' 'Close &popup=0'
}

case $version in
  win95) want_root=$(root_a_english)
         want_system='CPU-Information>|time since windows started : >|System recources>' ;;
  win98) want_root=$(root_b_english yes)
         want_system='CPU-Information>|windows runtime>|Systemressourcen>' ;;
  *)     want_root=$(root_b_english no)
         want_system='CPU-Information>|windows runtime>|Systemressourcen>' ;;
esac

# Resident with a hidden window; the right click shows this version's menu,
# and closing the menu leaves the program running.
start "$work"
expect "main window" "$(wintool find Dormival)" hidden
raise_desktop
expect "tray icon" "$(wintool trayicon "$(winepath_of "$exe")" 30)" shown
menu=$(right_click esc)
expect "root menu" "$(top_level <<<"$menu")" "$want_root"
expect "submenus of System" "$(sed -n '/^System>$/,/^[^ ]/p' <<<"$menu" | submenus)" "$want_system"
expect "runtime entry" "$(grep -cE '^    (windows runtime|time since windows started) : [0-9]{2,}:[0-9]{2}:[0-9]{2}=0$' <<<"$menu")" 1
expect "memory entries" "$(grep -cE '^    .*: [0-9]*=0$' <<<"$menu")" 9  # eight, and the clock rate
expect "after the menu" "$(ended_within 1)" running
expect "power calls" "$(calls_in "$trace")" ""

# The terminate entry, second from the bottom, ends the program.
right_click up up enter >/dev/null
expect "terminate entry" "$(ended_within 10)" ended
stop
expect "power calls after terminate" "$(calls_in "$trace")" ""

# A left click with nothing stored shuts down with power-off and force.
start "$work"
wine "$DORMIVAL_WINTOOL" post Dormival 1034 1 513 >/dev/null 2>&1 </dev/null
for _ in $(seq 100); do
  [ -n "$(calls_in "$trace")" ] && break
  sleep 0.1
done
expect "left click" "$(calls_in "$trace")" "$(exit_windows 13)"
stop
wait_for_session_end

if [ "$mode" = full ]; then
  # German texts where language.dat beside the program says "1", though the
  # program is started from a command prompt in another folder; its own
  # icon in the tray all the same
  mkdir -p "$work/home" "$work/elsewhere"
  cp "$exe" "$work/home/Dormival.exe"
  printf 1 >"$work/home/language.dat"
  start "$work/elsewhere" "$work/home/Dormival.exe"
  raise_desktop
  expect "tray icon started elsewhere" \
    "$(wintool trayicon "$(winepath_of "$work/home/Dormival.exe")" 30)" shown
  menu=$(right_click esc)
  expect "German root menu" "$(top_level <<<"$menu" | cut -d'|' -f1-4,9-)" \
    '&Optionen=217*|Aktion, &wenn ...=249|-|&Favoriten=218|&Reboot Netzwerk =230|&Shutdown Netzwerk =229|&neu anmelden=202|&Standby Modus =223|&kompletter Reboot=200|Hibernate=247|&Shutdown=123|-|&Dormival beenden=205|Anzeigefenster &schliessen=0'
  stop
fi
finish
