#!/usr/bin/env bash
# Installs what the build needs, builds Daubery and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDAUBERY_TESTS=OFF -DDAUBERY_BENCH=OFF >/dev/null
cmake --build build --target daubery -j"$(nproc)"
exec ./build/daubery
