#!/usr/bin/env bash
# Runs one Windows program under Wine with the project's defaults; ctest's emulator.
# scripts/test.sh sets WINEPREFIX, DISPLAY and the wineserver for the whole run.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$here/build/wineprefix}"
export WINEARCH="${WINEARCH:-win32}"
export WINEDEBUG="${WINEDEBUG:--all}"
base="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}$base"
# Where 32-bit code runs under qemu's emulator, the i386 glibc cannot always dlopen
# libgcc_s when a thread exits ("libgcc_s.so.1 must be installed for pthread_exit")
# and the program hangs at exit; loading it up front avoids that.
if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && [ -f /lib/i386-linux-gnu/libgcc_s.so.1 ]; then
  export LD_PRELOAD=/lib/i386-linux-gnu/libgcc_s.so.1
fi
exec wine "$@"
