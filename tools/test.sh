#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests under ASan and
# UBSan, the fuzz target, and the Windows and end-to-end tests under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" --tests
wine_tree=windows
if [ "$("$root/tools/wine-arch.sh")" = win64 ]; then
  echo "This host cannot run 32-bit programs: the Windows and end-to-end tests run as" \
       "64-bit builds in 64-bit Wine; the 32-bit program is checked without running it." >&2
  wine_tree=windows64
fi
export DORMIVAL_WINE_DIR=$root/build/$wine_tree/wine DORMIVAL_WINTOOL=$root/build/$wine_tree/wintool.exe
trap '"$root/tools/wine-env.sh" down' EXIT
"$root/tools/wine-env.sh" up
status=0
for tree in native fuzz $wine_tree; do
  echo "== $tree tests"
  (cd "$root/build/$tree" && ctest --output-on-failure) || status=1
done
if [ "$wine_tree" != windows ]; then
  echo "== windows program checks"
  (cd "$root/build/windows" && ctest --output-on-failure -R exe_imports) || status=1
fi
exit $status
