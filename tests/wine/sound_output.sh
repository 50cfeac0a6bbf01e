#!/usr/bin/env bash
# Plays generated sounds through the real player service into the session's null sink and
# records the sink's monitor: the sound must come out for about the file's length, and the
# end events must come in order, each within a second of its file's true length.
#   sound_output.sh SESSION_DIR sound_check.exe
set -uo pipefail
session=$(realpath "$1") check=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
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

# Non-silent stretches of a recording (raw 16-bit mono, 8 kHz) in 50 ms windows: the first
# sound to the last, and how much of it was sound.
sound_extent() {
  sox -t raw -r 8000 -e signed -b 16 -c 1 "$1" -t dat - | awk '
    /^;/ { next }
    { n++; sum += $2 * $2
      if (n == 400) { w++; if (sqrt(sum / n) > 0.02) { if (!first) first = w; last = w; loud++ }
                      n = 0; sum = 0 } }
    END { if (!first) print 0, 0; else print (last - first + 1) * 50, loud * 50 }'
}

# scenario NAME EXPECTED_SOUND_MS ARGS... : plays while recording, leaves the events in NAME.log
scenario() {
  local name=$1 expected=$2
  shift 2
  parec -d tockly_sink.monitor --latency-msec=20 --format=s16le --rate=8000 --channels=1 \
    --raw >"$name.raw" 2>/dev/null &
  local recorder=$!
  sleep 0.5
  "$here/sound_session.sh" run "$session" "$check" "$@" 2>/dev/null | tr -d '\r' >"$name.log"
  local status=${PIPESTATUS[0]}
  sleep 0.3
  kill -INT $recorder
  wait $recorder 2>/dev/null
  [ $status -eq 0 ] || fail "$name: the player check exited with $status: $(tr '\n' ' ' <"$name.log")"
  read -r extent loud < <(sound_extent "$name.raw")
  echo "$name: sound for $extent ms ($loud ms loud), expected $expected ms; events: $(tr '\n' ' ' <"$name.log")"
  [ "$extent" -ge $((expected - 400)) ] && [ "$extent" -le $((expected + 400)) ] ||
    fail "$name: sound came out for $extent ms, not about $expected ms"
  [ "$loud" -ge $((extent * 8 / 10)) ] || fail "$name: only $loud of $extent ms were sound"
}

# ends_in_time NAME INSTANCE LENGTH_MS : the end came within a second of the file's length
ends_in_time() {
  local started ended
  started=$(awk -v p="$2" '$1 == "start" && $2 == p { print $3 }' "$1.log")
  ended=$(awk -v p="$2" '$1 == "end" && $2 == p { print $3 }' "$1.log")
  if [ -z "$started" ] || [ -z "$ended" ]; then
    fail "$1: instance $2 did not report its start and end"
    return
  fi
  local late=$((ended - started - $3))
  echo "$1: instance $2 ended $late ms after its length"
  [ $late -gt -1000 ] && [ $late -lt 1000 ] || fail "$1: instance $2 ended $late ms off its length"
}

scenario wav 2000 play "$(win tone.wav)"
ends_in_time wav 1 2000
scenario mp3 3500 play "$(win tone.mp3)"
ends_in_time mp3 1 "$mp3_ms"
scenario clip-wav 2000 play "$(win sy/s7)"
ends_in_time clip-wav 1 2000
scenario clip-mp3 3500 play "$(win sy/f30)"
ends_in_time clip-mp3 1 "$mp3_ms"

scenario both 3500 play "$(win sy/s7)" "$(win tone.mp3)"
ends_in_time both 1 2000
ends_in_time both 2 "$mp3_ms"
order=$(awk '$1 == "end" { printf "%s", $2 }' both.log)
[ "$order" = 12 ] || fail "both: the end events came in the order $order, not 12"

scenario stop 1000 stop-after 1000 "$(win tone.mp3)"
stopped=$(awk '$1 == "stop" { print $3 }' stop.log)
ended=$(awk '$1 == "end" { print $3 }' stop.log)
[ -n "$stopped" ] && [ -n "$ended" ] && [ $((ended - stopped)) -lt 500 ] ||
  fail "stop: no end event soon after the stop"

if [ $failures -ne 0 ]; then exit 1; fi
echo "sound output: all checks passed"
