#!/usr/bin/env bash
# Builds Dormival and starts it under Wine (Windows XP prefix) with any
# arguments given, e.g. tools/start.sh /b. Without a display it runs in the
# test session's own Xvfb; tools/wine-env.sh down stops that session.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
tree=windows
[ "$("$root/tools/wine-arch.sh")" = win64 ] && tree=windows64  # host without 32-bit support
export DORMIVAL_WINE_DIR=$root/build/$tree/wine DORMIVAL_WINTOOL=$root/build/$tree/wintool.exe
"$root/tools/wine-env.sh" ensure winxp
eval "$("$root/tools/wine-env.sh" vars winxp)"
echo "Dormival runs on display $DISPLAY; end it from its tray menu or with Ctrl+C." >&2
cd "$root/build/$tree"
exec wine Dormival.exe "$@"
