#!/usr/bin/env bash
# Builds the release program, runs the long leak soak (tools/soak.sh) and
# writes dist/Dormival-<version>.zip for Windows users (see tools/pack.sh
# for what it holds).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/soak.sh"
"$root/tools/pack.sh" "$root/build/windows" "$root/dist"
