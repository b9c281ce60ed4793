# shellcheck shell=bash
# Sourced by the tests on a virtual screen: starts one of their own (DISPLAY names it) and ends it,
# with the processes the test keeps in $wm and $pid, when the test exits. Needs $shots, the folder
# for a screenshot of a failure.
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x900x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
wm=
pid=
trap 'kill $pid $wm $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
trap 'exit 1' TERM INT # a test stopped at its time limit still ends its screen
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

# Openbox managing the screen, once it says it does.
start_window_manager() {
  openbox >/dev/null 2>&1 &
  wm=$!
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
}

fail() { echo "FAILED: $*"; import -window root "$shots/failure.png" 2>/dev/null || true; exit 1; }
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
await() { # a window by title, or its absence with "gone", in ten seconds or $await_tries tenths
  for _ in $(seq "${await_tries:-100}"); do
    if [ "${2:-}" = gone ]; then [ -z "$(window "$1")" ] && return 0
    else [ -n "$(window "$1")" ] && return 0; fi
    sleep 0.1
  done
  fail "window '$1' ${2:-did not appear}"
}

# Where a window's client area starts on the screen, in $x and $y (xwininfo knows it under a window
# manager's frame too).
corner() {
  local info
  info=$(xwininfo -id "$(window "$1")")
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
}
# Clicks at a point given relative to a window's client area.
click_in() {
  local x y
  corner "$1"
  xdotool mousemove $((x + $2)) $((y + $3)) click 1
  sleep 0.4
}
