# Sourced by test.sh and showcase.sh: one Xvfb and one persistent wineserver for
# the whole run, both stopped by their own process ids on exit.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Where setup.sh puts the cross-built dependencies; KELVRA_DEPS lets several
# checkouts share one set.
deps_prefix="${KELVRA_DEPS:-$here/build/deps}"

kelvra_ensure_setup() {
  local ok=1
  command -v i686-w64-mingw32-g++-posix >/dev/null || ok=0
  command -v wine >/dev/null || ok=0
  command -v Xvfb >/dev/null || ok=0
  [ -d /usr/src/googletest ] || ok=0
  [ -x /usr/lib/wine/wine-preloader ] || ok=0
  # The host build of the pure code and the showcase's picture generator: the
  # machine's own compiler and libraries.
  command -v g++ >/dev/null || ok=0
  for h in png.h jpeglib.h zlib.h expat.h; do [ -f "/usr/include/$h" ] || ok=0; done
  # The fuzz build: clang with libFuzzer and the sanitizers' runtimes.
  command -v clang++ >/dev/null || ok=0
  compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null || ok=0
  /usr/lib/wine/wineserver32 --version >/dev/null 2>&1 || ok=0
  # Under qemu's emulator, one that runs threaded 32-bit Wine programs (setup.sh).
  if [ -f /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    local major
    major="$(/usr/bin/qemu-i386-static --version 2>/dev/null | sed -n 's/.*version \([0-9]*\)\..*/\1/p' | head -n1)"
    [ -n "$major" ] && [ "$major" -ge 8 ] || ok=0
  fi
  for d in expat libpng1.6 libjpeg-turbo benchmark; do
    [ -f "$deps_prefix/.stamp-$d" ] || ok=0
  done
  if [ $ok = 0 ]; then
    if [ "$(id -u)" = 0 ]; then KELVRA_DEPS="$deps_prefix" bash "$here/scripts/setup.sh"; else sudo env KELVRA_DEPS="$deps_prefix" bash "$here/scripts/setup.sh"; fi
  fi
}

kelvra_build() {
  local dir="$1"
  cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/cmake/i686-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE="${KELVRA_BUILD_TYPE:-Release}" -DKELVRA_DEPS_PREFIX="$deps_prefix" >/dev/null
  cmake --build "$dir" --parallel "${KELVRA_BUILD_JOBS:-$(nproc)}"
}

# The pure code with the build machine's own compiler, under sanitizers.
kelvra_build_host() {
  local dir="$1"
  cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$dir" --parallel "${KELVRA_BUILD_JOBS:-$(nproc)}"
}

# The fuzz targets of the pure code, built with clang and libFuzzer
# (cmake/HostBuild.cmake with KELVRA_FUZZ).
kelvra_build_fuzz() {
  local dir="$1"
  cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVRA_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
  cmake --build "$dir" --parallel "${KELVRA_BUILD_JOBS:-$(nproc)}"
}

kelvra_session_pids=()
kelvra_session_dir=""
kelvra_stop_session() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
  # The servers of the run's other prefixes (the classic variants'), should the
  # run have stopped before their own clean-up.
  if [ -n "$kelvra_session_dir" ]; then
    for prefix in "$kelvra_session_dir"/wineprefix-*; do
      if [ -d "$prefix" ]; then WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; fi
    done
  fi
  for pid in "${kelvra_session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${kelvra_session_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  kelvra_session_pids=()
}

kelvra_start_session() {
  local dir="$1" own_display="${2:-yes}"
  mkdir -p "$dir"
  dir="$(cd "$dir" && pwd)"  # Wine takes absolute prefix paths only
  kelvra_session_dir="$dir"
  export WINEPREFIX="$dir/wineprefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  trap kelvra_stop_session EXIT
  if [ "$own_display" = yes ] || [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display itself and reports it: sessions started side by side
    # never share a screen (and with it the pointer that hover tests move).
    local numfile
    numfile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
    kelvra_session_pids+=($!)
    local n=""
    for _ in $(seq 100); do n="$(head -n1 "$numfile" 2>/dev/null)"; [ -n "$n" ] && break; sleep 0.1; done
    rm -f "$numfile"
    if [ -z "$n" ]; then echo "wine-session: Xvfb did not start" >&2; return 1; fi
    export DISPLAY=":$n"
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # Bounded: a prefix that cannot be made must fail the run, not hang it.
    local log="$dir/wineboot.log"
    local status=0
    timeout 900 wineboot -i >"$log" 2>&1 || status=$?
    timeout 300 wineserver -w || wineserver -k || true
    if [ $status != 0 ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "wine-session: could not make the Wine prefix $WINEPREFIX (wineboot exit status $status; 124 means it timed out)." >&2
      echo "wine-session: wineboot's output is in $log:" >&2
      tail -n 20 "$log" >&2 || true
      return 1
    fi
  fi
  # No LD_PRELOAD here: the i386 libgcc that Wine needs under qemu is preloaded by
  # wine-exec.sh for Wine's own programs only; exported for the whole session it
  # would reach every 64-bit tool of the run (cmake, ctest, objdump, host tests).
  # A persistent server: test programs start in a fraction of a second against it.
  wineserver -p >/dev/null 2>&1 &
  kelvra_session_pids+=($!)
  local started=0 managed=Y
  [ "$own_display" = yes ] && managed=N
  kelvra_start_wine_processes "$dir/bin" "$dir/wine-start.log" $managed || started=$?
  if [ $started != 0 ]; then
    echo "wine-session: Wine cannot run programs in the prefix $WINEPREFIX (exit status $started; 124 means it timed out)." >&2
    echo "wine-session: remove that folder to have it made again; Wine's output is in $dir/wine-start.log:" >&2
    tail -n 20 "$dir/wine-start.log" >&2 || true
    return 1
  fi
}

# Wine's services and its desktop process for $WINEPREFIX, whose server runs,
# with their output in LOG. Wine starts each for the first program that needs it,
# and it inherits that program's standard error: started by a test, it would hold
# the test's output open, and ctest would count the test as running until the
# server or the desktop closed, long after the test had ended (or until the test's
# timeout). So a plain command starts the services here, and
# BIN/session_desktop.exe makes the desktop and holds it until the server is
# killed. The first program also sets two of Wine's settings: the X11 driver's
# "Managed" to MANAGED, N on our own Xvfb, which runs no window manager and where
# hiding a managed top-level window waits 2 s for one to withdraw it, Y (Wine's
# default) on the user's display; and no crash dialog, so that a program that
# crashes prints its backtrace and ends instead of waiting for a click (a test
# until its timeout). Returns non-zero when Wine cannot run a program.
kelvra_start_wine_processes() {
  local bin="$1" log="$2" managed="$3"
  local settings
  settings="$(mktemp --suffix=.reg)"
  printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' "\"Managed\"=\"$managed\"" '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' >"$settings"
  local status=0
  timeout 600 "$here/scripts/wine-exec.sh" reg import "Z:${settings//\//\\}" >"$log" 2>&1 </dev/null || status=$?
  rm -f "$settings"
  [ $status = 0 ] || return $status
  local keeper="$bin/session_desktop.exe"
  if [ ! -f "$keeper" ]; then
    echo "wine-session: no $keeper (not built?): the first test to open a window starts the desktop" >&2
    return 0
  fi
  local ready
  ready="$(mktemp)"
  "$here/scripts/wine-exec.sh" "$keeper" >"$ready" 2>>"$log" </dev/null &
  local keeper_pid=$!
  kelvra_session_pids+=($keeper_pid)
  local waited=0
  until grep -q '^ready' "$ready" 2>/dev/null; do
    if ! kill -0 $keeper_pid 2>/dev/null || [ $waited -ge 3000 ]; then
      echo "wine-session: session_desktop.exe did not make the desktop; output in $log" >&2
      rm -f "$ready"
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  rm -f "$ready"
}
