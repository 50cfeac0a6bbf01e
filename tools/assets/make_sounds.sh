#!/usr/bin/env bash
# The five built-in alarm sounds, synthesised: make_sounds.sh OUT-DIR
#   n1 cuckoo, n2 beeps, n3 wall clock, n4 door bell, n5 trumpet (WAV content, no extension).
set -euo pipefail
out=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
rate=22050
synth() { sox -n -r $rate -c 1 -b 16 "$@"; }

# A struck metal tone: a fundamental and the inharmonic partials of a bell, dying away.
bell() {  # FILE FREQUENCY SECONDS
  local f=$2 s=$3
  # The fade runs over three times the note, so the note ends still ringing softly.
  local fade_length
  fade_length=$(echo "$s * 3" | bc -l)
  synth "$1" synth "$fade_length" sine "$f" sine mix "$(echo "$f * 2.0" | bc -l)" \
    sine mix "$(echo "$f * 2.76" | bc -l)" sine mix "$(echo "$f * 5.4" | bc -l)" \
    fade l 0.003 "$fade_length" "$fade_length" trim 0 "$s" fade t 0 "$s" 0.05 gain -n -3
}

# A soft whistled note, as a cuckoo's two calls.
call() {  # FILE FREQUENCY SECONDS
  synth "$1" synth "$3" sine "$2" sine mix "$(echo "$2 * 2" | bc -l)" \
    fade h 0.04 "$3" 0.12 gain -n -4
}

# A brass note: two slightly detuned sawtooths, rounded off, with a quick attack.
brass() {  # FILE FREQUENCY SECONDS
  synth "$1" synth "$3" sawtooth "$2" sawtooth mix "$(echo "$2 * 1.004" | bc -l)" gain -8 \
    lowpass 2400 overdrive 6 fade t 0.03 "$3" 0.06 gain -n -3
}

# Places each FILE@SECONDS on a common timeline and mixes them.
timeline() {  # OUT FILE@START...
  local target=$1 inputs=()
  shift
  for item in "$@"; do inputs+=("|sox ${item%@*} -p pad ${item#*@}"); done
  if [ ${#inputs[@]} -eq 1 ]; then sox "${inputs[0]}" "$target"; else sox -m "${inputs[@]}" "$target"; fi
}

# Brought to the loudness of the voice clips, so no sound startles after an announcement.
finish() {  # MIXED NAME
  local rms
  rms=$(sox "$1" -n stats 2>&1 | awk '/^RMS lev dB/ {print $4}')
  sox "$1" -t wav "$out/$2" gain -l "$(echo "-18 - ($rms)" | bc -l)"
}

# n1: cuckoo, three times "cu-ckoo", the second note a major third lower.
call "$work/cu.wav" 740 0.22
call "$work/ckoo.wav" 587 0.42
timeline "$work/n1.wav" "$work/cu.wav@0" "$work/ckoo.wav@0.26" "$work/cu.wav@1.0" \
  "$work/ckoo.wav@1.26" "$work/cu.wav@2.0" "$work/ckoo.wav@2.26"
finish "$work/n1.wav" n1

# n2: beeps, four bursts of four short beeps, as a digital watch.
synth "$work/beep.wav" synth 0.07 square 2048 gain -6 lowpass 6000 fade t 0.003 0.07 0.003 gain -n -6
beeps=()
for burst in 0 0.8 1.6 2.4; do
  for k in 0 1 2 3; do beeps+=("$work/beep.wav@$(echo "$burst + $k * 0.12" | bc -l)"); done
done
timeline "$work/n2.wav" "${beeps[@]}"
finish "$work/n2.wav" n2

# n3: wall clock, tick-tock, then three strikes of its gong.
synth "$work/tick.wav" synth 0.012 pinknoise highpass 2500 fade t 0 0.012 0.01 gain -n -8
synth "$work/tock.wav" synth 0.015 pinknoise bandpass 1300 400 fade t 0 0.015 0.012 gain -n -8
bell "$work/gong.wav" 196 2.4
timeline "$work/n3.wav" "$work/tick.wav@0" "$work/tock.wav@0.5" "$work/tick.wav@1.0" \
  "$work/tock.wav@1.5" "$work/gong.wav@2.0" "$work/gong.wav@3.3" "$work/gong.wav@4.6"
finish "$work/n3.wav" n3

# n4: door bell, ding-dong, twice.
bell "$work/ding.wav" 659 1.6
bell "$work/dong.wav" 523 2.0
timeline "$work/n4.wav" "$work/ding.wav@0" "$work/dong.wav@0.55" "$work/ding.wav@1.9" \
  "$work/dong.wav@2.45"
finish "$work/n4.wav" n4

# n5: trumpet, a short call: G C E G, E, G held.
notes=()
at=0
for note in 392:0.16 523:0.16 659:0.16 784:0.36 659:0.16 784:0.9; do
  frequency=${note%:*} length=${note#*:}
  brass "$work/brass$at.wav" "$frequency" "$length"
  notes+=("$work/brass$at.wav@$at")
  at=$(echo "$at + $length + 0.04" | bc -l)
done
timeline "$work/n5.wav" "${notes[@]}"
finish "$work/n5.wav" n5
