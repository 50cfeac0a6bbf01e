#!/usr/bin/env bash
# Plays generated sounds through the real player service into the session's null sink and
# records the sink's monitor: the sound must come out for about the file's length, and the
# end events must come in order, each within a second of its file's true length.
#   sound_output.sh SESSION_DIR sound_check.exe
set -uo pipefail
session=$(realpath "$1") check=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/sink_recording.sh"
export PULSE_SERVER=unix:$session/pulse.socket
export HOME=$session/home XDG_RUNTIME_DIR=$session/runtime
work="$session/声音 检查"
rm -rf "$work"
mkdir -p "$work/sy"
cd "$work"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A tone of each length, as WAV and as MP3, and voice clips without an extension.
sox -q -n -r 22050 -c 1 -b 16 tone.wav synth 2.0 sine 440 vol 0.5
sox -q -n -r 22050 -c 1 -b 16 -t wav - synth 3.5 sine 660 vol 0.5 2>/dev/null |
  lame --quiet -b 64 - tone.mp3
cp tone.wav sy/s7
cp tone.mp3 sy/f30
# The MP3's true length includes the encoder's padding; its sound lasts the tone's 3.5 s.
mp3_ms=$(soxi -D tone.mp3 | awk '{printf "%d", $1 * 1000}')
win() { printf 'Z:%s' "$(realpath "$1" | tr / '\\')"; }

# One recording of a play.
record() {
  local name=$1
  shift
  start_recording "$name.raw"
  "$here/sound_session.sh" run "$session" "$check" "$@" 2>/dev/null | tr -d '\r' >"$name.log"
  local status=${PIPESTATUS[0]}
  stop_recording
  return "$status"
}

# events_in_time NAME "INSTANCE:LENGTH_MS ..." : each listed instance ended within a second of
# its file's length, the ends came in the listed order, and a stop ended its play at once.
events_in_time() {
  local log=$1.log pair instance length started ended late order=
  for pair in $2; do
    instance=${pair%%:*} length=${pair#*:}
    started=$(awk -v p="$instance" '$1 == "start" && $2 == p { print $3 }' "$log")
    ended=$(awk -v p="$instance" '$1 == "end" && $2 == p { print $3 }' "$log")
    [ -n "$started" ] && [ -n "$ended" ] || return 1
    late=$((ended - started - length))
    [ $late -gt -1000 ] && [ $late -lt 1000 ] || return 1
    order+=$instance
  done
  [ "$(awk '$1 == "end" { printf "%s", $2 }' "$log")" = "${order:-1}" ] || return 1
  local stopped
  stopped=$(awk '$1 == "stop" { print $3 }' "$log")
  ended=$(awk '$1 == "end" { print $3 }' "$log")
  [ -z "$stopped" ] || { [ -n "$ended" ] && [ $((ended - stopped)) -lt 500 ]; }
}

# scenario NAME EXPECTED_SOUND_MS ENDS ARGS... : plays while recording, leaves the events in
# NAME.log; ENDS as for events_in_time.
# Wine's sound output stutters when the machine is busy; a play is judged on its best of three
# attempts, so that a player that plays nothing, too long or too short still fails.
scenario() {
  local name=$1 expected=$2 ends=$3
  shift 3
  local attempt status extent loud problem
  for attempt in 1 2 3; do
    record "$name" "$@"
    status=$?
    read -r extent loud < <(sound_extent "$name.raw")
    echo "$name (attempt $attempt): sound for $extent ms ($loud ms loud), expected $expected ms;" \
      "events: $(tr '\n' ' ' <"$name.log")"
    problem=
    if [ $status -ne 0 ]; then
      problem="the player check exited with $status"
    elif [ "$extent" -lt $((expected - 400)) ] || [ "$extent" -gt $((expected + 400)) ]; then
      problem="sound came out for $extent ms, not about $expected ms"
    elif [ "$loud" -lt $((extent * 8 / 10)) ]; then
      problem="only $loud of $extent ms were sound"
    elif ! events_in_time "$name" "$ends"; then
      problem="the events came out of time or out of order: $(tr '\n' ' ' <"$name.log")"
    fi
    [ -z "$problem" ] && return
  done
  fail "$name: $problem"
}

scenario wav 2000 "1:2000" play "$(win tone.wav)"
scenario mp3 3500 "1:$mp3_ms" play "$(win tone.mp3)"
scenario clip-wav 2000 "1:2000" play "$(win sy/s7)"
scenario clip-mp3 3500 "1:$mp3_ms" play "$(win sy/f30)"
scenario both 3500 "1:2000 2:$mp3_ms" play "$(win sy/s7)" "$(win tone.mp3)"
scenario stop 1000 "" stop-after 1000 "$(win tone.mp3)"

if [ $failures -ne 0 ]; then exit 1; fi
echo "sound output: all checks passed"
