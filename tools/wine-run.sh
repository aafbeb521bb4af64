#!/usr/bin/env bash
# Runs a Windows program under Wine in the prepared session of the Windows
# version named by $DORMIVAL_WINVER (default winxp). CTest uses it as the
# emulator for the Windows test executables.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
version=${DORMIVAL_WINVER:-winxp}
"$here/wine-env.sh" ensure "$version"
eval "$("$here/wine-env.sh" vars "$version")"
exec wine "$@"
