#!/usr/bin/env bash
# Runs every fuzz target for a fixed time on its seed corpus (fuzz/corpus/<target>/). New
# inputs go to a scratch folder, so the committed corpus stays as it is; an input that fails
# a check is kept in <build>/fuzz-artifacts/ and replays with `<build>/fuzz/fuzz_<target> FILE`.
# Usage: tools/fuzz.sh [seconds per target, default 20] [build folder, default build-sanitize]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build=${2:-$top/build-sanitize}
targets=(number_text unit_parser report_format natural_gas medium_switch medium_state flow_solve
         optimal_design window_input)
# Seconds one input may take before it counts as a hang, in this build (some ten times slower
# than a release build). A property call or a flow solve takes well under a millisecond in a
# release build, an optimal design up to some 50 ms, an input of window actions a few ms.
declare -A timeout=([flow_solve]=15 [optimal_design]=20)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$top/tools/lsan.supp:print_suppressions=0"

passed=0
failed=0
printf '%-16s %10s %8s %10s %12s\n' target runs inputs seconds "slowest (s)"
for target in "${targets[@]}"; do
  mkdir -p "$scratch/$target"
  log="$scratch/$target.log"
  start=$(date +%s)
  if "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout="${timeout[$target]:-2}" \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
      "$scratch/$target" "$top/fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    slowest=$(sed -n 's/^stat::slowest_unit_time_sec: *//p' "$log")
    inputs=$(( $(ls "$scratch/$target" | wc -l) + $(ls "$top/fuzz/corpus/$target" | wc -l) ))
    printf '%-16s %10s %8s %10s %12s\n' "$target" "$runs" "$inputs" "$(( $(date +%s) - start ))" "$slowest"
    passed=$((passed + 1))
  else
    echo "fuzz_$target FAILED; its log ends:"
    tail -n 60 "$log"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
