#!/usr/bin/env bash
# Daubery for Windows under Wine, on a virtual screen, as a player meets it: the installer installs
# it silently; the game, started from where it was installed, plays a round with the mouse (Play,
# Start, a daub on the free space, the claim) and quits from its File menu; the uninstaller takes
# everything away again. Needs WINEPREFIX, a fresh one; screenshots go to the folder given second.
set -euo pipefail
installer=$1
shots=${2:-screens}
mkdir -p "$shots"
. "$(dirname "$0")/../xvfb/screen.sh"
await_tries=1800 # Wine takes a while to open its first window in a fresh folder
start_window_manager

drive_c="$WINEPREFIX/drive_c"
folder="$drive_c/Program Files/Daubery"
start_menu='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Daubery.lnk'
programs='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Daubery'
listed() { wine reg query "$programs" /v "$1" /reg:64 2>/dev/null | tr -d '\r' | grep -o "REG_[A-Z]* *.*" || true; }

# Installed silently: the program and its uninstaller alone, in the Start menu and the list of programs.
wine "$installer" /S || fail "the installer failed"
[ "$(ls "$folder" | tr '\n' ' ')" = "daubery.exe uninstall.exe " ] ||
  fail "Program Files holds $(ls "$folder" | tr '\n' ' '), not the program and its uninstaller"
[ -f "$(winepath -u "$start_menu")" ] || fail "no Start menu entry"
[ "$(listed DisplayName)" = "REG_SZ    Daubery" ] || fail "not in the list of programs: $(listed DisplayName)"
[ "$(listed UninstallString)" = "REG_SZ    \"C:\\Program Files\\Daubery\\uninstall.exe\"" ] ||
  fail "the list of programs uninstalls with $(listed UninstallString)"
# One program that needs no DLLs beyond those every Windows has in its system folder, or as one of
# its sets of functions (api-ms-win-...) that the loader finds itself.
for dll in $(x86_64-w64-mingw32-objdump -p "$folder/daubery.exe" | sed -n 's/.*DLL Name: //p' | grep -v '^api-ms-win-'); do
  [ -n "$(find "$drive_c/windows/system32" -maxdepth 1 -iname "$dll")" ] || fail "daubery.exe needs $dll"
done

shot() { import -window root "$shots/$1.png"; }
# The colour of one pixel of the screen, at a point relative to a window's client area.
colour_at() {
  local x y
  corner "$1"
  import -window root -crop "1x1+$((x + $2))+$((y + $3))" -depth 8 txt:- | sed -n 's/.*\(#[0-9A-F]\{6\}\).*/\1/p'
}

# Wine's shell hands web addresses to the browsers named here: this one writes down what it gets.
printf '#!/bin/sh\necho "$@" >>"%s/browsed"\n' "$work" >"$work/browser"
chmod +x "$work/browser"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$work/browser" /f >/dev/null

wine "$folder/daubery.exe" &
await Daubery
shot wine-main
click_in Daubery 301 315 # Visit our site
for _ in $(seq 100); do [ -s "$work/browsed" ] && break; sleep 0.1; done
# (Wine's shell writes the address out whole, with the slash of its top folder.)
[ "$(cat "$work/browsed" 2>/dev/null)" = https://daubery.org/ ] ||
  fail "the web link did not reach the browser: $(cat "$work/browsed" 2>/dev/null)"
click_in Daubery 57 10 # Play
await "Select your options"
shot wine-options
click_in "Select your options" 52 246 # Start
await "Daubery message board"
sleep 4 # the first ball falls
shot wine-round
# The free space of card 1, daubed: its middle changes colour.
before=$(colour_at Daubery 120 200)
click_in Daubery 128 192
after=$(colour_at Daubery 120 200)
[ "$before" != "$after" ] || fail "the free space did not take the daub ($before)"
shot wine-daubed
click_in Daubery 304 344 # B I N G O, too early: the round goes on
shot wine-claimed
xdotool key --delay 300 alt+f x # File, Exit: by its keys, whether or not a computer has won meanwhile
await Daubery gone
timeout 30 wineserver --wait || fail "the game did not end after File, Exit"

# Uninstalled silently: nothing left in Program Files, the Start menu or the list of programs.
wine "$folder/uninstall.exe" /S || fail "the uninstaller failed"
for _ in $(seq 300); do [ -e "$folder" ] || break; sleep 0.1; done
[ ! -e "$folder" ] || fail "the uninstaller left $(ls "$folder" | tr '\n' ' ')"
[ ! -e "$(winepath -u "$start_menu")" ] || fail "the uninstaller left the Start menu entry"
[ -z "$(listed DisplayName)" ] || fail "the uninstaller left Daubery in the list of programs"
echo "Installed, played a round and uninstalled under Wine"
