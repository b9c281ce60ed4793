#!/usr/bin/env bash
# Installs what Daubery needs from Debian's packages: "build" for the game, "package" for its Debian
# package too, "test" for the tests too, "bench" for the benchmarks as well, "windows" for its
# build for Windows and the tries under Wine.
set -euo pipefail
what=${1:-build}
packages=(cmake g++ make qt6-base-dev libgl-dev fonts-dejavu-core fonts-dejavu-extra) # the faces it carries
if [ "$what" = package ] || [ "$what" = test ] || [ "$what" = bench ]; then
  packages+=(dpkg-dev file) # dpkg-shlibdeps finds the package's libraries; file tells it the program
fi
if [ "$what" = test ] || [ "$what" = bench ]; then
  packages+=(libgtest-dev googletest xvfb xauth x11-utils xdotool imagemagick openbox)
  packages+=(desktop-file-utils appstream librsvg2-bin lintian) # the checks of the installed game
fi
if [ "$what" = windows ]; then
  packages+=(ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev-tools dpkg-dev nsis googletest)
  packages+=(wine wine64 xvfb xauth x11-utils xdotool imagemagick openbox)
fi
if [ "$what" = bench ]; then
  packages+=(valgrind) # counts the instructions of a call, as well as the time
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
