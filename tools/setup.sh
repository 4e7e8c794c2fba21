#!/usr/bin/env bash
# Installs what is missing, builds, then starts the program (run), runs every test (test),
# runs the fuzz targets for longer (fuzz [seconds per target]) or runs the benchmarks side by
# side with the Python fluids library (bench, which also installs python3-fluids).
# Idempotent: installs only missing packages and rebuilds only what changed.
#
# run: builds the program alone and starts it; where there is no display (a server, a
# container) it starts in a virtual one, under xvfb-run.
#
# test: the unit tests in build/; then, in build-sanitize/ (clang), the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer and a short run of each fuzz target.
# Under CI (CI=true) warnings are errors.
set -euo pipefail
mode=${1:-test}
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

need=(cmake g++ make libgtest-dev libbenchmark-dev qt6-base-dev fonts-liberation xvfb xauth)
if [ "$mode" = bench ]; then need+=(python3-fluids); fi
# For the tests: pdftotext and pdftoppm (the report printed to PDF), python3 (the source and
# generated-data checks), git and clang-format-14 (the layout check).
if [ "$mode" = test ]; then need+=(poppler-utils python3 git clang-format-14); fi
# clang with its sanitizer and libFuzzer runtimes, for the sanitizer build and the fuzz targets.
[ "$mode" = run ] || need+=(clang libclang-rt-14-dev)
missing=()
for p in "${need[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

werror=OFF
[ "${CI:-}" = true ] && werror=ON
jobs=${TUBALYX_JOBS:-$(nproc)}

build=${TUBALYX_BUILD_DIR:-$top/build}
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUBALYX_WERROR=$werror >/dev/null
# The run command builds only what it starts; the tests and benchmarks wait for the others.
targets=()
if [ "$mode" = run ]; then targets=(--target tubalyx); fi
cmake --build "$build" -j "$jobs" "${targets[@]}"

sanitize_build() {
  checked=${TUBALYX_SANITIZE_BUILD_DIR:-$top/build-sanitize}
  CC=clang CXX=clang++ cmake -S "$top" -B "$checked" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTUBALYX_SANITIZE=ON -DTUBALYX_FUZZ=ON -DTUBALYX_WERROR=$werror >/dev/null
  cmake --build "$checked" -j "$jobs"
}

case "$mode" in
  run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then exec xvfb-run -a "$build/tubalyx"; fi
    exec "$build/tubalyx" ;;
  test)
    (cd "$build" && ctest --output-on-failure -j "$jobs")
    echo "stage: build and unit tests done after ${SECONDS} s"
    sanitize_build
    echo "stage: sanitizer build done after ${SECONDS} s"
    bash "$top/tools/fuzz.sh" "${TUBALYX_FUZZ_SECONDS:-20}" "$checked"
    echo "stage: fuzz runs done after ${SECONDS} s"
    echo "Tests under AddressSanitizer and UndefinedBehaviorSanitizer:"
    (cd "$checked" && ctest --output-on-failure -j "$jobs")
    echo "stage: sanitizer tests done after ${SECONDS} s"
    ;;
  fuzz)
    sanitize_build
    bash "$top/tools/fuzz.sh" "${2:-600}" "$checked"
    ;;
  bench)
    "$build/bench/tubalyx_bench"
    /usr/bin/python3 "$top/bench/compare_with_fluids.py" "$build/bench/tubalyx_bench" ;;
  *)    echo "usage: $0 run|test|fuzz [seconds]|bench" >&2; exit 2 ;;
esac
