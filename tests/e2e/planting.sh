#!/usr/bin/env bash
# No planting: every DLL that Dormival.exe loads while it runs comes
# from the system directory: powrprof.dll as each window is created,
# wininet.dll for the browser cache at start-up, comctl32.dll with the
# first window of lists or tabs, comdlg32.dll for the file dialogs,
# psapi.dll for the process viewer's paths. (ole32.dll, for the autostart
# shortcut, and version.dll, for the version report, are loaded the same
# way but cannot be planted here: Wine's own DLLs load them by name, its
# shell32 version.dll as any program starts, its comctl32 ole32.dll, where
# Windows takes both from its known DLLs.) tools/planted.c, which leaves a
# marker file when it is loaded, lies beside a copy of the program and in
# its current directory under each of those names; the features that load
# them run; no marker appears. First, a load by bare name from that folder
# shows that the planted copies would be taken. The system programs the
# tools start (rundll32.exe, and Windows 9x's rundll.exe) are planted the
# same way, built as a program: a bare name would start the planted copy,
# so the relay trace must show each one started by its full path. (Wine's
# shell itself looks in the system directories first, where Windows' looks
# in the current directory.)
#   planting.sh full|brief DORMIVAL.EXE
# brief: no PSAPI (the process viewer needs none before NT 5).
set -uo pipefail
mode=$1
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

trace=$work/trace.txt
app="$work/program folder"
current="$work/current folder"
mkdir -p "$app" "$current"
cp "$exe" "$app/"
planted=(powrprof wininet psapi comctl32 comdlg32)
programs=(rundll32 rundll)
tools=$(dirname "$DORMIVAL_WINTOOL")
for name in "${planted[@]/%/.dll}" "${programs[@]/%/.exe}"; do
  cp "$tools/planted.${name##*.}" "$app/$name"
  cp "$tools/planted.${name##*.}" "$current/$name"
done
markers() { (cd "$work" && find . -name '*.loaded' | sort | paste -sd' ' -); }

session
# Wine takes its own copy of a system DLL even by bare name; asked to take
# a DLL found on the search path first, as Windows does, it can be planted
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$(IFS=,; echo "${planted[*]}")=n,b"
cp "$DORMIVAL_WINTOOL" "$app/"
expect "a bare name takes the planted copy" \
  "$(cd "$current" && wine "$app/wintool.exe" load psapi.dll </dev/null 2>/dev/null | tr -d '\r')" refused
expect "and leaves its marker" "$(markers)" "./program folder/psapi.dll.loaded"
expect "a program by bare name: the planted copy" \
  "$(cd "$current" && wine "$app/wintool.exe" run rundll32.exe </dev/null 2>/dev/null | tr -d '\r') $(markers)" \
  "started ./program folder/psapi.dll.loaded ./program folder/rundll32.exe.loaded"
find "$work" -name '*.loaded' -delete

shortcut() { find "$WINEPREFIX/drive_c/users" -name Dormival.lnk; }
shortcut | while read -r link; do rm -f "$link"; done  # the box starts unchecked
regedit delete "$settings_key" /f
regedit add "$settings_key" /v emptyIEFiles /d 1 /f
(cd "$current" && WINEDEBUG=-all,+relay exec wine "$app/Dormival.exe" >/dev/null 2>"$trace" </dev/null) &
pid=$!
wine "$DORMIVAL_WINTOOL" wait Dormival 20 >/dev/null 2>&1 </dev/null
wait_for_call wininet.InternetSetOptionA
expect "the browser cache emptied" "$(grep -ac 'Call wininet.InternetSetOptionA(' "$trace")" 1

# Options, fourth tab: the autostart box checked, then OK writes the shortcut
# (the window shows before its controls are made)
wintool post Dormival 0x111 217 0 >/dev/null
until_text() {  # X Y TEXT: until the control at X,Y says TEXT, 10 s at most
  for _ in $(seq 100); do [ "$(wintool at Optionen "$1" "$2" get)" = "$3" ] && return; sleep 0.1; done
}
until_text 220 280 "&OK"
wintool at Optionen 60 30 keys right right right >/dev/null
until_text 40 130 "Start Dormival from startup"
wintool at Optionen 40 130 click >/dev/null
wintool at Optionen 220 280 click >/dev/null
for _ in $(seq 50); do [ -n "$(shortcut)" ] && break; sleep 0.1; done
expect "the autostart shortcut written" "$(shortcut | wc -l)" 1
shortcut | while read -r link; do rm -f "$link"; done

# Favourites: Add opens the open-file dialog, which is cancelled
wintool post Dormival 0x111 218 0 >/dev/null
wintool wait Favoriten 10 >/dev/null
wintool post Favoriten 0x111 120 0 >/dev/null
expect "the open-file dialog" "$(wintool wait '#32770' 10 >/dev/null && echo shown)" shown
wintool click '#32770' 2 >/dev/null
wintool close Favoriten 5 >/dev/null

# Process viewer: the first row's version report, and on NT 5 its paths
wintool post Dormival 0x111 1495 0 >/dev/null
wintool wait "Process Viewer" 10 >/dev/null
wintool post "Process Viewer" 0x111 234 0 >/dev/null
expect "the version report" "$(wintool wait '#32770' 10 >/dev/null && echo shown)" shown
wintool click '#32770' 1 >/dev/null
if [ "$mode" = full ]; then
  wait_for_call psapi.EnumProcesses
  expect "the process viewer walked the processes" \
    "$(( $(grep -ac 'Call psapi.EnumProcesses(' "$trace") > 0 ))" 1
fi

# Display properties and the desktop's refresh: the system's programs, by
# full path (Wine's 16-bit rundll.exe hands the refresh to a rundll32 that
# crashes, as it did by bare name; the session is ended afterwards)
wintool post Dormival 0x111 214 0 >/dev/null
wintool post Dormival 0x111 207 0 >/dev/null
for _ in $(seq 50); do [ "$(grep -ac 'Call shell32.ShellExecuteA(' "$trace")" -ge 2 ] && break; sleep 0.1; done
started=$(grep -aoE 'Call shell32\.ShellExecuteA\([0-9a-f]+,[0-9a-f]+ "Open",[0-9a-f]+ "[^"]*"' "$trace" |
  sed -E 's/.*"Open",[0-9a-f]+ "//; s/"$//' | grep -i rundll | paste -sd' ' -)
want='C:\\windows\\system32\\rundll32.exe C:\\windows\\rundll.exe'
# a 64-bit prefix has no 16-bit rundll.exe, and nothing starts in its place
[ "$WINEARCH" = win64 ] && want='C:\\windows\\system32\\rundll32.exe'
expect "the system's programs by full path" "$started" "$want"
stop_with_window "Process Viewer"
expect "nothing planted loaded or run" "$(markers)" ""
"$env_script" end "$lane"
finish
