#!/usr/bin/env bash
# Packs a built Windows tree for Windows users: OUT_DIR/Dormival-<version>.zip
# holding Dormival.exe, the two command-line help files and ReadMe.txt.
# Prints the zip's path. tools/package.sh builds first, then runs this.
#   pack.sh BUILD_DIR OUT_DIR
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$1
out=$2
# the version is set in CMakeLists.txt and nowhere else
version=$(sed -n 's/^project(Dormival VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || { echo "pack: no version in CMakeLists.txt" >&2; exit 1; }
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/Dormival"
cp "$build/Dormival.exe" "$build/Commandline.txt" "$build/Kommandozeile.txt" \
  "$root/doc/ReadMe.txt" "$stage/Dormival/"
mkdir -p "$out"
zip_path=$(cd "$out" && pwd)/Dormival-$version.zip
rm -f "$zip_path"
# no extra fields: the archive reads the same on any unzip of the 1990s
(cd "$stage" && zip -q -X -r "$zip_path" Dormival)
echo "$zip_path"
