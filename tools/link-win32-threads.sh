#!/usr/bin/env bash
# Link launcher for Dormival.exe: links with the win32-thread variant of the
# MinGW driver instead of the posix one. The posix runtime (winpthread)
# imports GetTickCount64, AddVectoredExceptionHandler and other entry points
# that Windows 95/98/NT 4 (and XP, for GetTickCount64) do not have, so the
# program would not load there. The program uses no threads; only the test
# executables need the posix variant (GoogleTest's std::mutex).
driver=$1
shift
exec "${driver/-posix/-win32}" "$@"
