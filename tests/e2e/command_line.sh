#!/usr/bin/env bash
# Starts the real Dormival.exe under Wine with each command-line switch and
# reads the power calls it makes from Wine's relay trace.
#   command_line.sh full|brief DORMIVAL.EXE
# full: every switch; brief: the cases whose path differs by Windows version.
set -uo pipefail
mode=$1
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

# check SWITCH EXPECTED-CALLS stays|ends
check() {
  local switch=$1 expected=$2 outcome=$3 trace=$work/trace.txt state
  session
  # No descendant may inherit CTest's output pipe: a desktop or server that
  # Wine starts on the program's behalf would hold it open after the test.
  WINEDEBUG=-all,+relay wine "$exe" "$switch" >"$work/stdout.txt" 2>"$trace" </dev/null &
  local pid=$!
  if [ "$outcome" = stays ]; then
    if wine "$DORMIVAL_WINTOOL" wait Dormival 20 >/dev/null 2>&1 </dev/null; then
      state=$(wine "$DORMIVAL_WINTOOL" find Dormival </dev/null 2>/dev/null | tr -d '\r')
      wine "$DORMIVAL_WINTOOL" close Dormival 20 >/dev/null 2>&1 </dev/null
    else
      state="no window"
    fi
  else
    state="ended"
  fi
  # Wine ends the session after ExitWindowsEx; wait until the call is in the
  # trace and the program has gone, or close it ourselves.
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    [ "$outcome" = ends ] && [ -n "$(calls_in "$trace")" ] && break
    sleep 0.1
  done
  sleep 0.5
  if kill -0 "$pid" 2>/dev/null; then
    wine "$DORMIVAL_WINTOOL" close Dormival 5 >/dev/null 2>&1 </dev/null
    sleep 0.5
    kill "$pid" 2>/dev/null
  fi
  wait "$pid" 2>/dev/null
  [ "$outcome" = ends ] && wait_for_session_end
  local got
  got=$(calls_in "$trace")
  local want_state=hidden
  [ "$outcome" = ends ] && want_state=ended
  if [ "$got" = "$expected" ] && [ "$state" = "$want_state" ]; then
    echo "ok   $version $switch: ${got:-no power call}; $state"
    passed=$((passed + 1))
  else
    echo "FAIL $version $switch: calls '${got}' (want '${expected}'), window $state (want $want_state)"
    failed=$((failed + 1))
  fi
}

# A first start creates the settings key, writes nothing into it, and takes
# away an autostart entry an older version left in the Run key.
first_start() {
  session
  regedit delete "$settings_key" /f
  regedit add "$run_key" /v Dormival /d old /f
  wine "$exe" >/dev/null 2>&1 </dev/null &
  local pid=$!
  wine "$DORMIVAL_WINTOOL" wait Dormival 20 >/dev/null 2>&1 </dev/null
  wine "$DORMIVAL_WINTOOL" close Dormival 20 >/dev/null 2>&1 </dev/null
  wait "$pid" 2>/dev/null
  expect "first start: settings key" "$(stored_values)" ""
  local run_entry=gone
  wine reg query "$run_key" /v Dormival >/dev/null 2>&1 </dev/null && run_entry=present
  expect "first start: old Run entry" "$run_entry" gone
}

check /sp "$(exit_windows 9)" ends
check /b "$(power_state 1 0)" stays
check /x "" stays
if [ "$mode" = full ]; then
  first_start
  # the switches, not the stored settings, decide; the store stays as it was
  session
  regedit add "$settings_key" /v poweroff /d 1 /f
  regedit add "$settings_key" /v forceshutdown /d 1 /f
  check /s "$(exit_windows 1)" ends
  session
  expect "/s: stored settings" "$(stored_values)" "forceshutdown=1 poweroff=1"
  regedit delete "$settings_key" /f
  check /spf "$(exit_windows 13)" ends
  check /sfp "$(exit_windows 13)" ends
  check /fsp "$(exit_windows 9)" ends
  check /rf "$(exit_windows 6)" ends
  check /fr "$(exit_windows 2)" ends
  check /l "$(exit_windows 0)" ends
  check /lf "$(exit_windows 4)" ends
  check /bf "$(power_state 1 1)" stays
  check /h "$(power_state 0 0)" stays
  check /shutdown "$(power_state 0 0)" stays
  check /reboot "$(power_state 1 0)" stays
  check /S "" stays
  check /p "" stays
  # a command line too long for the working buffer runs no action
  check "/b$(printf 'x%.0s' $(seq 300))" "" stays
fi
finish
