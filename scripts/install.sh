#!/usr/bin/env bash
# Installs what the build needs, builds Daubery's Debian package and installs it, so the game is in
# the desktop's menu with its icon. Removing it: apt-get remove daubery.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh package
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDAUBERY_TESTS=OFF -DDAUBERY_BENCH=OFF >/dev/null
cmake --build build --target daubery icons documents -j"$(nproc)"
rm -f build/daubery_*.deb
(cd build && cpack -G DEB)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y ./build/daubery_*.deb
