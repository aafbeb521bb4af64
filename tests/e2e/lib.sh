# Shared by the end-to-end scripts: the Wine session of the lane
# $DORMIVAL_WINVER (a Windows version, "winxp-b" a second session of XP),
# the power calls of a relay trace, the stored settings and the tally.
# Sourcing scripts set $here to their own directory.
env_script=$here/../../tools/wine-env.sh
lane=${DORMIVAL_WINVER:-winxp}
version=${lane%%-*}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

session() {
  "$env_script" ensure "$lane" || exit 1
  eval "$("$env_script" vars "$lane")"
}

calls_in() {
  # Wine spells some DLL names in capitals (KERNEL32.SetSystemPowerState)
  grep -aoiE 'Call (user32\.ExitWindowsEx|kernel32\.SetSystemPowerState)\([0-9a-f,]*\)' "$1" |
    sed 's/^Call //; s/^KERNEL32\./kernel32./; s/^USER32\./user32./' | paste -sd' ' -
}

exit_windows() { printf 'user32.ExitWindowsEx(%08x,00000000)' "$1"; }
power_state() { printf 'kernel32.SetSystemPowerState(%08x,%08x)' "$1" "$2"; }

# Wine ends the session after ExitWindowsEx; let it finish going down before
# the next case brings it up again.
wait_for_session_end() {
  local holder=${DORMIVAL_WINE_DIR:-}/holder-$lane.pid
  for _ in $(seq 50); do
    [ -f "$holder" ] && kill -0 "$(cat "$holder")" 2>/dev/null || break
    sleep 0.1
  done
}

wintool() { wine "$DORMIVAL_WINTOOL" "$@" </dev/null 2>/dev/null | tr -d '\r'; }

# Every session's virtual desktop is a window on the one X display; a test
# that reads pixels off the screen first brings this version's to the top.
raise_desktop() { xdotool search --name "^$lane - Wine desktop\$" windowraise >/dev/null 2>&1; }

# The DOS path of a host file, as Wine's Z: drive names it
winepath_of() { echo "Z:${1//\//\\}"; }

settings_key='HKCU\Software\Dormival\Options\ShutDownOptions'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

regedit() { wine reg "$@" >/dev/null 2>&1 </dev/null; }

# name=text of every value in the settings key, sorted; "no key" without one
stored_values() {
  local out
  out=$(wine reg query "$settings_key" </dev/null 2>/dev/null) || { echo "no key"; return; }
  tr -d '\r' <<<"$out" | awk '$2 ~ /^REG_/ {print $1 "=" $3}' | sort | paste -sd' ' -
}

# Starts the program under test with these settings stored (NAME=TEXT ...)
# and its relay trace in $trace; $pid is its process.
start_with_settings() {
  session
  regedit delete "$settings_key" /f
  local pair
  for pair in "$@"; do regedit add "$settings_key" /v "${pair%%=*}" /d "${pair#*=}" /f; done
  WINEDEBUG=-all,+relay wine "$exe" >/dev/null 2>"$trace" </dev/null &
  pid=$!
  wine "$DORMIVAL_WINTOOL" wait Dormival 20 >/dev/null 2>&1 </dev/null
}

# Prints "ended" once process PID (by default $pid) has ended within
# SECONDS, else "running".
ended_within() {
  local process=${2:-$pid}
  for _ in $(seq $(($1 * 10))); do
    kill -0 "$process" 2>/dev/null || { echo ended; return; }
    sleep 0.1
  done
  echo running
}

# Waits up to SECONDS (five by default) until the trace holds COUNT (one
# by default) lines that match the extended regular expression.
wait_for_trace() {
  for _ in $(seq $(( ${2:-5} * 10 ))); do
    local found
    found=$(grep -aciE "$1" "$trace" 2>/dev/null)
    [ "${found:-0}" -ge "${3:-1}" ] && return
    sleep 0.1
  done
}

# Waits up to SECONDS (five by default) for a call to FUNCTION in the trace.
wait_for_call() { wait_for_trace "Call $1\(" "${2:-5}"; }

# Closes the window of CLASS, if open, and the program, then makes sure it
# has ended.
stop_with_window() {
  wine "$DORMIVAL_WINTOOL" close "$1" 5 >/dev/null 2>&1 </dev/null
  wine "$DORMIVAL_WINTOOL" close Dormival 10 >/dev/null 2>&1 </dev/null
  sleep 0.5
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

# expect WHAT GOT WANT
expect() {
  if [ "$2" = "$3" ]; then
    echo "ok   $version $1: '${2}'"
    passed=$((passed + 1))
  else
    echo "FAIL $version $1: '${2}' (want '${3}')"
    failed=$((failed + 1))
  fi
}

finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
