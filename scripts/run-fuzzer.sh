#!/usr/bin/env bash
# Runs one libFuzzer target of the fuzz build (cmake/HostBuild.cmake) for
# KELVRA_FUZZ_SECONDS (30 by default), starting from its checked-in seeds and
# the corpus it grew in earlier runs. A finding (a crash, a sanitizer report, a
# leak, an input slower than 10 s or one that needs more than 2 GB) fails the
# run; the input is kept under the build folder and its path printed.
# Usage: run-fuzzer.sh TARGET-PROGRAM SEED-FOLDER BUILD-FOLDER
set -uo pipefail
program="$1" seeds="$2" build="$3"
name="$(basename "$program")"
seconds="${KELVRA_FUZZ_SECONDS:-30}"
corpus="$build/corpus/$name" findings="$build/findings/$name" log="$build/logs/$name.log"
mkdir -p "$corpus" "$findings" "$(dirname "$log")"
# The first corpus folder is where libFuzzer adds what it finds new; the seeds
# stay as checked in.
seed_args=()
[ -d "$seeds" ] && seed_args+=("$seeds")
# Seeds written by the build's seed writers (kelvra_host_fuzz_seed_writers).
[ -d "$build/generated_seeds/$name" ] && seed_args+=("$build/generated_seeds/$name")
# A grammar's key words, when the target has them: name_fuzzer.dict beside its
# seeds folder (libFuzzer's dictionary format).
dict="${seeds%_seeds}.dict" dict_args=()
[ -f "$dict" ] && dict_args+=("-dict=$dict")
before="$(ls -A "$findings")"
"$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$findings/" "${dict_args[@]}" "$corpus" "${seed_args[@]}" >"$log" 2>&1
status=$?
if [ $status = 0 ]; then
  grep -E '^(stat::number_of_executed_units|stat::new_units_added)' "$log" | tr '\n' ' '
  echo "($name, ${seconds} s)"
  exit 0
fi
tail -n 80 "$log"
echo
echo "run-fuzzer: $name found a fault (exit status $status); its full output is in $log"
found=0
for f in "$findings"/*; do
  [ -f "$f" ] || continue
  grep -qxF "$(basename "$f")" <<<"$before" && continue
  found=1
  echo "run-fuzzer: input kept: $f"
done
[ $found = 1 ] || echo "run-fuzzer: no new input was written to $findings"
echo "run-fuzzer: replay with: $program INPUT; once fixed, copy the input into $seeds/"
exit $status
