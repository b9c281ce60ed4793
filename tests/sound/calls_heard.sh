#!/usr/bin/env bash
# Every call heard, and none with the sound off: the game plays a round on a sound server of the
# test's own (null_sink.sh) while its output is recorded. With sound on, each call's beep must start
# within 100 ms of the call; after Sound Off, the calls go on in silence. Then, with sound on again,
# the sound server hangs, and the calls must keep their pace.
# Usage: calls_heard.sh <play_calls program> [calls in each of the three runs]
set -euo pipefail
play_calls=$1
calls=${2:-4}
recorder=
game=
trap 'kill $recorder $game 2>/dev/null || true; stop_sound_server' EXIT
trap 'exit 1' INT TERM
. "$(dirname "$0")/null_sink.sh"
fail() { echo "FAILED: $*"; exit 1; }

rate=8000 # samples a second, one channel of 16 bits: a call at byte b of the recording is at sample b / 2
recording=$sound_dir/calls.raw
parec -d calls.monitor --raw --format=s16le --rate=$rate --channels=1 --latency-msec=10 >"$recording" &
recorder=$!
for _ in $(seq 100); do [ -s "$recording" ] && break; sleep 0.05; done
[ -s "$recording" ] || fail "nothing recorded from the sound server"

QT_QPA_PLATFORM=offscreen timeout 100 "$play_calls" "$recording" "$calls" >"$sound_dir/calls" &
game=$!
# The last call with sound off and a second after it recorded, the recording ends and the server hangs.
size() { stat -c %s "$1"; }
for _ in $(seq 1000); do
  [ "$(grep -c . "$sound_dir/calls")" -ge $((2 * calls)) ] || ! kill -0 $game 2>/dev/null && break
  sleep 0.05
done
last_silent=$(awk -v n=$((2 * calls)) 'NR == n { print $3 }' "$sound_dir/calls")
[ -n "$last_silent" ] || fail "the round did not play its calls: $(cat "$sound_dir/calls")"
for _ in $(seq 100); do [ "$(size "$recording")" -ge $((last_silent + 2 * rate)) ] && break; sleep 0.05; done
kill $recorder
wait $recorder 2>/dev/null || true
recorder=
kill -STOP "$sound_server"
status=0
wait $game || status=$?
game=
kill -CONT "$sound_server"
[ $status = 0 ] || fail "the round did not play its $((3 * calls)) calls: $(cat "$sound_dir/calls")"

# Where each beep starts: a sample louder than a fiftieth of full scale after a quarter second of
# silence, in samples from the start.
sox -t raw -r $rate -e signed -b 16 -c 1 "$recording" -t dat - |
  awk -v rate=$rate '!/^;/ { i++; v = $2 < 0 ? -$2 : $2; if (v > 0.02) { if (i - last > rate / 4) print i; last = i } }' \
    >"$sound_dir/beeps"

awk -v rate=$rate -v calls="$calls" '
  FNR == NR { beep[++beeps] = $1; next }
  $1 == "call" && n >= 2 * calls {
    # The sound server hangs: the time from the call before, against the longest with a server.
    n++; wait = $4 - previous; previous = $4
    printf "call %d, sound server hanging: %d ms after the call before\n", n, wait
    if (wait > longest + 1000) bad = 1
    next
  }
  $1 == "call" {
    if (n > 0 && $4 - previous > longest) longest = $4 - previous
    previous = $4
    call = $3 / 2; heard = ""
    for (b = 1; b <= beeps; b++) {
      lag = (beep[b] - call) * 1000 / rate
      if (lag > -100 && lag < 1000) heard = lag
    }
    n++
    if ($2 == "on") {
      ons++
      if (heard == "") { print "call " n ", sound on: not heard"; bad = 1 }
      else { printf "call %d, sound on: heard after %d ms\n", n, heard; if (heard > 100 || heard < -100) bad = 1 }
    } else if (heard != "") { printf "call %d, sound off: heard after %d ms\n", n, heard; bad = 1 }
    else print "call " n ", sound off: silent"
  }
  END {
    if (ons != calls || n != 3 * calls) { print "the calls were " ons " with sound on of " n; bad = 1 }
    if (beeps != calls) { print beeps " beeps recorded for " calls " calls with sound on"; bad = 1 }
    exit bad
  }' "$sound_dir/beeps" "$sound_dir/calls" || fail "the calls were not heard as they should be"
echo "every call with sound on heard, none with sound off, and the calls kept their pace with the server hung"
