#!/usr/bin/env bash
# Builds Kelvra and the showcase program (the build draws its pictures into
# icons\ beside panel_showcase.exe) and runs it under Wine from that folder. The
# window opens on your display when DISPLAY is set, otherwise on a private Xvfb.
#
#   scripts/showcase.sh                     run until the window is closed
#   scripts/showcase.sh --screenshot FILE   save a PNG of the window once it has
#                                           painted and its stars have streamed
#                                           for 3 s, then close it
set -euo pipefail

usage() { sed -n '2,9p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; }
shot=""
while [ $# -gt 0 ]; do
  case "$1" in
    --screenshot) [ $# -ge 2 ] || { usage >&2; exit 2; }; shot="$2"; shift 2 ;;
    -h|--help) usage; exit 0 ;;
    *) echo "showcase.sh: unknown argument $1" >&2; usage >&2; exit 2 ;;
  esac
done
# The picture goes where the caller meant, whatever folder the program runs in.
if [ -n "$shot" ]; then shot="$(realpath -m -- "$shot")"; fi

source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
dir="${KELVRA_BUILD_DIR:-$here/build/release}"
kelvra_ensure_setup
kelvra_build "$dir"
bin="$dir/bin"
for f in panel_showcase.exe showcase_capture.exe icons/star.png; do
  [ -f "$bin/$f" ] || { echo "showcase.sh: the build made no $bin/$f" >&2; exit 1; }
done
kelvra_start_session "$dir" no
cd "$bin"

if [ -z "$shot" ]; then
  exec "$here/scripts/wine-exec.sh" panel_showcase.exe
fi

title="Panel Example2: Advanced effects! Resize the main window!"
mkdir -p "$(dirname "$shot")"
"$here/scripts/wine-exec.sh" panel_showcase.exe &
program=$!
set +e
"$here/scripts/wine-exec.sh" showcase_capture.exe "$title" "$(winepath -w "$shot")" --close --after 3000
captured=$?
# The program ends once it has been asked to close; give it a bounded time.
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program" 2>/dev/null; then
  echo "showcase.sh: panel_showcase.exe did not end within 10 s of WM_CLOSE" >&2
  kill "$program" 2>/dev/null
  wait "$program" 2>/dev/null
  exit 1
fi
wait "$program"
status=$?
set -e
if [ $captured != 0 ]; then exit $captured; fi
if [ $status != 0 ]; then echo "showcase.sh: panel_showcase.exe exited with $status" >&2; exit $status; fi
echo "showcase.sh: saved $shot"
