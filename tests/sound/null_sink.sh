# shellcheck shell=bash
# Sourced by a test that listens to the game: starts a PulseAudio sound server of its own, in a
# private runtime folder, with one null sink, "calls", as its only output, and points the test's
# programs at it (PULSE_SERVER). Its monitor, "calls.monitor", records all that is played. Runs as
# root too, as in CI. The server ends when the test exits; a test with an exit trap of its own calls
# stop_sound_server from it.
sound_dir=$(mktemp -d)
export PULSE_SERVER=unix:$sound_dir/native
stop_sound_server() {
  # A server a test left hanging takes its end too.
  [ -n "${sound_server:-}" ] && kill -CONT "$sound_server" 2>/dev/null && kill "$sound_server" 2>/dev/null &&
    wait "$sound_server" 2>/dev/null
  rm -rf "$sound_dir"
  sound_server=
}
[ -z "$(trap -p EXIT)" ] && trap stop_sound_server EXIT
# Its own home and runtime folder: nothing of the machine's sound set-up is read or changed.
HOME=$sound_dir XDG_RUNTIME_DIR=$sound_dir XDG_CONFIG_HOME=$sound_dir/config \
  pulseaudio --daemonize=no -n --use-pid-file=no --exit-idle-time=-1 --disallow-exit --log-target=stderr \
  --load="module-null-sink sink_name=calls" \
  --load="module-native-protocol-unix socket=$sound_dir/native auth-anonymous=1" 2>"$sound_dir/server.log" &
sound_server=$!
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "FAILED: the sound server did not start: $(cat "$sound_dir/server.log")"; exit 1; }
