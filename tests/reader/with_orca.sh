#!/usr/bin/env bash
# Runs a command beside the Orca screen reader on a virtual screen of its own: a private session
# bus, the accessibility bus, a sound server whose only output is a null sink, speech-dispatcher
# and Orca, writing its debug log (every "SPEECH OUTPUT" line) to the file named first.
#   with_orca.sh LOG SHOTS COMMAND...
set -euo pipefail
if [ -z "${DAUBERY_OWN_BUS:-}" ]; then
  DAUBERY_OWN_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
log=$1
shots=$2
shift 2
mkdir -p "$shots"
. "$(dirname "$0")/../xvfb/screen.sh"
start_window_manager

# Everything else keeps its settings and sockets in the test's own folder.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
helpers=()
orca=
# Orca is waited for as it ends: one still running would keep the next test's Orca from starting.
stop_orca() {
  [ -n "$orca" ] && kill "$orca" 2>/dev/null || return 0
  for _ in $(seq 50); do kill -0 "$orca" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$orca" 2>/dev/null || true
}
trap 'stop_orca; kill ${helpers[*]:-} $pid $wm $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT

pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
  --load=module-native-protocol-unix --load="module-null-sink sink_name=silent" \
  --load="module-always-sink" >"$work/pulse.log" 2>&1 &
helpers+=($!)
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || fail "the sound server did not start: $(cat "$work/pulse.log")"

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
helpers+=($!)
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.1
done
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true

# Orca will not start while another of the same user's runs: one from a test just ended is waited for.
for _ in $(seq 100); do pgrep -u "$(id -u)" -x orca >/dev/null || break; sleep 0.1; done
pgrep -u "$(id -u)" -x orca >/dev/null && fail "another Orca of this user is running; Orca will not start beside it"
: >"$log"
# Orca writes its log in blocks: a wait for a line lasts until the block is written.
orca --debug-file="$log" >"$work/orca.out" 2>&1 &
orca=$!
# Orca is ready once it has loaded its default script.
for _ in $(seq 300); do
  grep -q "SCRIPT MANAGER" "$log" 2>/dev/null && break
  kill -0 "$orca" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$orca" 2>/dev/null && grep -q "SCRIPT MANAGER" "$log" || fail "Orca did not start: $(cat "$work/orca.out")"

export -f fail window await
export shots work
"$@"
