#!/usr/bin/env bash
# The windows' manners under a real window manager (openbox) on a virtual screen: the dialogs'
# placement, the keyboard after every deal and the quit request, as the widget tests check them,
# then the game itself: its dialogs offer no minimise or maximise, and after Start the main window
# has the keyboard, so Alt+O opens its Options menu. Screenshots go to the folder given third.
set -euo pipefail
game=$1
screen_tests=$2
shots=${3:-screens}
mkdir -p "$shots"
. "$(dirname "$0")/screen.sh"
start_window_manager

QT_QPA_PLATFORM=xcb DAUBERY_SHOTS=$shots "$screen_tests" --gtest_filter='WindowManners.*' ||
  fail "the window manners under openbox"

# Until openbox has put its frame round a window: it tells the window its frame's extents.
await_frame() {
  for _ in $(seq 300); do
    xprop -id "$(window "$1")" _NET_FRAME_EXTENTS 2>/dev/null | grep -q = && return 0
    sleep 0.1
  done
  fail "'$1' was never framed"
}
# The windows the game shows, menus included.
shown_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
# A dialog asks for no minimise or maximise button (the Motif hints' decorations 0x20 and 0x40), and
# the window manager offers no maximising. (Openbox keeps its own iconify button on every window.)
no_min_or_max() {
  local hints decorations actions
  hints=$(xprop -id "$(window "$1")" _MOTIF_WM_HINTS)
  decorations=$(awk -F'[=,] *' '{print $4}' <<<"$hints")
  [ -n "$decorations" ] && (((decorations & 0x61) == 0)) || fail "'$1' asks for minimise or maximise: $hints"
  actions=$(xprop -id "$(window "$1")" _NET_WM_ALLOWED_ACTIONS)
  case $actions in *MAXIMIZE*) fail "'$1' can be maximised: $actions" ;; esac
}

QT_QPA_PLATFORM=xcb "$game" &
pid=$!
await Daubery
await_frame Daubery
click_in Daubery 57 8                     # Play
await "Select your options"
await_frame "Select your options"
no_min_or_max "Select your options"
click_in "Select your options" 52 246     # Start
await "Daubery message board"
active() { xdotool getactivewindow getwindowname 2>/dev/null || true; }
for _ in $(seq 300); do [ "$(active)" = Daubery ] && break; sleep 0.1; done   # a loaded machine is slow
[ "$(active)" = Daubery ] || fail "after Start the keyboard is with '$(active)'"
before=$(shown_windows)
xdotool key alt+o                         # the Options menu opens
for _ in $(seq 300); do [ "$(shown_windows)" -gt "$before" ] && break; sleep 0.1; done
[ "$(shown_windows)" -gt "$before" ] || fail "Alt+O opened no menu"
import -window root "$shots/options-menu.png"
xdotool key Escape
xdotool key alt+f x                       # File, Exit
for _ in $(seq 300); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && fail "Alt+F, X did not reach the main window's File menu"
wait $pid || fail "the program did not end cleanly"
pid=
