#!/usr/bin/env bash
# Counts the window-server requests of a benchmark's marked stretches: under Wine
# most of what a control costs is requests to the server, and their count stays
# put where times on a shared machine swing. Runs the benchmark program once
# against a window server of its own that traces every request (a copy of the
# build's Wine prefix, its own Xvfb), then prints, for each row that the program
# marked (tests/support/ratio_benchmarks.h: MarkTraceBegin, MarkTraceEnd), the
# requests per control of the marking thread, and with --top N the N commonest
# requests of each row.
# Usage: scripts/bench-requests.sh [--top N] [--keep TRACE] BENCH.exe [benchmark arguments]
# e.g.   scripts/bench-requests.sh --top 15 build/release/bin/bench_button_bench.exe \
#            --benchmark_filter=Standard --benchmark_min_time=0.01
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
top=0
keep=""
while [ $# -gt 0 ]; do
  case "$1" in
    --top) top="$2"; shift 2 ;;
    --keep) keep="$2"; shift 2 ;;
    *) break ;;
  esac
done
if [ $# -lt 1 ] || [ ! -f "$1" ]; then
  echo "usage: $0 [--top N] [--keep TRACE] BENCH.exe [benchmark arguments]" >&2
  exit 2
fi
bench="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
shift
build="$(dirname "$(dirname "$bench")")"
source_prefix="$build/wineprefix"
if [ ! -f "$source_prefix/system.reg" ]; then
  echo "bench-requests: no Wine prefix in $build (run scripts/test.sh once first)" >&2
  exit 1
fi
work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  WINEPREFIX="$work/wineprefix" wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
cp -a "$source_prefix" "$work/wineprefix"
export WINEPREFIX="$work/wineprefix" WINEARCH=win32 WINEDEBUG=-all
numfile="$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$numfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$numfile")"
trace="$work/trace.log"
wineserver -f -d1 2>"$trace" &
sleep 1
(cd "$(dirname "$bench")" && "$here/scripts/wine-exec.sh" "$bench" "$@") || true
wineserver -k 2>/dev/null || true
[ -n "$keep" ] && cp "$trace" "$keep"
# A request line reads `TID: name( fields )`; its reply `TID: name() = STATUS ...`.
awk -v top="$top" '
  function flush(row,   n, i, name, order) {
    if (!(row in marks)) return
    printf "  %-34s %9.1f requests per control (%d stretches of %d controls)\n", row,
           total[row] / (marks[row] * controls[row]), marks[row], controls[row]
    if (top > 0) {
      n = 0
      for (name in kinds) if (index(name, row SUBSEP) == 1) order[++n] = name
      for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j)
        if (kinds[order[j]] > kinds[order[i]]) { t = order[i]; order[i] = order[j]; order[j] = t }
      for (i = 1; i <= n && i <= top; ++i)
        printf "      %-30s %8.2f\n", substr(order[i], length(row) + 2), kinds[order[i]] / (marks[row] * controls[row])
    }
  }
  /kelvra-bench-begin / {
    match($0, /kelvra-bench-begin [^ "]+ [0-9]+/)
    split(substr($0, RSTART, RLENGTH), f, " ")
    row = f[2]; thread = substr($0, 1, 4)
    if (!(row in marks)) rows[++rowCount] = row
    marks[row]++; controls[row] = f[3]; open = 1
    next
  }
  /kelvra-bench-end / { if (open && substr($0, 1, 4) == thread) open = 0; next }
  open && substr($0, 1, 4) == thread && $0 ~ /^[0-9a-f]+: [a-z_0-9]+\( / {
    name = $2; sub(/\(.*/, "", name)
    total[row]++; kinds[row SUBSEP name]++
  }
  END { for (i = 1; i <= rowCount; ++i) flush(rows[i]) }
' "$trace"
