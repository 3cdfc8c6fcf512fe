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
  /usr/lib/wine/wineserver32 --version >/dev/null 2>&1 || ok=0
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
  cmake --build "$dir" --parallel "$(nproc)"
}

kelvra_session_pids=()
kelvra_stop_session() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
  for pid in "${kelvra_session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${kelvra_session_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  kelvra_session_pids=()
}

kelvra_start_session() {
  local dir="$1" own_display="${2:-yes}"
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
    timeout 900 wineboot -i >/dev/null 2>&1 || true
    timeout 300 wineserver -w || wineserver -k || true
  fi
  if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && [ -f /lib/i386-linux-gnu/libgcc_s.so.1 ]; then
    export LD_PRELOAD=/lib/i386-linux-gnu/libgcc_s.so.1  # see wine-exec.sh
  fi
  # A persistent server: test programs start in a fraction of a second against it.
  wineserver -p >/dev/null 2>&1 &
  kelvra_session_pids+=($!)
  # The first program of a session starts Wine's services; do it here, not in a test.
  "$here/scripts/wine-exec.sh" cmd /c exit >/dev/null 2>&1 || true
}
