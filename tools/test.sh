#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests under ASan and
# UBSan, the fuzz target, and the Windows and end-to-end tests under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" --tests
export DORMIVAL_WINE_DIR=$root/build/windows/wine DORMIVAL_WINTOOL=$root/build/windows/wintool.exe
trap '"$root/tools/wine-env.sh" down' EXIT
"$root/tools/wine-env.sh" up
status=0
for tree in native fuzz windows; do
  echo "== $tree tests"
  (cd "$root/build/$tree" && ctest --output-on-failure) || status=1
done
exit $status
