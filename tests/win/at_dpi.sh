#!/usr/bin/env bash
# The layout tests of win_tests (Layout.*) at other screen resolutions, in
# the lane of $DORMIVAL_WINVER: for each DPI given, the lane's session is
# started anew with that LogPixels, which Wine reads only as a session
# starts, and the tests run in it. The lane is left at 96 DPI.
#   at_dpi.sh WIN_TESTS.EXE DPI...
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
lane=${DORMIVAL_WINVER:?the lane to run in}
program=$1
shift

# set_dpi DPI: the resolution of the lane's next session, which starts now
set_dpi() {
  "$root/tools/wine-env.sh" ensure "$lane"
  (
    eval "$("$root/tools/wine-env.sh" vars "$lane")"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
      >/dev/null 2>&1 </dev/null
  )
  "$root/tools/wine-env.sh" restart "$lane"
}
trap 'set_dpi 96' EXIT

status=0
for dpi in "$@"; do
  set_dpi "$dpi"
  echo "== Layout.* at $dpi DPI"
  "$root/tools/wine-run.sh" "$program" --gtest_filter='Layout.*' || {
    echo "== Layout.* failed at $dpi DPI"
    status=1
  }
done
exit $status
