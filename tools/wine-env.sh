#!/usr/bin/env bash
# The Wine sessions the Windows tests run in. A lane is a Windows version,
# or a version with a suffix for a second session of it ("winxp-b"), so
# that the tests of one version can run side by side; a lane whose suffix
# is "dpi" has a desktop of 2048 x 1536, where a window laid out at 192 DPI
# fits (its tests set the resolution themselves). Per lane: a booted
# prefix (32-bit, or 64-bit where the host cannot run 32-bit programs)
# reporting that version, a persistent wineserver, a display of its own (a
# working $DISPLAY, else an Xvfb of the lane's), a virtual desktop with its
# tray, and a small holder program that keeps the desktop up between test
# programs.
#
#   wine-env.sh up [LANE...]      prepare (default: every lane the tests use)
#   wine-env.sh ensure LANE       prepare one lane if needed; quick when ready
#   wine-env.sh end LANE          end the lane's session and wait until it
#                                 has ended (the next ensure starts it anew)
#   wine-env.sh restart LANE      end it and start it anew (a setting Wine
#                                 reads only as a session starts)
#   wine-env.sh vars LANE         print the environment for running in LANE
#   wine-env.sh down              stop only what up/ensure started
#
# State lives in $DORMIVAL_WINE_DIR (default: build/windows/wine).
# $DORMIVAL_WINTOOL names the helper wintool.exe built with the program.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
dir=${DORMIVAL_WINE_DIR:-$here/../build/windows/wine}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
wintool=${DORMIVAL_WINTOOL:-$dir/../wintool.exe}
default_versions="win95 win98 nt40 winxp winxp-b winxp-c winxp-dpi"

export WINEARCH=${DORMIVAL_WINEARCH:-$("$here/wine-arch.sh")}
if [ "$WINEARCH" = win64 ]; then
  # The wine, wine-stable and wineboot commands would pick the 32-bit loader.
  # Written once: a lane alongside may be running them ("Text file busy").
  mkdir -p "$dir/bin64"
  wrapper() {
    [ -x "$dir/bin64/$1" ] && return
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 %s"$@"\n' "$2" >"$dir/bin64/$1.$$"
    chmod +x "$dir/bin64/$1.$$"
    mv -f "$dir/bin64/$1.$$" "$dir/bin64/$1"
  }
  wrapper wine ""
  wrapper wine-stable ""
  wrapper wineboot "wineboot.exe "
  export PATH=$dir/bin64:$PATH WINELOADER=/usr/lib/wine/wine64
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC

log() { echo "wine-env: $*" >&2; }

# The user's own display, as the script was started: a lane's session sets
# DISPLAY to its own, which must not pass for the user's in the next lane.
user_display=${DISPLAY:-}

desktop_size() { case $1 in *-dpi) echo 2048x1536 ;; *) echo 1024x768 ;; esac; }

# A socket file alone can outlive its server (a restarted machine): ask the
# server where xdpyinfo is installed.
display_alive() {
  if command -v xdpyinfo >/dev/null; then DISPLAY=$1 xdpyinfo >/dev/null 2>&1
  else [ -S "/tmp/.X11-unix/X${1#:}" ]; fi
}

# A lane's display: ours if we started one, else a working $DISPLAY, else a
# new Xvfb. Lanes on displays of their own can run side by side, even the
# tests that read pixels off the screen.
ensure_display() {
  local lane=$1
  if [ -f "$dir/display-$lane" ] && display_alive "$(cat "$dir/display-$lane")"; then
    return
  fi
  if [ -n "$user_display" ] && DISPLAY=$user_display xdpyinfo >/dev/null 2>&1; then
    echo "$user_display" >"$dir/display-$lane"
    return
  fi
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  command -v Xvfb >/dev/null || { log "Xvfb is not installed"; exit 1; }
  setsid Xvfb ":$n" -screen 0 "$(desktop_size "$lane")x24" -nolisten tcp >"$dir/xvfb-$lane.log" 2>&1 &
  echo $! >"$dir/xvfb-$lane.pid"
  for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  [ -S "/tmp/.X11-unix/X$n" ] || { log "Xvfb :$n did not start"; exit 1; }
  echo ":$n" >"$dir/display-$lane"
  log "started Xvfb :$n for $lane"
}

prefix_of() { echo "$dir/prefix-$1"; }

# Registry settings every prefix shares: the functions whose calls a relay
# trace shows (power requests, shell requests, the browser cache, device
# requests, timers started, the process walk, display changes, keeping the
# system awake), and drive O:, a folder that Wine presents as a CD-ROM
# drive.
write_common_reg() {
  cat >"$dir/common.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Debug]
"RelayInclude"="user32.ExitWindowsEx;kernel32.SetSystemPowerState;advapi32.InitiateSystemShutdownA;shell32.ShellExecuteA;wininet.FindFirstUrlCacheEntryA;wininet.InternetSetOptionA;kernel32.DeviceIoControl;user32.SetTimer;psapi.EnumProcesses;user32.ChangeDisplaySettingsA;kernel32.SetThreadExecutionState;kernelbase.SetThreadExecutionState"

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"o:"="cdrom"
REG
}

# Wine's own fonts (Debian's fonts-wine: MS Sans Serif with Windows'
# metrics, Tahoma, Marlett for the caption buttons), which Debian's Wine
# does not read from /usr/share/wine/fonts: a prefix needs them in its
# windows\Fonts, or Wine draws a Linux face and a close box as "r".
wine_fonts=/usr/share/wine/fonts
fonts_version() { dpkg-query -W -f='${Version}' fonts-wine 2>/dev/null || echo none; }

# Copies the fonts into the prefix and notes their version.
copy_wine_fonts() {
  [ -d "$wine_fonts" ] || { log "no $wine_fonts: install fonts-wine"; exit 1; }
  mkdir -p "$1/drive_c/windows/Fonts"
  cp "$wine_fonts"/* "$1/drive_c/windows/Fonts/"
  fonts_version >"$1/.fonts"
}

# The base prefix, booted anew when the shared settings changed; its fonts
# copied again when fonts-wine is newer than the copy, and every lane's
# prefix then made again from it.
ensure_base() {
  local base=$dir/prefix-base
  write_common_reg
  if [ -f "$base/.booted" ] && cmp -s "$dir/common.reg" "$base/.booted"; then
    [ "$(cat "$base/.fonts" 2>/dev/null)" = "$(fonts_version)" ] && return
    copy_wine_fonts "$base"
    touch "$base/.booted"
    log "copied Wine's fonts into the base prefix"
    return
  fi
  rm -rf "$base"
  log "booting the base prefix"
  WINEPREFIX=$base wineboot --init >/dev/null 2>&1
  mkdir -p "$base/drive_o"
  ln -sfn ../drive_o "$base/dosdevices/o:"
  copy_wine_fonts "$base"
  WINEPREFIX=$base wine regedit /S "$(winepath_of "$dir/common.reg")" >/dev/null 2>&1
  WINEPREFIX=$base wineserver -w
  cp "$dir/common.reg" "$base/.booted"
}

winepath_of() { echo "Z:${1//\//\\}"; }

# What one lane's prefix adds: the version Wine reports, and a virtual
# desktop with its taskbar, where the tray shows its icons as a user sees
# them. The desktop is named after the lane: lanes may share a display (a
# user's own), and a test that reads the screen raises its own desktop by
# name (raise_desktop in tests/e2e/lib.sh).
write_version_reg() {
  cat >"$dir/version-$1.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine]
"Version"="${1%%-*}"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="$1"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"$1"="$(desktop_size "$1")"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops\$1]
"EnableShell"=dword:00000001
REG
}

# The prefix of one version, prepared anew when the base or its settings changed.
ensure_prefix() {
  local v=$1 p
  p=$(prefix_of "$v")
  ensure_base
  write_version_reg "$v"
  if [ ! -f "$p/.booted" ] || [ "$p/.booted" -ot "$dir/prefix-base/.booted" ] ||
     ! cmp -s "$dir/version-$v.reg" "$p/.booted"; then
    rm -rf "$p"
    cp -a "$dir/prefix-base" "$p"
    rm -f "$p/.booted"
    WINEPREFIX=$p wine regedit /S "$(winepath_of "$dir/version-$v.reg")" >/dev/null 2>&1
    WINEPREFIX=$p wineserver -w
    cp "$dir/version-$v.reg" "$p/.booted"
    log "prepared the $v prefix"
  fi
}

# A process that has ended but is not yet reaped (state Z) counts as gone.
pid_alive() {
  [ -f "$1" ] || return 1
  local pid
  pid=$(cat "$1")
  kill -0 "$pid" 2>/dev/null || return 1
  # the state follows the command name, which may hold blanks and brackets
  [ "$(sed 's/.*) //; s/ .*//' "/proc/$pid/stat" 2>/dev/null)" != Z ]
}

# A persistent wineserver, the holder and the tray of one prefix.
ensure_session() {
  local v=$1 p
  p=$(prefix_of "$v")
  DISPLAY=$(cat "$dir/display-$v")
  export WINEPREFIX=$p DISPLAY
  # A holder gone means the session ended (a test's logoff or shutdown):
  # the server outlived it but the system services did not, and without
  # them drives lose their types. A new server boots the session anew.
  if pid_alive "$dir/server-$v.pid" && ! pid_alive "$dir/holder-$v.pid"; then
    WINEPREFIX=$p wineserver -k >/dev/null 2>&1 || true
    for _ in $(seq 50); do pid_alive "$dir/server-$v.pid" || break; sleep 0.1; done
  fi
  if ! pid_alive "$dir/server-$v.pid"; then
    WINEPREFIX=$p setsid wineserver -f -p >/dev/null 2>&1 &
    echo $! >"$dir/server-$v.pid"
    sleep 0.2
  fi
  if ! pid_alive "$dir/holder-$v.pid"; then
    [ -f "$wintool" ] || { log "no wintool.exe at $wintool: build the Windows tree first"; exit 1; }
    setsid wine "$wintool" hold >/dev/null 2>&1 &
    echo $! >"$dir/holder-$v.pid"
    if ! wine "$wintool" wait Shell_TrayWnd 60 >/dev/null 2>&1; then
      log "the tray of the $v session did not come up"
      exit 1
    fi
  fi
}

# Runs this script again under the session lock. flock -o keeps the lock's
# descriptor out of the programs started here, which outlive this script.
with_lock() { exec flock -o "$dir/lock" "${BASH_SOURCE[0]}" "$@"; }

up_versions() {
  local v
  for v in "$@"; do ensure_display "$v"; ensure_prefix "$v"; ensure_session "$v"; done
}

print_vars() {
  local v=$1
  cat <<VARS
export WINEARCH=$WINEARCH WINEDEBUG=-all PATH="$PATH"
${WINELOADER:+export WINELOADER=$WINELOADER}
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES"
export LANG=$LANG LC_ALL=$LC_ALL TZ=$TZ
export WINEPREFIX=$(prefix_of "$v")
export DISPLAY=$(cat "$dir/display-$v")
export DORMIVAL_WINTOOL=$wintool
VARS
}

# Processes whose environment names one of our prefixes.
our_processes() {
  local pid
  for pid in $(ls /proc | grep -E '^[0-9]+$'); do
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -q "^WINEPREFIX=$dir/prefix-" &&
      echo "$pid"
  done
  return 0
}

down() {
  local f v
  for f in "$dir"/server-*.pid; do
    [ -e "$f" ] || continue
    v=${f##*/server-}; v=${v%.pid}
    WINEPREFIX=$(prefix_of "$v") wineserver -k >/dev/null 2>&1 || true
    rm -f "$f" "$dir/holder-$v.pid"
  done
  for _ in $(seq 50); do [ -z "$(our_processes)" ] && break; sleep 0.1; done
  local left
  left=$(our_processes)
  if [ -n "$left" ]; then
    log "killing leftover processes: $left"
    kill -9 $left 2>/dev/null || true
  fi
  for f in "$dir"/xvfb-*.pid; do
    [ -e "$f" ] || continue
    v=${f##*/xvfb-}; v=${v%.pid}
    if pid_alive "$f"; then
      kill "$(cat "$f")" 2>/dev/null || true
      log "stopped Xvfb $(cat "$dir/display-$v")"
    fi
    rm -f "$f" "$dir/display-$v"
  done
  # a lane on the user's display, too, chooses its display anew next time
  rm -f "$dir"/display-*
}

# Ends the session of one lane and waits for its server and holder to be
# gone: a holder still alive a moment after the kill would pass for a
# running session.
end_session() {
  local v=$1 f
  WINEPREFIX=$(prefix_of "$v") wineserver -k >/dev/null 2>&1 || true
  for f in "$dir/server-$v.pid" "$dir/holder-$v.pid"; do
    for _ in $(seq 100); do pid_alive "$f" || break; sleep 0.1; done
    if pid_alive "$f"; then
      log "the $v session did not end"
      exit 1
    fi
  done
}

cmd=${1:-}
shift || true
case $cmd in
  up) with_lock locked-up ${*:-$default_versions} ;;
  ensure) with_lock locked-up "$1" ;;
  end) with_lock locked-end "$1" ;;
  locked-end) end_session "$1" ;;
  restart) with_lock locked-restart "$1" ;;
  locked-restart) end_session "$1"; up_versions "$1" ;;
  locked-up) up_versions "$@" ;;
  vars) print_vars "$1" ;;
  down) with_lock locked-down ;;
  locked-down) down ;;
  *) echo "usage: $0 up [VERSION...] | ensure VERSION | end VERSION | restart VERSION | vars VERSION | down" >&2
     exit 2 ;;
esac
