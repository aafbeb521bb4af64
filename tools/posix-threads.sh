#!/usr/bin/env bash
# Compiler and link launcher of the Windows tests: runs the posix-thread
# variant of the MinGW driver CMake names (the toolchain's are the win32
# ones, for the program). GoogleTest needs std::mutex, which GCC 12's win32
# variant lacks.
driver=$1
shift
exec "${driver/-win32/-posix}" "$@"
