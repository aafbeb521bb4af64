#!/usr/bin/env bash
# Builds Dormival and starts it under Wine (Windows XP prefix) with any
# arguments given, e.g. tools/start.sh /b. Without a display it runs in the
# test session's own Xvfb; tools/wine-env.sh down stops that session.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
export DORMIVAL_WINE_DIR=$root/build/windows/wine DORMIVAL_WINTOOL=$root/build/windows/wintool.exe
"$root/tools/wine-env.sh" ensure winxp
eval "$("$root/tools/wine-env.sh" vars winxp)"
echo "Dormival runs on display $DISPLAY; end it from its tray menu or with Ctrl+C." >&2
cd "$root/build/windows"
exec wine Dormival.exe "$@"
