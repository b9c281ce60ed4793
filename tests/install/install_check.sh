#!/usr/bin/env bash
# Installs the game into a fresh folder as `cmake --install` does for a player or a packager, and
# checks what landed there: the menu entry and the catalogue entry pass the desktop's own
# validators and name the installed program and icon, the icon is there at every size, the vector
# icon looks like the pictures, and the installed program starts and keeps running.
# Usage: install_check.sh <cmake> <build folder>
set -euo pipefail
cmake=$1
build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

id=org.daubery.Daubery
entry=$prefix/share/applications/$id.desktop
catalogue=$prefix/share/metainfo/$id.metainfo.xml
[ -x "$prefix/bin/daubery" ] || fail "no program bin/daubery"
[ -f "$entry" ] || fail "no menu entry share/applications/$id.desktop"
[ -f "$catalogue" ] || fail "no catalogue entry share/metainfo/$id.metainfo.xml"

# The validators: no complaint at all from the menu entry's, no warning or error from the catalogue's.
complaints=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $complaints"
[ -z "$complaints" ] || fail "desktop-file-validate: $complaints"
for check in "validate --no-net $catalogue" "validate-tree --no-net $prefix"; do
  # shellcheck disable=SC2086
  report=$(appstreamcli $check 2>&1) || fail "appstreamcli $check: $report"
  if grep -E '^ *[EW]:' <<<"$report"; then fail "appstreamcli $check: $report"; fi
done

# The menu entry, every field a player's desktop shows or acts on, exactly: the name and comment in
# the menu, the installed program and icon, the windows' class, no terminal, among the board games,
# the search words.
diff -u - <(grep -v '^#' "$entry") <<EOF || fail "the menu entry differs from the one expected"
[Desktop Entry]
Type=Application
Name=Daubery
GenericName=Bingo
Comment=Play 75-ball bingo against computer players
Exec=daubery
Icon=$id
StartupWMClass=Daubery
Terminal=false
Categories=Game;BoardGame;
Keywords=bingo;75-ball;jackpot;
EOF

# The catalogue entry as a software centre shows it, each line whole: name, summary, maker, home
# page, the screenshot and its caption, the description's start, the release, licences and rating.
for expected in "<id>$id</id>" '<name>Daubery</name>' \
  '<summary>Play 75-ball bingo against computer players</summary>' \
  '<developer_name>Daubery developers</developer_name>' '<url type="homepage">https://daubery.org</url>' \
  '<caption>A round of Daubery: two cards, the called ball and the message board</caption>' \
  '<image type="source" width="637" height="536">https://daubery.org/screenshot.png</image>' \
  '<p>Play rounds of 75-ball bingo against one to six computer players, on one' \
  "<launchable type=\"desktop-id\">$id.desktop</launchable>" '<binary>daubery</binary>' \
  '<project_license>GPL-3.0-or-later</project_license>' '<metadata_license>CC0-1.0</metadata_license>' \
  '<content_attribute id="money-gambling">moderate</content_attribute>'; do
  sed 's/^ *//' "$catalogue" | grep -qxF "$expected" || fail "the catalogue entry lacks the line $expected"
done
grep -qE '^ *<release version="1.0" date="[0-9]{4}-[0-9]{2}-[0-9]{2}"/>$' "$catalogue" ||
  fail "the catalogue entry lacks the release 1.0 with its date"

# The icon at every size, a picture of that size with the ball solid in its middle.
icons=$prefix/share/icons/hicolor
for size in 16 24 32 48 64 128 256 512; do
  png=$icons/${size}x${size}/apps/$id.png
  [ -f "$png" ] || fail "no icon of $size pixels"
  [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] ||
    fail "the icon of $size pixels is $(identify -format '%wx%h' "$png")"
  [ "$(convert "$png" -format '%[fx:p{w/2,h/3}.a]' info:)" = 1 ] || fail "the icon of $size pixels is not solid in its middle"
  [ "$(convert "$png" -format '%[fx:p{0,0}.a]' info:)" = 0 ] || fail "the icon of $size pixels has no clear corners"
done
# The Windows icon, built beside the others: a picture for every size up to 256 pixels.
ico=$(identify -format '%wx%h ' "$build/dist/icons/icon.ico") || fail "the Windows icon cannot be read"
[ "$ico" = "16x16 24x24 32x32 48x48 64x64 128x128 256x256 " ] || fail "the Windows icon holds $ico"
svg=$icons/scalable/apps/$id.svg
[ -f "$svg" ] || fail "no scalable icon"
rsvg-convert -w 256 -h 256 "$svg" -o "$prefix/drawn.png" || fail "the scalable icon cannot be drawn"
# Both laid on white, so that a shade where the pictures are clear counts too. compare answers
# "<absolute> (<relative>)" and ends with 1 when the pictures differ at all.
convert "$prefix/drawn.png" -background white -flatten "$prefix/drawn-on-white.png"
convert "$icons/256x256/apps/$id.png" -background white -flatten "$prefix/painted-on-white.png"
difference=$({ compare -metric RMSE "$prefix/painted-on-white.png" "$prefix/drawn-on-white.png" null: 2>&1 || true; } |
  sed 's/.*(\(.*\))/\1/')
awk -v d="$difference" 'BEGIN { exit !(d < 0.02) }' ||
  fail "the scalable icon drawn at 256 pixels differs from the 256-pixel icon by $difference"

# The installed program starts on a screen of its own and is still running a few seconds later.
status=0
QT_QPA_PLATFORM=offscreen timeout 4 "$prefix/bin/daubery" >"$prefix/output" 2>&1 || status=$?
[ "$status" = 124 ] || fail "the installed game ended with status $status: $(cat "$prefix/output")"
echo "installed and checked"
