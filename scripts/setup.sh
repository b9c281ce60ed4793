#!/usr/bin/env bash
# Installs what Daubery needs from Debian's packages: "build" for the game, "package" for its Debian
# package too, "test" for the tests too, "bench" for the benchmarks as well, "windows" for its
# build for Windows and the tries under Wine.
set -euo pipefail
what=${1:-build}
packages=(cmake g++ make qt6-base-dev libgl-dev fonts-dejavu-core fonts-dejavu-extra) # the faces it carries
packages+=(pkg-config libcanberra-dev) # each call sounds the desktop's bell through its sound server
if [ "$what" = package ] || [ "$what" = test ] || [ "$what" = bench ]; then
  packages+=(dpkg-dev file) # dpkg-shlibdeps finds the package's libraries; file tells it the program
fi
if [ "$what" = test ] || [ "$what" = bench ]; then
  packages+=(libgtest-dev googletest xvfb xauth x11-utils xdotool imagemagick openbox)
  packages+=(desktop-file-utils appstream librsvg2-bin lintian) # the checks of the installed game
  # The calls heard: a sound server of the test's own, recorded and measured, with the bell to play.
  packages+=(pulseaudio pulseaudio-utils sox libcanberra-pulse sound-theme-freedesktop)
  packages+=(x11-xkb-utils) # counts the X bell's rings where no sound server plays the calls
  packages+=(weston xwayland qt6-wayland) # a Wayland desktop, headless, where Qt could take Wayland itself
  # A round heard through a screen reader: Orca on the accessibility bus, speaking through
  # speech-dispatcher and espeak-ng into the same kind of sound server.
  packages+=(orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng at-spi2-core dbus-daemon libglib2.0-bin)
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
