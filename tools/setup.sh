#!/usr/bin/env bash
# Installs what is missing, builds, then starts the program (run), runs every test (test) or
# runs the benchmarks side by side with the Python fluids library (bench, which also installs
# python3-fluids). Idempotent: installs only missing packages and rebuilds only what changed.
set -euo pipefail
mode=${1:-test}
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

need=(cmake g++ make libgtest-dev libbenchmark-dev qt6-base-dev fonts-liberation xvfb xauth)
if [ "$mode" = bench ]; then need+=(python3-fluids); fi
missing=()
for p in "${need[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

build=${TUBALYX_BUILD_DIR:-$top/build}
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"

case "$mode" in
  run)  exec "$build/tubalyx" ;;
  test) cd "$build" && ctest --output-on-failure -j "$(nproc)" ;;
  bench)
    "$build/bench/tubalyx_bench"
    /usr/bin/python3 "$top/bench/compare_with_fluids.py" "$build/bench/tubalyx_bench" ;;
  *)    echo "usage: $0 run|test|bench" >&2; exit 2 ;;
esac
