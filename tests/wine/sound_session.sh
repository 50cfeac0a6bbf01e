#!/usr/bin/env bash
# A PulseAudio daemon with a null sink and a Wine prefix of their own, for the checks whose
# sound must really come out (and be recorded from the sink's monitor).
#   sound_session.sh start DIR   start the daemon and the prefix's wineserver
#   sound_session.sh stop DIR    stop what start started
#   sound_session.sh run DIR PROGRAM ARGS...   run a Windows program that plays into the sink
set -u
here=$(cd "$(dirname "$0")" && pwd)
action=$1 dir=$(realpath -m "$2")
shift 2
export WINEPREFIX=$dir/wineprefix
export PULSE_SERVER=unix:$dir/pulse.socket
# The daemon keeps its state and cookie here instead of the user's home.
export HOME=$dir/home XDG_RUNTIME_DIR=$dir/runtime XDG_CONFIG_HOME=$dir/home/.config

case $action in
start)
  mkdir -p "$dir" "$HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  rm -f "$dir/pulse.socket"  # left by a daemon that was killed
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false --disallow-exit \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$dir/pulse.socket" \
    -L "module-null-sink sink_name=tockly_sink rate=44100" \
    >"$dir/pulseaudio.log" 2>&1 &
  echo $! >"$dir/pulseaudio.pid"
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl info >/dev/null 2>&1 || { echo "PulseAudio did not start" >&2; cat "$dir/pulseaudio.log" >&2; exit 1; }
  pactl set-default-sink tockly_sink
  # The wineserver starts after PULSE_SERVER is set, so every Wine process plays into the sink.
  "$here/../../scripts/wine-prefix.sh" || exit 1
  echo "sink tockly_sink at $PULSE_SERVER, prefix $WINEPREFIX"
  ;;
stop)
  wineserver -k 2>/dev/null
  [ -s "$dir/pulseaudio.pid" ] && kill "$(cat "$dir/pulseaudio.pid")" 2>/dev/null
  rm -f "$dir/pulseaudio.pid"
  true
  ;;
run)
  exec "$here/../../scripts/wine-run.sh" "$@"
  ;;
esac
