#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (core only, in build-fuzz/) and
# fuzzes each for SECONDS (default 60): fuzz.sh [SECONDS]
# New inputs go to build-fuzz/corpus/<harness>/, crashes to
# build-fuzz/crashes/<harness>/; copy a crash into
# tests/fuzz/regressions/<harness>/ once it is fixed. Exits 1 on any crash.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
dir="$root/build-fuzz"

"$root/scripts/build.sh" "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DQUORVALE_FUZZ=ON

status=0
summary=()
for harness in "$dir"/bin/fuzz/fuzz_*; do
  name=${harness##*/fuzz_}
  corpus="$dir/corpus/$name"
  crashes="$dir/crashes/$name"
  mkdir -p "$corpus" "$crashes"
  seeds=("$root/tests/fuzz/corpus/$name")
  [[ -d "$root/tests/fuzz/regressions/$name" ]] && seeds+=("$root/tests/fuzz/regressions/$name")
  log="$dir/$name.log"
  echo "== Fuzzing $name for $seconds s"
  # One input may take at most 10 s (a run that hangs is a finding too).
  if ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
      -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
    summary+=("$name: $runs executions in $seconds s, corpus $(find "$corpus" -type f | wc -l) files")
  else
    status=1
    tail -n 60 "$log" >&2
    summary+=("$name: FAILED (log: $log, inputs: $crashes)")
  fi
done
printf '%s\n' "== Fuzzing summary" "${summary[@]}"
exit "$status"
