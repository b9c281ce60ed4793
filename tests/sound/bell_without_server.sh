#!/usr/bin/env bash
# Without a sound server the calls ring the X bell: the game plays calls with sound on, off and on
# again on a virtual screen, with no sound server to be found, and the X server counts its bells.
# Usage: bell_without_server.sh <play_calls program> [calls in each of the three runs]
set -euo pipefail
play_calls=$1
calls=${2:-2}
shots=$(mktemp -d)
. "$(dirname "$0")/../xvfb/screen.sh"
listener=
trap 'kill $listener $xvfb 2>/dev/null || true; rm -rf "$work" "$shots"' EXIT

# The X server's bells, one line each, as the XKB event daemon hears them.
printf 'Bell() shell "echo bell >> %s/bells"\n' "$work" >"$work/events"
xkbevd -cfg "$work/events" >/dev/null 2>&1 &
listener=$!
# It rings once as it starts, when it is listening.
for _ in $(seq 100); do [ -s "$work/bells" ] && break; sleep 0.1; done
[ -s "$work/bells" ] || fail "the XKB event daemon hears no bell"
: >"$work/bells"
PULSE_SERVER=unix:$work/no-sound-server QT_QPA_PLATFORM=xcb timeout 60 "$play_calls" /dev/null "$calls" \
  >"$work/calls" || fail "the round did not play its calls: $(cat "$work/calls")"
wanted=$(grep -c '^call on' "$work/calls")
for _ in $(seq 100); do [ "$(grep -c . "$work/bells")" -ge "$wanted" ] && break; sleep 0.1; done
rang=$(grep -c . "$work/bells" || true)
[ "$rang" = "$wanted" ] || fail "$rang X bells for $wanted calls with sound on, of $(grep -c . "$work/calls")"
echo "$rang X bells for $wanted calls with sound on, none for the calls with sound off"
