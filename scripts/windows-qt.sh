#!/usr/bin/env bash
# Builds Qt Core, Gui and Widgets for Windows as static libraries, from Debian's own Qt source, once:
# the result is kept in a cache folder named after everything that shapes it (the Qt source's
# version, the host tools' version, the compiler's version and the configure flags), so a Debian
# update builds it afresh. Prints the folder Qt is installed in. Takes about 35 minutes on two cores.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
toolchain="$here/dist/windows/mingw-w64.cmake"
cache_root="${XDG_CACHE_HOME:-$HOME/.cache}/daubery"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt_install() {
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "$@"
}

# Only what a bingo game's windows need; the rest of Qt is left out. Tablet events need a header
# Debian's source leaves out; with Direct2D off, Qt 6.4's DirectWrite 3 font engine does not link.
flags=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF -DFEATURE_sql_sqlite=OFF
)

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
if [ -z "$host_version" ]; then
  apt_install qt6-base-dev-tools qt6-base-dev >&2
  host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
fi
compiler_version=$(x86_64-w64-mingw32-g++-posix --version 2>/dev/null | head -n1 || true)
if [ -z "$compiler_version" ]; then
  apt_install g++-mingw-w64-x86-64-posix >&2
  compiler_version=$(x86_64-w64-mingw32-g++-posix --version | head -n1)
fi
compiler_version="$compiler_version $(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)"
# The source is the same Debian version as the host tools: Qt's cross build wants them to match.
source_version="qt6-base $host_version"
key=$(printf '%s\n' "$source_version" "$host_version" "$compiler_version" "${flags[*]}" "$(cat "$toolchain")" |
  sha256sum | cut -c1-16)
prefix="$cache_root/qt-windows-$key"
mkdir -p "$cache_root"
# One build at a time: a second run waits for the first and then finds Qt built.
exec 9>"$prefix.lock"
flock 9
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

{
  apt_install ninja-build cmake dpkg-dev qt6-base-dev
  # An interrupted build takes up where it stopped.
  work="$cache_root/qt-windows-$key.work"
  mkdir -p "$work"
  cd "$work"
  if [ ! -d source ]; then
    # Debian's Qt source comes from its source archive, which apt then needs to know.
    if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $host_version\$"; then
      $sudo tee /etc/apt/sources.list.d/debian-sources.sources >/dev/null <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
      $sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
    fi
    rm -rf source.part
    mkdir source.part
    (cd source.part && apt-get source -qq --download-only "qt6-base=$host_version" &&
      dpkg-source -x --skip-debianization qt6-base_*.dsc source >/dev/null)
    # Qt 6.4.2 asks the dynamic OpenGL loader whether it paints in software, even with OpenGL off.
    perl -0pi -e 's/#if QT_CONFIG\(dynamicgl\)\n(\s+return QOpenGLStaticContext)/#if QT_CONFIG(dynamicgl) && QT_CONFIG(opengl)\n$1/' \
      source.part/source/src/plugins/platforms/windows/qwindowswindow.cpp
    mv source.part/source source
    rm -rf source.part
  fi
  [ -f build/build.ninja ] ||
    cmake -S source -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
      "${flags[@]}"
  nice -n 19 cmake --build build -j"$(nproc)"
  cmake --install build
  touch "$prefix/.complete"
  cd "$cache_root"
  rm -rf "$work"
} >&2
echo "$prefix"
