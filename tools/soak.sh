#!/usr/bin/env bash
# The long leak soak: every feature window opened and closed 100 times in
# the real program under Wine (tests/e2e/leaks.sh), its objects and memory
# compared. The test command runs the same at 10 cycles; the release steps
# (tools/package.sh) run this one. About nine minutes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
tree=windows
[ "$("$root/tools/wine-arch.sh")" = win64 ] && tree=windows64  # host without 32-bit support
export DORMIVAL_WINE_DIR=$root/build/$tree/wine DORMIVAL_WINTOOL=$root/build/$tree/wintool.exe
export DORMIVAL_WINVER=winxp
trap '"$root/tools/wine-env.sh" down' EXIT
env -u DISPLAY "$root/tools/wine-env.sh" up winxp
env -u DISPLAY bash "$root/tests/e2e/leaks.sh" "$root/build/$tree/Dormival.exe" 100
