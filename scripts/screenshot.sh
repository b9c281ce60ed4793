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
# A click at a point given relative to a window's top-left corner, found by its title.
in_window() {
  local id
  for _ in $(seq 50); do id=$(xdotool search --onlyvisible --name "^$1\$" | head -1); [ -n "$id" ] && break; sleep 0.1; done
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + $2 * scale)) $((Y + $3 * scale)) click 1; sleep 0.3
}
at 157 173                      # Play
in_window "Select your options" 80 36; xdotool key Down Return; sleep 0.3   # 2 Boards
in_window "Select your options" 52 246                                      # Start
sleep 9                         # a few calls
for row in 0 1 2 3 4; do        # daub every called number on both cards
  for col in 0 1 2 3 4; do
    at $((132 + 48 * col)) $((264 + 48 * row))
    at $((476 + 48 * col)) $((264 + 48 * row))
  done
done
mkdir -p "$(dirname "$out")"
# Until the ball has landed: its white face shows where the number is written.
for _ in $(seq 40); do
  import -window root -crop $((640 * scale))x$((530 * scale))+$((96 * scale))+0 +repage "$out"
  face=$(convert "$out" -format "%[fx:int(255*p{$((308 * scale)),$((305 * scale))}.intensity)]" info:)
  [ "$face" -gt 200 ] && break
  sleep 0.2
done
echo "wrote $out"
