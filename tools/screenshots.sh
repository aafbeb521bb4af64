#!/usr/bin/env bash
# Takes the README's pictures of the real program under Wine (Windows XP
# prefix, English): the tray menu, the tray icon's tooltip naming the armed
# action, the warning window counting down, each tab of the options window
# (the first in German too), the display-mode window and its confirmation
# view, the favourites window, the process viewer and its module usage
# window, the conditions' window (in German too). Each is cut to its window and written as PNG to doc/, or at
# another resolution to doc/DPI/ (on a desktop large enough for it). Run
# after tools/build.sh; needs ImageMagick (installed when missing). Look at
# each picture before committing it.
#   screenshots.sh [DPI]     default 96
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# the tree whose program this host runs: the 32-bit one, or where the host
# cannot run 32-bit programs the 64-bit build of the same sources
build=$root/build/windows
[ "$("$root/tools/wine-arch.sh")" = win64 ] && build=$root/build/windows64
dpi=${1:-96}
out=$root/doc
lane=winxp
if [ "$dpi" != 96 ]; then out=$root/doc/$dpi lane=winxp-dpi; fi
mkdir -p "$out"
command -v import >/dev/null || {
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends imagemagick
}
export DORMIVAL_WINE_DIR=$build/wine DORMIVAL_WINTOOL=$build/wintool.exe
"$root/tools/wine-env.sh" down  # a fresh desktop, without other programs' windows
"$root/tools/wine-env.sh" ensure $lane
eval "$("$root/tools/wine-env.sh" vars $lane)"
# the resolution, which Wine takes as its session starts
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
  >/dev/null 2>&1 </dev/null
"$root/tools/wine-env.sh" restart $lane
# a place in a window, given at 96 DPI
at() { echo "$(($1 * dpi / 96)) $(($2 * dpi / 96))"; }

wintool() { wine "$DORMIVAL_WINTOOL" "$@" </dev/null 2>/dev/null | tr -d '\r'; }

# installed where a user would put it, so the pictures show its paths
home="$WINEPREFIX/drive_c/Program Files/Dormival"
mkdir -p "$home"
cp "$build/Dormival.exe" "$build/Commandline.txt" "$build/Kommandozeile.txt" "$home/"
exe=$home/Dormival.exe
key='HKCU\Software\Dormival\Options'
regedit() { wine reg "$@" >/dev/null 2>&1 </dev/null || true; }

# shot NAME CLASS: the visible window of CLASS, cut from the screen
shot() {
  local place
  sleep 1
  xdotool search --name "^$lane - Wine desktop\$" windowraise >/dev/null 2>&1 || true
  sleep 0.3
  place=$(wintool rect "$2")
  read -r x y w h <<<"$place"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$1.png"
  echo "${out#"$root/"}/$1.png: $w x $h"
}

start() {
  wine "$exe" >/dev/null 2>&1 </dev/null &
  wintool wait Dormival 20 >/dev/null
}
stop() {
  for cls in "$@" Dormival; do wintool close "$cls" 5 >/dev/null || true; done
  sleep 0.5
}

regedit delete "$key" /f
regedit add "$key\\Favoriten" /v 'C:\windows\notepad.exe' /d "" /f
regedit add "$key\\Favoriten" /v 'C:\windows\system32\winver.exe' /d "" /f

# the tray menu, open
start
wintool post Dormival 1034 1 516 >/dev/null
sleep 1
shot tray-menu "#32768"
wintool menu 5 esc >/dev/null
stop

# the options window, tab by tab
start
wintool post Dormival 0x111 217 0 >/dev/null
wintool wait Optionen 10 >/dev/null
for tab in 1 2 3 4 5 6; do
  shot "options-$tab" Optionen
  wintool at Optionen $(at 60 30) keys right >/dev/null
done
stop Optionen
# the first tab in German, whose longer texts widen the window
printf 1 >"$home/language.dat"
start
wintool post Dormival 0x111 217 0 >/dev/null
wintool wait Optionen 10 >/dev/null
shot options-1-de Optionen
stop Optionen
rm -f "$home/language.dat"

# the display modes with one favourite, and the view that counts down to
# the undo once the favourite is chosen
old=$(wintool mode)
regedit add "$key\\Favorites" /v "$(wintool modeindex 800 600)" /d "$(wintool modetext 800 600)" /f
start
wintool post Dormival 0x111 1498 0 >/dev/null
wintool wait Aufloesung 10 >/dev/null
shot display-modes Aufloesung
wintool at Aufloesung $(at 15 220) dblclick >/dev/null
sleep 1
shot display-confirm Aufloesung
wintool setmode "${old%x*}" "${old#*x}" >/dev/null
stop Aufloesung

# the favourites
start
wintool post Dormival 0x111 218 0 >/dev/null
wintool wait Favoriten 10 >/dev/null
shot favourites Favoriten
stop Favoriten

# the process viewer beside a notepad, and the program's own modules
wine notepad >/dev/null 2>&1 </dev/null &
wintool wait Notepad 10 >/dev/null
start
wintool post Dormival 0x111 1495 0 >/dev/null
wintool wait "Process Viewer" 10 >/dev/null
shot process-viewer "Process Viewer"
wintool at "Process Viewer" $(at 300 100) pick Dormival >/dev/null
wintool post "Process Viewer" 0x111 236 0 >/dev/null
wintool wait "Process DLLViewer" 10 >/dev/null
shot module-usage "Process DLLViewer"
stop "Process DLLViewer" "Process Viewer" Notepad

# the conditions' window with its values now, in English and in German
for name in conditions conditions-de; do
  [ $name = conditions-de ] && printf 1 >"$home/language.dat"
  start
  wintool post Dormival 0x111 249 0 >/dev/null
  wintool wait Wenn 10 >/dev/null
  sleep 2  # a second's values
  shot $name Wenn
  stop Wenn
done
rm -f "$home/language.dat"

# the tray icon's tooltip while a daily standby is armed, with the icon
regedit add "$key\\ShutDownOptions" /v action /d 2 /f
regedit add "$key\\ShutDownOptions" /v zeit /d "22:00:00 " /f
regedit add "$key\\ShutDownOptions" /v TaskManagerAktion /d 3 /f
start
read -r x y <<<"$(wintool trayplace "C:\\Program Files\\Dormival\\Dormival.exe" 30)"
xdotool search --name "^$lane - Wine desktop\$" windowraise >/dev/null 2>&1 || true
xdotool mousemove "$((x + 4))" "$((y + 4))"
sleep 3
read -r tx ty tw th <<<"$(wintool rect tooltips_class32)"
left=$(( (tx < x ? tx : x) - 4 )) top=$(( (ty < y ? ty : y) - 4 ))
right=$(( tx + tw > x + 16 ? tx + tw : x + 16 )) bottom=$(( ty + th > y + 16 ? ty + th : y + 16 ))
import -window root -crop "$((right - left + 4))x$((bottom - top + 4))+$left+$top" +repage \
  "$out/tray-tooltip.png"
echo "${out#"$root/"}/tray-tooltip.png"
stop

# a standby two minutes ahead, warned of from the start
at=$(( $(date +%s) + 120 ))
regedit add "$key\\ShutDownOptions" /v action /d 3 /f
regedit add "$key\\ShutDownOptions" /v tag /d "$(date -u -d "@$at" +%d.%m.%Y)" /f
regedit add "$key\\ShutDownOptions" /v zeit /d "$(date -u -d "@$at" +%H:%M:%S)" /f
regedit add "$key\\ShutDownOptions" /v showwarning /d 300 /f
regedit add "$key\\ShutDownOptions" /v TaskManagerAktion /d 3 /f
start
wintool wait Apps 10 >/dev/null
sleep 2
shot warning Apps
wintool click Apps 118 >/dev/null
stop Apps

regedit delete "$key" /f
regedit add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f
# not from this environment: the session's clean-up ends every process
# started with its WINEPREFIX, its own included
env -u WINEPREFIX "$root/tools/wine-env.sh" down
