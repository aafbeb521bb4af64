#!/usr/bin/env bash
# Configures and builds the Windows program (build/windows) and, with
# --tests, the native test and fuzz builds (build/native, build/fuzz).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
[ -f build/windows/CMakeCache.txt ] ||
  cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows -j2
if [ "${1:-}" = --tests ]; then
  [ -f build/native/CMakeCache.txt ] || cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build build/native -j2
  [ -f build/fuzz/CMakeCache.txt ] ||
    CC=clang CXX=clang++ cmake -S . -B build/fuzz -DDORMIVAL_FUZZ=ON >/dev/null
  cmake --build build/fuzz -j2
fi
