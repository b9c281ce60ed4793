#!/usr/bin/env bash
# The game on a Wayland desktop, started as a player starts it, with no window system chosen: under
# weston (its headless back end, with Xwayland) the windows keep their places, the options dialog and
# the About box over the main window, the message board just above it, and the window's class is the
# one its menu entry names.
# Usage: board_above.sh <game> <menu entry> <folder for screenshots>
set -euo pipefail
game=$1
entry=$2
shots=${3:-screens}
mkdir -p "$shots"
work=$(mktemp -d)
chmod 700 "$work"
compositor=
pid=
trap 'kill $pid $compositor 2>/dev/null || true; rm -rf "$work"' EXIT
# The compositor's own picture of its screen (Xwayland's root window shows nothing).
screenshot() { (cd "$work" && rm -f wayland-screenshot-*.png && timeout 10 weston-screenshooter && mv wayland-screenshot-*.png "$shots/$1") >/dev/null 2>&1 || true; }
fail() { echo "FAILED: $*"; screenshot failure.png; cat "$work/weston.log" "$work/game.log"; exit 1; }

# Xwayland's socket goes where every X server's does, a folder a machine without X lacks.
[ -d /tmp/.X11-unix ] || { mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix; }
export XDG_RUNTIME_DIR=$work
weston --backend=headless-backend.so --use-pixman --debug --xwayland --socket=wayland-daubery --width=1280 --height=900 \
  --idle-time=0 --log="$work/weston.log" >/dev/null 2>&1 &
compositor=$!
for _ in $(seq 100); do grep -q 'xserver listening on display' "$work/weston.log" 2>/dev/null && break; sleep 0.1; done
display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
[ -n "$display" ] || fail "weston started no Xwayland"
# A Wayland session, as a desktop sets it up for the programs it starts.
export WAYLAND_DISPLAY=wayland-daubery DISPLAY=$display XDG_SESSION_TYPE=wayland
unset QT_QPA_PLATFORM

window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
# A window of the game on the X server, once the compositor has framed it.
await() {
  for _ in $(seq 150); do
    [ -n "$(window "$1")" ] && ! xwininfo -children -id "$(window "$1")" | grep -q 'Parent window id:.*root' && return 0
    sleep 0.1
  done
  fail "window '$1' did not appear framed on the X server: the game took Wayland"
}
# A window's client area on the screen: left, top, width, height.
place() {
  xwininfo -id "$(window "$1")" |
    awk -F: '/Absolute upper-left X/ {x = $2} /Absolute upper-left Y/ {y = $2} /Width/ {w = $2} /Height/ {h = $2}
             END {print x + 0, y + 0, w + 0, h + 0}'
}

play() {
  [ -z "$pid" ] || { kill $pid && wait $pid; } 2>/dev/null || true
  "$game" >"$work/game.log" 2>&1 &
  pid=$!
  await Daubery
}
play
class=$(xprop -id "$(window Daubery)" WM_CLASS | sed -n 's/.*= "\(.*\)", "\(.*\)"/\2/p')
wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$class" ] && [ "$class" = "${wanted:-$(basename "$entry" .desktop)}" ] ||
  fail "the window's class '$class' is not the menu entry's ($entry)"

# Over the main window: the centres of the two client areas within a few dozen pixels.
over_main() {
  read -r mx my mw mh <<<"$(place Daubery)"
  read -r dx dy dw dh <<<"$(place "$1")"
  echo "main window at $mx,$my ($mw x $mh), '$1' at $dx,$dy ($dw x $dh)"
  local across=$((dx + dw / 2 - mx - mw / 2)) down=$((dy + dh / 2 - my - mh / 2))
  [ "${across#-}" -le 40 ] && [ "${down#-}" -le 40 ] || fail "'$1' is not over the main window"
}

# The keys sent to the window itself: Xwayland takes no made-up input from the X test extension.
xdotool key --window "$(window Daubery)" alt+p 2>/dev/null # Play
await "Select your options"
screenshot options.png
over_main "Select your options"
xdotool key --window "$(window "Select your options")" Return 2>/dev/null # Start
await "Daubery message board"
screenshot wayland.png
read -r bx by bw bh <<<"$(place "Daubery message board")"
echo "main window at $mx,$my ($mw x $mh), message board at $bx,$by ($bw x $bh)"
# Just above: its bottom edge over the main window's title bar, with the same left edge.
gap=$((my - (by + bh)))
[ "$gap" -ge 0 ] && [ "$gap" -le 60 ] && [ "$((bx - mx))" -ge -20 ] && [ "$((bx - mx))" -le 20 ] ||
  fail "the message board is not just above the main window"
echo "the message board just above the main window under Wayland"

# The About box, in a game started afresh: here a closed dialog leaves the keyboard with no window.
play
xdotool key --window "$(window Daubery)" alt+h 2>/dev/null # Help, About
xdotool key --window "$(window Daubery)" a 2>/dev/null
await "Daubery help"
screenshot about.png
over_main "Daubery help"
