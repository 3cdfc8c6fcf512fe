#!/usr/bin/env bash
# Makes a Wine prefix without a visual style ("ThemeActive" "0") from the test
# session's prefix ($WINEPREFIX), for the test variants that check the classic
# drawing paths (tests/variants.cmake). The system DLL folders are hard links to
# the session prefix's (nothing writes them); everything else, the registry
# first, is copied, so the two prefixes never share a file that Wine writes.
# The prefix gets its own persistent wineserver, with Wine's services and
# desktop started here (see kelvra_start_wine_processes in wine-session.sh), not by
# the first test that runs in it; `wine-classic-prefix.sh TARGET --stop` ends it.
# Usage: scripts/wine-classic-prefix.sh TARGET BIN | TARGET --stop
set -euo pipefail
target="${1:?usage: wine-classic-prefix.sh TARGET BIN | TARGET --stop}"
bin="${2:?usage: wine-classic-prefix.sh TARGET BIN | TARGET --stop}"
source_prefix="${WINEPREFIX:?the test session sets WINEPREFIX}"
stop_server() {
  if [ -d "$target" ]; then WINEPREFIX="$target" wineserver -k 2>/dev/null || true; fi
}
if [ "$bin" = --stop ]; then
  stop_server
  exit 0
fi
if [ ! -f "$source_prefix/user.reg" ]; then
  echo "wine-classic-prefix: no Wine prefix at $source_prefix" >&2
  exit 1
fi
stop_server  # one left by a run that stopped early
rm -rf "$target"
mkdir -p "$target/drive_c/windows"
cp -a "$source_prefix"/*.reg "$source_prefix/dosdevices" "$target/"
[ -f "$source_prefix/.update-timestamp" ] && cp -a "$source_prefix/.update-timestamp" "$target/"
for entry in "$source_prefix"/drive_c/*; do
  [ "$(basename "$entry")" = windows ] || cp -a "$entry" "$target/drive_c/"
done
for entry in "$source_prefix"/drive_c/windows/*; do
  case "$(basename "$entry")" in
    system32 | winsxs) cp -al "$entry" "$target/drive_c/windows/" ;;
    *) cp -a "$entry" "$target/drive_c/windows/" ;;
  esac
done
# The value sits under the ThemeManager key; without one there, the key gets it.
key='[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\ThemeManager]'
awk -v key="$key" '
  index($0, substr(key, 1, length(key) - 1)) == 1 && substr($0, length(key), 1) == "]" { inkey = 1; print; next }
  /^\[/ { if (inkey && !done) { print "\"ThemeActive\"=\"0\""; done = 1 } inkey = 0 }
  inkey && /^"ThemeActive"=/ { if (!done) print "\"ThemeActive\"=\"0\""; done = 1; next }
  { print }
  END { if (!done) { if (!inkey) print "\n" key; print "\"ThemeActive\"=\"0\"" } }
' "$source_prefix/user.reg" >"$target/user.reg"
grep -q '^"ThemeActive"="0"' "$target/user.reg"

source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
export WINEPREFIX="$target"
# Nothing started here may hold ctest's output of this script open.
wineserver -p </dev/null >/dev/null 2>&1 &
log="$(dirname "$target")/wine-start-classic.log"
# Test runs use the session's own Xvfb, without a window manager.
if ! kelvra_start_wine_processes "$bin" "$log" N; then
  echo "wine-classic-prefix: Wine cannot run programs in $target; its output:" >&2
  tail -n 20 "$log" >&2 || true
  stop_server
  exit 1
fi
