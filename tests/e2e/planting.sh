#!/usr/bin/env bash
# No DLL planting: every DLL that Dormival.exe loads while it runs
# (powrprof.dll as each window is created, wininet.dll for the browser
# cache at start-up, psapi.dll for the process viewer's paths) comes from
# the system directory. tools/planted.c, which leaves a marker file when it
# is loaded, lies beside a copy of the program and in its current directory
# under each of those names; the features that load them run; no marker
# appears. First, a load by bare name from that folder shows that the
# planted copies would be taken.
#   planting.sh full|brief DORMIVAL.EXE
# brief: the start-up's DLLs only (the process viewer needs no PSAPI
# before NT 5).
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
for name in powrprof.dll wininet.dll psapi.dll; do
  cp "$(dirname "$DORMIVAL_WINTOOL")/planted.dll" "$app/$name"
  cp "$(dirname "$DORMIVAL_WINTOOL")/planted.dll" "$current/$name"
done
markers() { (cd "$work" && find . -name '*.loaded' | sort | paste -sd' ' -); }

session
# Wine takes its own copy of a system DLL even by bare name; asked to take
# a DLL found on the search path first, as Windows does, it can be planted
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;powrprof,wininet,psapi=n,b"
cp "$DORMIVAL_WINTOOL" "$app/"
expect "a bare name takes the planted copy" \
  "$(cd "$current" && wine "$app/wintool.exe" load psapi.dll </dev/null 2>/dev/null | tr -d '\r')" refused
expect "and leaves its marker" "$(markers)" "./program folder/psapi.dll.loaded"
find "$work" -name '*.loaded' -delete

regedit delete "$settings_key" /f
regedit add "$settings_key" /v emptyIEFiles /d 1 /f
(cd "$current" && WINEDEBUG=-all,+relay exec wine "$app/Dormival.exe" >/dev/null 2>"$trace" </dev/null) &
pid=$!
wine "$DORMIVAL_WINTOOL" wait Dormival 20 >/dev/null 2>&1 </dev/null
wait_for_call wininet.InternetSetOptionA
expect "the browser cache emptied" "$(grep -ac 'Call wininet.InternetSetOptionA(' "$trace")" 1
if [ "$mode" = full ]; then
  wine "$DORMIVAL_WINTOOL" post Dormival 0x111 1495 0 >/dev/null 2>&1 </dev/null
  wine "$DORMIVAL_WINTOOL" wait "Process Viewer" 10 >/dev/null 2>&1 </dev/null
  wait_for_call psapi.EnumProcesses
  expect "the process viewer walked the processes" \
    "$(( $(grep -ac 'Call psapi.EnumProcesses(' "$trace") > 0 ))" 1
fi
stop_with_window "Process Viewer"
expect "no planted DLL loaded" "$(markers)" ""
finish
