#!/usr/bin/env bash
# The release package: tools/pack.sh zips the built program with its help
# files and read-me, the zip is unpacked into a fresh folder, the
# program's manifest is read back from its resources, and the program
# started from there shows its icon in the tray and ends from its menu as
# a user would see it.
#   package.sh full|brief DORMIVAL.EXE
set -uo pipefail
exe=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

version_set=$(sed -n 's/^project(Dormival VERSION \([0-9.]*\).*/\1/p' "$here/../../CMakeLists.txt")
zip=$("$here/../../tools/pack.sh" "$(dirname "$exe")" "$work/dist")
expect "zip named by the version" "$(basename "$zip")" "Dormival-$version_set.zip"
expect "its files" "$(unzip -Z1 "$zip" | sort | paste -sd' ' -)" \
  "Dormival/ Dormival/Commandline.txt Dormival/Dormival.exe Dormival/Kommandozeile.txt Dormival/ReadMe.txt"

fresh="$work/Program Files"
mkdir -p "$fresh"
unzip -q "$zip" -d "$fresh"
session
unpacked="$fresh/Dormival/Dormival.exe"
manifest=$(wintool manifest "$(winepath_of "$unpacked")" | tr -d ' \n')
expect "DPI-aware by its manifest" "$(grep -o '<dpiAware[^>]*>true</dpiAware>' <<<"$manifest")" \
  '<dpiAwarexmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>'
expect "run as invoked, known to Vista to 11" \
  "$(grep -o 'level="asInvoker"' <<<"$manifest") $(grep -o '<supportedOS' <<<"$manifest" | wc -l)" \
  'level="asInvoker" 5'
wine "$unpacked" >/dev/null 2>&1 </dev/null &
pid=$!
wine "$DORMIVAL_WINTOOL" wait Dormival 20 >/dev/null 2>&1 </dev/null
raise_desktop  # the icon is looked for on the screen
expect "started from the unpacked folder" "$(wintool trayicon "$(winepath_of "$unpacked")" 30)" shown
wine "$DORMIVAL_WINTOOL" post Dormival 0x111 205 0 >/dev/null 2>&1 </dev/null  # its Terminate entry
expect "ended from its menu" "$(ended_within 5)" ended
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
finish
