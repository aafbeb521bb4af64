#!/usr/bin/env bash
# Runs a Windows program under Wine in the prepared session of the lane
# named by $DORMIVAL_WINVER (default winxp). CTest uses it as the emulator
# for the Windows test executables. Each lane runs a copy of its own, in a
# folder of the lane's: what a test writes beside the program (its
# language.dat) must not reach the tests of a lane running alongside.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
lane=${DORMIVAL_WINVER:-winxp}
"$here/wine-env.sh" ensure "$lane"
eval "$("$here/wine-env.sh" vars "$lane")"
program=$1
shift
copy=${DORMIVAL_WINE_DIR:-$here/../build/windows/wine}/programs-$lane
mkdir -p "$copy"
cp -p "$program" "$copy/"
exec wine "$copy/$(basename "$program")" "$@"
