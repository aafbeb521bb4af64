#!/usr/bin/env bash
# A scheduled standby of the real Dormival.exe under Wine: stored settings
# arm it a few seconds ahead with a warning period, the "Warning" window
# counts down, and the request is read from Wine's relay trace. OK lets the
# action run; Cancel stops it; Later puts it off ten minutes. The system is
# kept awake from the warning on, and let sleep again after Cancel.
#   schedule.sh full|brief DORMIVAL.EXE
# brief: only the countdown that runs to its action.
set -uo pipefail
mode=$1
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

trace=$work/trace.txt
# seconds from the start of the program to the action: time enough for a
# slow start and the warning's answers on a busy machine
lead=12

# Starts the program with a standby stored $lead seconds ahead, warning 30 s.
start_countdown() {
  session
  regedit delete "$settings_key" /f
  local at
  at=$(( $(date +%s) + lead ))
  # the prefixes run in UTC (tools/wine-env.sh)
  regedit add "$settings_key" /v action /d 3 /f
  regedit add "$settings_key" /v tag /d "$(date -u -d "@$at" +%d.%m.%Y)" /f
  regedit add "$settings_key" /v zeit /d "$(date -u -d "@$at" +%H:%M:%S)" /f
  regedit add "$settings_key" /v showwarning /d 30 /f
  regedit add "$settings_key" /v TaskManagerAktion /d 3 /f
  WINEDEBUG=-all,+relay wine "$exe" >/dev/null 2>"$trace" </dev/null &
  pid=$!
  target=$at
  deadline=$(( at + 4 ))
}

# Waits until the power request is in the trace or the deadline has passed.
wait_for_request() {
  while [ "$(date +%s)" -le "$deadline" ] && [ -z "$(calls_in "$trace")" ]; do sleep 0.2; done
}

stop() {
  wine "$DORMIVAL_WINTOOL" close Dormival 10 >/dev/null 2>&1 </dev/null
  sleep 0.5
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

# The window opens at the first tick and shows the seconds left from the
# second tick on.
check_window() {
  # a busy machine's 64-bit Wine can take seconds to start the program
  wine "$DORMIVAL_WINTOOL" wait Apps 20 >/dev/null 2>&1 </dev/null
  expect "warning title" "$(wintool texts Apps | head -1)" Warning
  sleep 1.5
  local line
  line=$(wintool texts Apps | grep -oE 'StandBy-Mode in [0-9]+ seconds')
  expect "countdown line" "$(sed -E 's/[0-9]+/N/' <<<"$line")" "StandBy-Mode in N seconds"
}

standby=$(power_state 1 0)

start_countdown
check_window
wait_for_request
seen=$(date +%s)
expect "request at zero" "$(calls_in "$trace")" "$standby"
# never early; late by at most the tick, the poll and a slow machine
on_time=no
[ "$seen" -ge "$target" ] && [ "$seen" -le $(( target + 2 )) ] && on_time=yes
expect "request on time" "$on_time" yes
expect "window after the action" "$(wintool find Apps || echo gone)" gone
stop

if [ "$mode" = full ]; then
  start_countdown
  check_window
  wintool click Apps 117
  sleep 0.5
  expect "window after OK" "$(wintool find Apps || echo gone)" gone
  wait_for_request
  expect "request after OK" "$(calls_in "$trace")" "$standby"
  stop

  start_countdown
  check_window
  wintool click Apps 118
  sleep 0.5
  expect "window after Cancel" "$(wintool find Apps || echo gone)" gone
  wait_for_request
  expect "request after Cancel" "$(calls_in "$trace")" ""
  expect "program after Cancel" "$(wintool find Dormival)" hidden
  # ES_CONTINUOUS | ES_SYSTEM_REQUIRED, then ES_CONTINUOUS alone
  expect "kept awake, then let sleep" \
    "$(grep -aoE 'SetThreadExecutionState\([0-9a-f]+\)' "$trace" | tr -d '\n')" \
    "SetThreadExecutionState(80000001)SetThreadExecutionState(80000000)"
  stop

  # time enough to press Later before the old moment on a busy machine
  lead=20
  start_countdown
  wintool wait Apps 10 >/dev/null
  expect "Later button" "$(wintool texts Apps | grep -x '119: &Later')" "119: &Later"
  wintool click Apps 119
  sleep 0.5
  expect "window after Later" "$(wintool find Apps || echo gone)" gone
  wait_for_request
  expect "request at the old time after Later" "$(calls_in "$trace")" ""
  expect "program after Later" "$(wintool find Dormival)" hidden
  stop
fi
regedit delete "$settings_key" /f
finish
