#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests under ASan and
# UBSan, the fuzz targets, and the Windows and end-to-end tests under Wine.
# The last lines say which Windows path ran and count every test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" --tests
wine_tree=windows
windows_path="the 32-bit program and its tests ran in 32-bit Wine"
if [ "$("$root/tools/wine-arch.sh")" = win64 ]; then
  wine_tree=windows64
  why="this host cannot run 32-bit programs"
  [ -n "${DORMIVAL_WINEARCH:-}" ] && why="DORMIVAL_WINEARCH asked for the 64-bit path"
  windows_path="NOT the 32-bit path: $why, so the Windows and end-to-end tests ran as 64-bit builds in 64-bit Wine; the 32-bit program was built and its files checked, not run"
  echo "$windows_path." >&2
fi
export DORMIVAL_WINE_DIR=$root/build/$wine_tree/wine DORMIVAL_WINTOOL=$root/build/$wine_tree/wintool.exe
# the tests get displays of their own, never a user's screen
unset DISPLAY
trap '"$root/tools/wine-env.sh" down' EXIT
"$root/tools/wine-env.sh" up

log=$(mktemp)
status=0
passed=0
failed=0
# run TREE [CTEST ARGUMENTS]: the tests of one build tree, counted. The
# Wine lanes run side by side (each test holds its lane's lock), as do the
# native tests and the fuzz targets; the machine has two cores, and the
# Wine tests mostly wait.
run() {
  local tree=$1 counts
  shift
  echo "== $tree tests $*"
  (cd "$root/build/$tree" && ctest --output-on-failure "$@") | tee "$log" || status=1
  counts=$(sed -n 's/^[0-9]*% tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\)$/\1 \2/p' "$log")
  if [ -z "$counts" ]; then
    echo "== $tree: no tests ran" >&2
    status=1
    return
  fi
  failed=$((failed + ${counts% *}))
  passed=$((passed + ${counts#* } - ${counts% *}))
}
run native -j2
run fuzz -j2
# 64-bit Wine is heavier: five lanes at once there slow the end-to-end
# scripts' steps past what they wait for
jobs=5
[ "$wine_tree" = windows64 ] && jobs=3
run "$wine_tree" -j$jobs
# The 32-bit program's own files are checked on every host.
[ "$wine_tree" = windows ] || run windows -L files
rm -f "$log"

base_fonts=$DORMIVAL_WINE_DIR/prefix-base/.fonts
if [ -f "$base_fonts" ]; then
  fonts="Wine's own, fonts-wine $(cat "$base_fonts"), in every prefix's windows\\Fonts"
else
  fonts="NOT Wine's own: the prefixes hold no copy of fonts-wine's files"
  status=1
fi
echo "== summary: Windows path: $windows_path"
echo "== summary: fonts: $fonts"
echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ] || status=1
exit $status
