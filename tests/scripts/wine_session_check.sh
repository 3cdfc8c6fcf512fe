#!/usr/bin/env bash
# scripts/wine-session.sh: a Wine prefix that cannot be made fails the session
# with a message that says so, instead of every test failing later for no
# visible reason.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The prefix's folder is taken by a plain file: wineboot cannot make it.
mkdir -p "$work/build"
touch "$work/build/wineprefix"
output="$(
  source "$here/scripts/wine-session.sh"
  # Under ctest a session's display is already there; otherwise start our own.
  own=yes; [ -n "${DISPLAY:-}" ] && own=no
  kelvra_start_session "$work/build" "$own" 2>&1
  echo "status=$?"
)"
echo "$output"
case "$output" in
  *"could not make the Wine prefix $work/build/wineprefix"*"status=1") echo "wine session: a broken prefix fails with a message" ;;
  *) echo "FAIL: expected the session to fail with a message about the prefix" >&2; exit 1 ;;
esac
