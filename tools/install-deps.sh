#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, only when missing.
set -euo pipefail
need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for pkg in cmake make g++ mingw-w64 googletest wine wine64 xvfb xauth x11-utils clang libclang-rt-14-dev; do
  have "$pkg" || need+=("$pkg")
done
have wine32:i386 || need+=(wine32:i386)
[ ${#need[@]} -eq 0 ] && exit 0
echo "installing: ${need[*]}" >&2
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
if ! dpkg --print-foreign-architectures | grep -qx i386; then $sudo dpkg --add-architecture i386; fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${need[@]}"
