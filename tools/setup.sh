#!/usr/bin/env bash
# Installs what is missing, builds, then starts the program (run) or runs every test (test).
# Idempotent: installs only missing packages and rebuilds only what changed.
set -euo pipefail
mode=${1:-test}
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

need=(cmake g++ make libgtest-dev libbenchmark-dev qt6-base-dev fonts-liberation xvfb xauth)
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
  *)    echo "usage: $0 run|test" >&2; exit 2 ;;
esac
