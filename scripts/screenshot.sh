#!/usr/bin/env bash
# Plays a round on a virtual screen and takes the README's picture: two cards mid-round, some
# daubs, the ball at rest with its number, and the message board. Usage: scripts/screenshot.sh [out.png] [scale]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
scale=${2:-1}
display=${SCREENSHOT_DISPLAY:-:77}
[ -x build/daubery ] || cmake --build build --target daubery -j"$(nproc)"
Xvfb $display -screen 0 $((1280 * scale))x$((900 * scale))x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $game $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display QT_SCALE_FACTOR=$scale
sleep 1
./build/daubery &
game=$!
sleep 2
at() { xdotool mousemove $(($1 * scale)) $(($2 * scale)) click 1; sleep 0.3; }
at 157 173                      # Play
at 563 349; xdotool key Down Return; sleep 0.3   # 2 Boards
at 539 560                      # Start
sleep 9                         # a few calls
for row in 0 1 2 3 4; do        # daub every called number on both cards
  for col in 0 1 2 3 4; do
    at $((132 + 48 * col)) $((264 + 48 * row))
    at $((476 + 48 * col)) $((264 + 48 * row))
  done
done
sleep 2.6
mkdir -p "$(dirname "$out")"
import -window root -crop $((640 * scale))x$((530 * scale))+$((96 * scale))+0 +repage "$out"
echo "wrote $out"
