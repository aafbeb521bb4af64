#!/usr/bin/env bash
# Network shutdown of the real Dormival.exe under Wine: with NetworkDrives
# stored, the tray commands 229 and 230 and the click actions "4" and "5"
# request each listed computer once, side by side; the requests are read
# from Wine's relay trace. Any failure box that appears is read, reported
# and closed.
#   network.sh full|brief DORMIVAL.EXE
# brief: command 229 only.
set -uo pipefail
mode=$1
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

trace=$work/trace.txt
boxes_seen=0
program=$exe

# The requests of the trace as "NAME 'MESSAGE' DELAY FORCE REBOOT", sorted
# (they are asked side by side) and joined with "; ". A 64-bit relay prints whole registers, so only the low 32 bits
# of each number count.
requests() {
  grep -aoE 'Call advapi32\.InitiateSystemShutdownA\([0-9a-f]+ "[^"]*",[0-9a-f]+ "[^"]*",[0-9a-f]+,[0-9a-f]+,[0-9a-f]+\)' "$trace" |
    sed -E 's/^[^(]*\([0-9a-f]+ "([^"]*)",[0-9a-f]+ "([^"]*)",([0-9a-f]+),([0-9a-f]+),([0-9a-f]+)\)$/\1|\2|\3|\4|\5/' |
    while IFS='|' read -r name message delay force reboot; do
      printf "%s '%s' %d %d %d\n" "$name" "$message" "0x${delay: -8}" "0x${force: -8}" "0x${reboot: -8}"
    done | sort | paste -sd';' - | sed 's/;/; /g'
}

# run_case WHAT NETWORKDRIVES MOUSECLICK MSG WPARAM LPARAM EXPECTED [VALUE=TEXT...]
run_case() {
  local what=$1 list=$2 click=$3 msg=$4 wp=$5 lp=$6 want=$7
  shift 7
  session
  regedit delete "$settings_key" /f
  regedit add "$settings_key" /v NetworkDrives /d "$list" /f
  [ -n "$click" ] && regedit add "$settings_key" /v mouseclick /d "$click" /f
  local pair
  for pair in "$@"; do regedit add "$settings_key" /v "${pair%%=*}" /d "${pair#*=}" /f; done
  WINEDEBUG=-all,+relay wine "$program" >/dev/null 2>"$trace" </dev/null &
  local pid=$!
  wine "$DORMIVAL_WINTOOL" wait Dormival 20 >/dev/null 2>&1 </dev/null
  wine "$DORMIVAL_WINTOOL" post Dormival "$msg" "$wp" "$lp" >/dev/null 2>&1 </dev/null
  # let the requests come, closing any failure box on the way
  local quiet=0 box
  for _ in $(seq 30); do
    box=$(wintool texts '#32770' | paste -sd'/' -)
    if [ -n "$box" ]; then
      echo "     box seen: $box"
      boxes_seen=$((boxes_seen + 1))
      wintool click '#32770' 1 || wintool click '#32770' 2
      quiet=0
    else
      quiet=$((quiet + 1))
      [ "$quiet" -ge 8 ] && break
    fi
    sleep 0.25
  done
  expect "$what" "$(requests)" "$want"
  wine "$DORMIVAL_WINTOOL" close Dormival 10 >/dev/null 2>&1 </dev/null
  sleep 0.5
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

command=0x111
notify=1034
shut="'Shutting down Network' 30 1 0"
boot="'Reboot Network' 30 1 1"

run_case "command 229" 'PC1|PC2|' "" $command 229 0 "PC1 $shut; PC2 $shut"
if [ "$mode" = full ]; then
  run_case "command 230" 'PC1|PC2|' 2 $command 230 0 "PC1 $boot; PC2 $boot"
  run_case "click action 4" 'PC1|PC2|' 4 $notify 1 513 "PC1 $shut; PC2 $shut"
  run_case "click action 5" 'PC1|PC2|' 5 $notify 1 513 "PC1 $boot; PC2 $boot"
  run_case "leading separator" '|PC1|' "" $command 229 0 ""
  run_case "double separator" 'PC1||PC2|' "" $command 230 0 "PC1 $boot"
  run_case "no delay, not forced" 'PC1' "" $command 229 0 "PC1 'Shutting down Network' 0 0 0" \
    shownetworkwarning=0 forcenetshutdown=0
  # the request's text in the language of language.dat beside the program
  mkdir -p "$work/german"
  cp "$exe" "$work/german/Dormival.exe"
  printf 1 >"$work/german/language.dat"
  program=$work/german/Dormival.exe
  run_case "German text" 'PC1|' "" $command 230 0 "PC1 'Es erfolgt ein Reboot des Netzwerks' 30 1 1"
  program=$exe
fi
regedit delete "$settings_key" /f
echo "     failure boxes seen: $boxes_seen"
finish
