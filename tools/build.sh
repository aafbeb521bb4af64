#!/usr/bin/env bash
# Configures and builds the Windows program (build/windows) and, with
# --tests, the native test and fuzz builds (build/native, build/fuzz). On a
# host that cannot run 32-bit programs it also builds build/windows64, whose
# program and tests run in 64-bit Wine (see tools/wine-arch.sh).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
windows_tree() {
  [ -f "build/$1/CMakeCache.txt" ] ||
    cmake -S . -B "build/$1" -DCMAKE_TOOLCHAIN_FILE="cmake/$2" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "build/$1" -j2
}
windows_tree windows mingw-i686.cmake
[ "$(tools/wine-arch.sh)" = win64 ] && windows_tree windows64 mingw-x86_64.cmake
if [ "${1:-}" = --tests ]; then
  [ -f build/native/CMakeCache.txt ] || cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build build/native -j2
  [ -f build/fuzz/CMakeCache.txt ] ||
    CC=clang CXX=clang++ cmake -S . -B build/fuzz -DDORMIVAL_FUZZ=ON >/dev/null
  cmake --build build/fuzz -j2
fi
