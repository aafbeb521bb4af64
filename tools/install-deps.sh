#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, only when missing.
set -euo pipefail
need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for pkg in cmake make g++ mingw-w64 googletest wine fonts-wine xvfb xauth x11-utils xdotool clang \
  libclang-rt-14-dev zip unzip procps; do
  have "$pkg" || need+=("$pkg")
done
have wine32:i386 || need+=(wine32:i386)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
install_packages() {
  echo "installing: $*" >&2
  if ! dpkg --print-foreign-architectures | grep -qx i386; then $sudo dpkg --add-architecture i386; fi
  # An index that fails to download (a mirror mid-sync) is reported and
  # left out; the install below says whether what is left will do.
  $sudo apt-get update -q || echo "apt-get update: some index failed; going on with the rest" >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "$@" && return
  # Without the security index of one architecture, amd64 and i386 builds
  # of one library disagree in version and wine32:i386 cannot be installed:
  # try once more with the security updates set below the release.
  echo "install failed: trying again with the security updates pinned below the release" >&2
  local pin
  pin=$(mktemp)
  printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' >"$pin"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends \
    -o Dir::Etc::preferences="$pin" "$@"
  rm -f "$pin"
}
[ ${#need[@]} -eq 0 ] || install_packages "${need[@]}"
# A host that cannot run 32-bit programs tests in 64-bit Wine (wine-arch.sh).
if [ "$("$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh")" = win64 ] && ! have wine64; then
  install_packages wine64
fi
