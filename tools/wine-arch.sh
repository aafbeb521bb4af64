#!/usr/bin/env bash
# Prints the Wine architecture the Windows tests run in: win32 where this host
# runs 32-bit programs, win64 where it cannot (kernels can have IA-32
# emulation switched off). Then the tests are built for 64-bit Windows and run
# in 64-bit prefixes; the program itself is still built and checked as 32-bit.
# DORMIVAL_WINEARCH=win64 takes the 64-bit path on any host, to try it.
if [ -n "${DORMIVAL_WINEARCH:-}" ]; then echo "$DORMIVAL_WINEARCH"; exit; fi
if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
