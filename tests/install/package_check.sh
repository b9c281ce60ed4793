#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it: its control data (name, version,
# section, the libraries found from the program, a real size), its files (the program among the
# games, the menu entry, the catalogue entry, the icons, the manual page, the copyright and change
# log), a packaged program that starts, and nothing from lintian down to its notes.
# Usage: package_check.sh <cpack> <build folder>
set -euo pipefail
cpack=$1
build=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 || fail "cpack: $(cat "$out/cpack.log")"
packages=("$out"/daubery_*.deb)
[ ${#packages[@]} = 1 ] && [ -f "${packages[0]}" ] || fail "cpack made ${packages[*]}"
deb=${packages[0]}
[ "$(basename "$deb")" = "daubery_1.0_$(dpkg --print-architecture).deb" ] || fail "the package is named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = daubery ] || fail "Package: $(field Package)"
[ "$(field Version)" = 1.0 ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ "$(field Homepage)" = https://daubery.org ] || fail "Homepage: $(field Homepage)"
[ "$(field Installed-Size)" -gt 200 ] || fail "Installed-Size: $(field Installed-Size) KiB"
# The libraries, found from the program with their versions, and the window system plugin.
depends=$(field Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libcanberra0; do
  [[ ", $depends," =~ ,\ "$library"\ \(\>=\ [0-9] ]] || fail "Depends lacks $library with its version: $depends"
done
[[ ", $depends," == *", qt6-qpa-plugins,"* ]] || fail "Depends lacks qt6-qpa-plugins: $depends"
# What makes the calls heard: the event sounds' back end, a sound server, the sound theme.
[ "$(field Recommends)" = "libcanberra-pulse, pulseaudio | pipewire-pulse, sound-theme-freedesktop" ] ||
  fail "Recommends: $(field Recommends)"

dpkg-deb -c "$deb" | awk '{ print $6 }' >"$out/files"
id=org.daubery.Daubery
for file in usr/games/daubery usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
  usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256,512x512}/apps/$id.png \
  usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man6/daubery.6.gz \
  usr/share/doc/daubery/copyright usr/share/doc/daubery/changelog.gz; do
  grep -qx "\./$file" "$out/files" || fail "the package lacks /$file"
done
if grep -v -e '^\./usr/$' -e '^\./usr/games/' -e '^\./usr/share/' "$out/files"; then fail "files outside /usr/games and /usr/share"; fi

# The packaged program, unpacked, starts and keeps running.
dpkg-deb -x "$deb" "$out/root"
status=0
QT_QPA_PLATFORM=offscreen timeout 4 "$out/root/usr/games/daubery" >"$out/output" 2>&1 || status=$?
[ "$status" = 124 ] || fail "the packaged game ended with status $status: $(cat "$out/output")"

# Lintian down to its notes: the program linked with every relocation resolved at start, no compiler
# note, no tag that is not overridden for the game's own words.
lintian --display-info "$deb" >"$out/lintian" 2>&1 || true
if grep '^[EWI]:' "$out/lintian"; then fail "lintian: $(cat "$out/lintian")"; fi
echo "packaged and checked"
