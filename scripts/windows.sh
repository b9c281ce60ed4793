#!/usr/bin/env bash
# Builds Daubery for Windows on this Debian machine: Qt for Windows once (kept in a cache folder,
# about 35 minutes the first time), then the game as one program that needs no DLLs, and its
# installer, build-windows/game/daubery-<version>-setup.exe. Then tries them under Wine on a virtual
# screen: the rules' and the headless game's tests, and the installer installing the game, a round
# played with the mouse, and the uninstaller. With --no-checks it only builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh windows
qt=$(scripts/windows-qt.sh)
jobs=$(nproc)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)

# The icon is painted by the game's own painter, built for this machine.
cmake -S . -B build-windows/host -G Ninja -DCMAKE_BUILD_TYPE=Release -DDAUBERY_TESTS=OFF -DDAUBERY_BENCH=OFF \
  "${launcher[@]}" >/dev/null
cmake --build build-windows/host --target daubery-pictures -j"$jobs"

# Qt's toolchain file, wrapped around ours, finds Qt for Windows and its tools built for this machine.
cmake -S . -B build-windows/game -G Ninja -DCMAKE_BUILD_TYPE=Release -DDAUBERY_TESTS=ON -DDAUBERY_BENCH=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/dist/windows/mingw-w64.cmake" \
  -DDAUBERY_HOST_PICTURES="$PWD/build-windows/host/daubery-pictures" -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
  "${launcher[@]}" >/dev/null
cmake --build build-windows/game -j"$jobs"
installer=$(ls build-windows/game/daubery-*-setup.exe)
echo "The installer: $installer"
[ "${1:-}" = --no-checks ] && exit 0

# Wine in a fresh folder of its own, without its offers to install .NET and a browser engine, and
# without writing menu entries for this machine's desktop.
export WINEPREFIX="$PWD/build-windows/wine"
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
export WINEDEBUG=-all
rm -rf "$WINEPREFIX"
timeout 300 wine wineboot --init
# Wine's desktop, started here with no screen, would keep the game's windows off the virtual one.
timeout 60 wineserver --kill || true
status=0
(cd build-windows/game && timeout 900 ctest --output-on-failure) || status=1
timeout 60 wineserver --kill || true
timeout 600 tests/windows/install_and_play.sh "$installer" build-windows/screens || status=1
# Whatever a failed check left running in this Wine ends with it.
timeout 60 wineserver --kill || true
[ $status -eq 0 ] || { echo "Windows: a check under Wine failed"; exit 1; }
echo "Windows: built, and tried under Wine"
