#!/usr/bin/env bash
# One resident copy, and schedules that survive sleep, on the real
# Dormival.exe under Wine. A second start with /b while a copy is resident
# requests standby once and ends; a second plain start ends at once; both
# leave one copy with one main window. A resume message that arrives after
# a target passed opens the warning window instead of acting, and a
# standby that fired is not repeated when the computer wakes. Power
# requests are read from Wine's relay trace; the "sleep" is the program's
# process stopped by the host while its target passes.
#   resident.sh full|brief DORMIVAL.EXE
# brief: the two second starts.
set -uo pipefail
mode=$1
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

trace=$work/trace.txt
second_trace=$work/second.txt
pid=
standby=$(power_state 1 0)
resumed_automatically=0x12  # PBT_APMRESUMEAUTOMATIC

start() { start_with_settings "$@"; }
stop() { stop_with_window Apps; }

# Starts a second copy with these arguments; prints "ended" once it has.
second_start() {
  WINEDEBUG=-all,+relay wine "$exe" "$@" >/dev/null 2>"$second_trace" </dev/null &
  local second=$! ended
  ended=$(ended_within 10 "$second")
  echo "$ended"
  [ "$ended" = ended ] || kill "$second" 2>/dev/null
}

start
expect "second start with /b" "$(second_start /b)" ended
expect "its standby request" "$(calls_in "$second_trace")" "$standby"
expect "copies after it" "$(wintool count Dormival)" 1
expect "plain second start" "$(second_start)" ended
expect "copies after that" "$(wintool count Dormival)" 1
expect "the resident copy's requests" "$(calls_in "$trace")" ""
stop

if [ "$mode" = full ]; then
  # a standby at a date and time SECONDS ahead, with no warning period
  start_standby_in() {
    local at=$(( $(date +%s) + $1 ))
    start action=3 TaskManagerAktion=3 showwarning=0 \
      "tag=$(date -u -d "@$at" +%d.%m.%Y)" "zeit=$(date -u -d "@$at" +%H:%M:%S)"
    target=$at
  }
  resume() { wine "$DORMIVAL_WINTOOL" post Dormival 0x218 $resumed_automatically 0 >/dev/null 2>&1 </dev/null; }

  # asleep until two seconds after the target; the resume message is the
  # first thing it reads on waking. Armed well ahead: asleep before it is
  # armed, it would find the target missed.
  start_standby_in 12
  wait_for_call user32.SetTimer 12  # armed: the window exists before the schedule is read
  kill -STOP "$pid"
  while [ "$(date +%s)" -lt $(( target + 2 )) ]; do sleep 0.2; done
  resume
  kill -CONT "$pid"
  wine "$DORMIVAL_WINTOOL" wait Apps 30 >/dev/null 2>&1 </dev/null
  expect "warning after waking" "$(wintool texts Apps | head -1)" Warning
  sleep 1.5
  expect "its fresh countdown" \
    "$(wintool texts Apps | grep -oE 'StandBy-Mode in [0-9]+ seconds' | sed -E 's/[0-9]+/N/')" \
    "StandBy-Mode in N seconds"
  expect "no request before the warning ends" "$(calls_in "$trace")" ""
  wintool click Apps 118
  sleep 2
  expect "cancelled: no request" "$(calls_in "$trace")" ""
  stop

  # a standby that fired stays fired when the computer wakes (a start that
  # takes longer than the lead finds it missed, and it fires after the
  # missed target's 30-s warning instead)
  start_standby_in 8
  wait_for_call kernel32.SetSystemPowerState 50
  resume
  sleep 3
  expect "one standby across the resume" "$(calls_in "$trace")" "$standby"
  stop
fi
finish
