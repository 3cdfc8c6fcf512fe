#!/usr/bin/env bash
# Makes a Wine prefix without a visual style ("ThemeActive" "0") from the test
# session's prefix ($WINEPREFIX), for the test variants that check the classic
# drawing paths (tests/variants.cmake). The system DLL folders are hard links to
# the session prefix's (nothing writes them); everything else, the registry
# first, is copied, so the two prefixes never share a file that Wine writes.
# Usage: scripts/wine-classic-prefix.sh TARGET
set -euo pipefail
target="${1:?usage: wine-classic-prefix.sh TARGET}"
source_prefix="${WINEPREFIX:?the test session sets WINEPREFIX}"
if [ ! -f "$source_prefix/user.reg" ]; then
  echo "wine-classic-prefix: no Wine prefix at $source_prefix" >&2
  exit 1
fi
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
