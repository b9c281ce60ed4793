#!/usr/bin/env bash
# On a real (virtual) screen: the main window opens, real mouse clicks on its menus play a round
# and end it, and File/Exit ends the program. Screenshots go to the folder given second.
set -euo pipefail
game=$1
shots=${2:-screens}
mkdir -p "$shots"
. "$(dirname "$0")/screen.sh"

"$game" &
pid=$!
await Daubery
import -window root "$shots/start.png"
click_in Daubery 57 8                     # Play
await "Select your options"
import -window root "$shots/options.png"
click_in "Select your options" 52 246     # Start
await "Daubery message board"
sleep 3                                   # the first ball falls
import -window root "$shots/round.png"
click_in Daubery 70 8                     # End Play
await "Daubery message board" gone
click_in Daubery 57 8                     # Play again
await "Select your options"
click_in "Select your options" 52 246
await "Daubery message board"
click_in Daubery 20 8                     # File
click_in Daubery 40 30                    # Exit
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && fail "Exit did not end the program"
wait $pid || fail "the program did not end cleanly"
pid=
