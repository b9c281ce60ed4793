#!/usr/bin/env bash
# Runs the benchmarks: whole rounds headless, and the call cadence of the real window on Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh bench
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDAUBERY_TESTS=ON -DDAUBERY_BENCH=ON >/dev/null
cmake --build build --target bench_headless_rounds bench_call_cadence -j"$(nproc)"
./build/bench/bench_headless_rounds
Xvfb :78 -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=:78 ./build/bench/bench_call_cadence
