#!/usr/bin/env bash
# The conditions on the real Dormival.exe under Wine: "Act when ..." (249)
# opens the window of class Wenn, whose Arm arms what it shows. The idle
# condition, armed with the testers' short minute (SecondsPerMinute),
# brings the warning that names it, and the standby follows, with the mouse
# moved onto the warning or resting where it opens; a mouse move outside
# the warning during the countdown ends it, and the conditions are watched
# again from zero, until the warning's Cancel drops them.
#   conditions.sh full|brief DORMIVAL.EXE
set -uo pipefail
mode=$1
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

trace=$work/trace.txt
pid=
standby=$(power_state 1 0)
conditions_key='HKCU\Software\Dormival\Options\Conditions'
trap 'regedit delete "$conditions_key" /f; rm -rf "$work"' EXIT

# Dormival with a standby five seconds after its warning opens, the
# conditions' window opened from the tray and armed with "idle for 3
# minutes" of a second each.
start_armed() {
  start_with_settings TaskManagerAktion=3 showwarning=5
  regedit delete "$conditions_key" /f
  for pair in Idle=1 IdleMinutes=3 SecondsPerMinute=1; do
    regedit add "$conditions_key" /v "${pair%%=*}" /d "${pair#*=}" /f
  done
  wintool post Dormival 0x111 249 0 >/dev/null
  wintool wait Wenn 10 >/dev/null
  wintool click Wenn 421 >/dev/null
  wintool gone Wenn 10 >/dev/null
}
stop() { stop_with_window Apps; }

start_armed
expect "the window closed on Arm" "$(wintool find Wenn >/dev/null && echo open || echo closed)" closed
expect "the warning opens" "$(wintool wait Apps 30 >/dev/null && echo open)" open
expect "it names the condition" \
  "$(wintool texts Apps | grep -o 'The computer has been idle for 3 minutes')" \
  "The computer has been idle for 3 minutes"
# the mouse moved onto the warning, towards its buttons, is not a return
read -r x y w h <<<"$(wintool rect Apps)"
wintool move "$((x + w / 2))" "$((y + h / 2))" >/dev/null
wait_for_call kernel32.SetSystemPowerState 20
expect "the standby follows" "$(calls_in "$trace")" "$standby"
stop

if [ "$mode" = full ]; then
  # the cursor rests where the warning opens: its opening is not input
  start_armed
  wait_for_call kernel32.SetSystemPowerState 30
  expect "a warning opened beneath the cursor counts down" "$(calls_in "$trace")" "$standby"
  stop

  start_armed
  wintool wait Apps 30 >/dev/null
  # below the warning, twice: the first move may land where the cursor is
  wintool move "$((x + w / 2))" "$((y + h + 40))" >/dev/null
  wintool move "$((x + w / 2 + 20))" "$((y + h + 60))" >/dev/null
  expect "a mouse move ends the countdown" "$(wintool gone Apps 10 >/dev/null && echo closed)" closed
  expect "no request" "$(calls_in "$trace")" ""
  expect "watched again from zero" "$(wintool wait Apps 30 >/dev/null && echo open)" open
  wintool click Apps 118 >/dev/null
  # kept awake since they were armed, let sleep again once they are dropped
  wait_for_trace 'SetThreadExecutionState\(80000000\)' 10
  expect "its Cancel drops them" \
    "$(grep -aoE 'SetThreadExecutionState\([0-9a-f]+\)' "$trace" | uniq | tr -d '\n')" \
    "SetThreadExecutionState(80000001)SetThreadExecutionState(80000000)"
  expect "no request after Cancel" "$(calls_in "$trace")" ""
  stop
fi
finish
