#!/usr/bin/env bash
# A hand-edited registry: every setting of ShutDownOptions, and the values
# of both favourites keys, stored as each type the program never writes (a
# number, binary data, a multi-string), as an empty value and as 64 KB of
# text. The real Dormival.exe starts, each window opens and closes with OK
# (or its close box), and the program is still there; the favourites
# windows keep every value they were given, whatever its type.
#   hand_edited.sh full|brief DORMIVAL.EXE
set -uo pipefail
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

trace=$work/trace.txt
pid=
settings=(action checkscreen forceshutdown poweroff showwarning tag zeit minuten emptyIEFiles
  TaskManagerAktion forcehibernate forcestandby forcereboot forcelogoff mouseclick NetworkDrives
  forcenetshutdown shownetworkwarning AppIcon Hibernate ForceCritical DisableWakeEvent usedblclick
  standbyforce)
programs=('C:\\windows\\notepad.exe' 'C:\\windows\\system32\\winver.exe')
modes=(3 7)
big=$(head -c 65536 /dev/zero | tr '\0' 'x')

# data KIND: the right-hand side of a .reg line
data() {
  case $1 in
    number) echo 'dword:00000005' ;;
    binary) echo 'hex:01,02,03' ;;
    multi) echo 'hex(7):61,00,62,00,00,00' ;;
    empty) echo '""' ;;
    big) echo "\"$big\"" ;;
  esac
}

store_as() {
  local reg=$work/edited.reg d name
  d=$(data "$1")
  {
    echo REGEDIT4
    echo
    echo '[HKEY_CURRENT_USER\Software\Dormival\Options\ShutDownOptions]'
    for name in "${settings[@]}"; do echo "\"$name\"=$d"; done
    echo
    echo '[HKEY_CURRENT_USER\Software\Dormival\Options\Favoriten]'
    for name in "${programs[@]}"; do echo "\"$name\"=$d"; done
    echo
    echo '[HKEY_CURRENT_USER\Software\Dormival\Options\Favorites]'
    for name in "${modes[@]}"; do echo "\"$name\"=$d"; done
  } >"$reg"
  regedit delete 'HKCU\Software\Dormival' /f
  wine regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1 </dev/null
}

# The value names of a key, sorted, in one line.
names_in() {
  wine reg query "HKCU\\Software\\Dormival\\Options\\$1" </dev/null 2>/dev/null | tr -d '\r' |
    sed -n 's/^    \(.*\)    REG_[A-Z_]*    .*$/\1/p; s/^    \(.*\)    REG_[A-Z_]*$/\1/p' | sort | paste -sd' ' -
}

# Opens a window by its command, waits for it, ends it with this command
# (or the close box); prints "ok" when it opened and went.
round_trip() {
  local command=$1 class=$2 ending=${3:-}
  wine "$DORMIVAL_WINTOOL" post Dormival 0x111 "$command" 0 >/dev/null 2>&1 </dev/null
  wine "$DORMIVAL_WINTOOL" wait "$class" 10 >/dev/null 2>&1 </dev/null || { echo "did not open"; return; }
  sleep 0.5
  if [ -n "$ending" ]; then
    wine "$DORMIVAL_WINTOOL" post "$class" 0x111 "$ending" 0 >/dev/null 2>&1 </dev/null
  else
    wine "$DORMIVAL_WINTOOL" close "$class" 10 >/dev/null 2>&1 </dev/null
  fi
  # a busy machine's 64-bit Wine can take seconds to end a window
  wine "$DORMIVAL_WINTOOL" gone "$class" 10 >/dev/null 2>&1 </dev/null && echo ok || echo "did not close"
}

session
for kind in number binary multi empty big; do
  store_as "$kind"
  WINEDEBUG=-all wine "$exe" >/dev/null 2>&1 </dev/null &
  pid=$!
  expect "$kind: starts" "$(wintool wait Dormival 20 >/dev/null && echo started)" started
  expect "$kind: display modes" "$(round_trip 1498 Aufloesung)" ok
  expect "$kind: favourites" "$(round_trip 218 Favoriten)" ok
  expect "$kind: process viewer" "$(round_trip 1495 "Process Viewer")" ok
  expect "$kind: options, OK" "$(round_trip 217 Optionen 224)" ok
  expect "$kind: still running" "$(kill -0 "$pid" 2>/dev/null && echo running)" running
  expect "$kind: program favourites kept" "$(names_in Favoriten)" \
    "$(printf '%s\n' "${programs[@]}" | sed 's/\\\\/\\/g' | sort | paste -sd' ' -)"
  expect "$kind: display favourites kept" "$(names_in Favorites)" "3 7"
  stop_with_window Optionen
done
regedit delete 'HKCU\Software\Dormival' /f
finish
