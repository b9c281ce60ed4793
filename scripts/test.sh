#!/usr/bin/env bash
# Installs what the tests need, builds Daubery twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test of both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
jobs=$(nproc)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache) # a rebuild reuses what it can

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDAUBERY_TESTS=ON -DDAUBERY_BENCH=ON "${launcher[@]}" >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DDAUBERY_SANITIZE=ON -DDAUBERY_TESTS=ON -DDAUBERY_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$jobs")
