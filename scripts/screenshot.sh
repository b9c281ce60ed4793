#!/usr/bin/env bash
# Plays a round on a virtual screen under a window manager and takes the README's picture: two cards
# mid-round with every called number daubed, the ball at rest with its number, and the message board
# above. Usage: scripts/screenshot.sh [out.png] [scale]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/screenshot.png}")
scale=${2:-1}
[ -x build/daubery ] || cmake --build build --target daubery -j"$(nproc)"
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 $((1280 * scale))x$((900 * scale))x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $game $wm $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display") QT_SCALE_FACTOR=$scale
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
./build/daubery &
game=$!
window() { for _ in $(seq 100); do xdotool search --onlyvisible --name "^$1\$" | head -1 && return; sleep 0.1; done; }
main=$(window Daubery)
xdotool windowactivate --sync "$main" key alt+p
options=$(window "Select your options")
xdotool windowactivate --sync "$options" key Down Return # two boards, Start
board=$(window "Daubery message board")
sleep 35 # a few calls
# Every square of both cards by the keyboard: Space daubs a called number and leaves the rest.
xdotool windowactivate --sync "$main"
for card in 1 2; do
  for row in 1 2 3 4 5; do
    for _ in 1 2 3 4; do xdotool key space $([ $((row % 2)) = 1 ] && echo Right || echo Left); done
    xdotool key space Down
  done
  [ $card = 1 ] && xdotool key Tab
done
# The picture as the ball lands, before the next call: its white face shows under the chute's top.
# A window's client area on the screen, as X, Y, WIDTH and HEIGHT with the prefix given.
geometry() {
  xwininfo -id "$1" | awk -v p="$2" -F: '/Absolute upper-left X/ {print p "X=" $2 + 0} /Absolute upper-left Y/ {print p "Y=" $2 + 0}
    /Width/ {print p "WIDTH=" $2 + 0} /Height/ {print p "HEIGHT=" $2 + 0}'
}
eval "$(geometry "$board" BOARD_)"
eval "$(geometry "$main" "")"
frame=$((1 * scale)) title=$((20 * scale))
left=$((X - frame)) top=$((BOARD_Y - title))
width=$((frame + (BOARD_X + BOARD_WIDTH > X + WIDTH ? BOARD_X + BOARD_WIDTH : X + WIDTH) - X + frame))
height=$((Y + HEIGHT + frame - top))
mkdir -p "$(dirname "$out")"
for _ in $(seq 60); do
  import -window root -crop "${width}x${height}+${left}+${top}" +repage "$out"
  face=$(convert "$out" -format "%[fx:int(255*p{$((X - left + 305 * scale)),$((Y - top + 140 * scale))}.intensity)]" info:)
  [ "$face" -gt 200 ] && break
  sleep 0.2
done
# The desktop beside the narrower window is left out, so the page behind shows there.
right=$((X + WIDTH + frame - left)) below=$((BOARD_Y + BOARD_HEIGHT + frame - top))
[ "$right" -lt "$width" ] &&
  convert "$out" -alpha set -region "$((width - right))x$((height - below))+${right}+${below}" -alpha transparent "$out"
echo "wrote $out"
