#!/usr/bin/env bash
# The options window of the real Dormival.exe under Wine, driven through
# its own controls (wintool at): opened from the tray menu, Cancel writes
# nothing, OK stores the controls and the program follows the new settings
# at once: the click action, and a time of day typed into the time picker,
# with and without the warning window, and a schedule set with the keyboard
# alone. Cancel leaves a pending schedule suspended. Power requests are read
# from Wine's relay trace.
#   options.sh full|brief DORMIVAL.EXE
# brief: opening from the menu, Cancel, OK with a new click action, and the
# schedule set with the keyboard.
set -uo pipefail
mode=$1
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

trace=$work/trace.txt
# OK stores the Force Standby box, which an empty setting checks
standby=$(power_state 1 1)

# Places in the window's client area (the controls' groups sit at 20,60).
tab_strip="60 30"
at_time_radio="40 144"
hours_field="256 142"
action_list="230 85"
show_warning="33 204"
warning_seconds="170 205"
click_list="250 197"
ok_button="220 280"
cancel_button="330 280"

opt() { local x=$1 y=$2; shift 2; wintool at Optionen "$x" "$y" "$@"; }

start() { start_with_settings "$@"; }
stop() { stop_with_window Optionen; }

# The tray icon's right click, then the first entry, "&Options".
open_options() {
  wine "$DORMIVAL_WINTOOL" post Dormival 1034 1 516 >/dev/null 2>&1 </dev/null
  wintool menu 15 down enter >/dev/null
  wine "$DORMIVAL_WINTOOL" wait Optionen 10 >/dev/null 2>&1 </dev/null
  sleep 0.5
}

gone() { wintool find Optionen >/dev/null && echo open || echo gone; }

# Types a time of day HH MM SS into the time picker at the point.
type_time() {
  local x=$1 y=$2
  opt "$x" "$y" press
  sleep 0.3
  opt "$x" "$y" keys "$3" right "$4" right "$5"
  sleep 0.3
}

# A daily standby typed in SECONDS ahead, with the warning period given
# ("" unchecks the box); sets target (the second) and typed (what the picker
# showed).
schedule_standby() {
  local ahead=$1 warning=$2 at
  open_options
  at=$(( $(date +%s) + ahead ))
  opt $at_time_radio click
  type_time $hours_field "$(date -u -d "@$at" +%H)" "$(date -u -d "@$at" +%M)" \
    "$(date -u -d "@$at" +%S)"
  opt $action_list select 3
  if [ -n "$warning" ]; then
    opt $warning_seconds text "$warning"
  else
    opt $show_warning click
  fi
  sleep 0.3
  typed=$(opt $hours_field get)
  opt $ok_button click
  target=$at
}

# Waits until a power request is in the trace or the second has passed.
wait_for_request() {
  while [ "$(date +%s)" -le "$1" ] && [ -z "$(calls_in "$trace")" ]; do sleep 0.2; done
}

on_time() {
  local seen
  seen=$(date +%s)
  [ "$seen" -ge "$1" ] && [ "$seen" -le $(( $1 + 2 )) ] && echo yes || echo "no ($seen for $1)"
}

# From the tray menu; Cancel writes nothing and the main window stays hidden.
start
open_options
expect "window from the menu" "$(wintool texts Optionen | head -1)" "Dormival Options"
opt $cancel_button click
sleep 0.5
expect "window after Cancel" "$(gone)" gone
expect "stored after Cancel" "$(stored_values)" ""
expect "main window after Cancel" "$(wintool find Dormival)" hidden

# OK stores the new click action, and the next click runs it.
open_options
opt $tab_strip keys right right right
opt $click_list select 3
opt $ok_button click
sleep 0.5
expect "window after OK" "$(gone)" gone
expect "stored click action" "$(stored_values | grep -oE 'mouseclick=[0-9]+')" mouseclick=3
expect "main window after OK" "$(wintool find Dormival)" hidden
wine "$DORMIVAL_WINTOOL" post Dormival 1034 1 513 >/dev/null 2>&1 </dev/null
wait_for_request $(( $(date +%s) + 5 ))
expect "click after OK" "$(calls_in "$trace")" "$standby"
stop

# The keyboard alone, pressed through this session's input (not the X
# display's, which other lanes share): Tab to the radio buttons, Down to
# "make action", Tab to the minutes, typed over, and Enter for OK.
start
open_options
wintool type tab down tab 5 enter
wintool gone Optionen 5
expect "window after Enter" "$(gone)" gone
expect "schedule from the keyboard" \
  "$(stored_values | grep -oE '(action|minuten)=[^ ]*' | paste -sd' ' -)" "action=1 minuten=5"
stop

if [ "$mode" = full ]; then
  # A time of day typed into the picker: stored with the picker's closing
  # blank, and the standby comes at that second.
  start
  schedule_standby 15 ""
  expect "typed time" "$typed" "$(date -u -d "@$target" +%H:%M:%S) "
  expect "stored schedule" "$(stored_values | grep -oE '(action|TaskManagerAktion|showwarning)=[^ ]*' | paste -sd' ' -)" \
    "TaskManagerAktion=3 action=2 showwarning=0"
  wait_for_request $(( target + 3 ))
  expect "request at the typed time" "$(calls_in "$trace")" "$standby"
  expect "request on time" "$(on_time "$target")" yes
  stop

  # The same with a warning period: the countdown window comes first.
  start
  schedule_standby 12 30
  wine "$DORMIVAL_WINTOOL" wait Apps 5 >/dev/null 2>&1 </dev/null
  expect "warning window" "$(wintool texts Apps | head -1)" Warning
  wait_for_request $(( target + 3 ))
  expect "request after the warning" "$(calls_in "$trace")" "$standby"
  expect "request on time with warning" "$(on_time "$target")" yes
  stop

  # A stored schedule is suspended while the window is open, and Cancel
  # leaves it so.
  at=$(( $(date +%s) + 10 ))
  start action=3 "tag=$(date -u -d "@$at" +%d.%m.%Y)" "zeit=$(date -u -d "@$at" +%H:%M:%S)" \
    showwarning=0 TaskManagerAktion=3
  open_options
  opt $cancel_button click
  sleep 0.5
  wait_for_request $(( at + 3 ))
  expect "request after Cancel" "$(calls_in "$trace")" ""
  stop
fi
regedit delete "$settings_key" /f
finish
