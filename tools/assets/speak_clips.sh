#!/usr/bin/env bash
# Speaks every line of a phrase list (see voice_phrases.sh) into one clip each:
#   speak_clips.sh LIST OUT-DIR VOICE FORMAT [SUFFIX]
# VOICE is an espeak-ng variant and its settings, e.g. "+m3 -s 165 -p 45"; FORMAT is wav or
# mp3. Each part of a phrase is trimmed of its silences, then the parts are joined with short
# pauses and the clip is brought to one loudness, so clips sound alike whatever they say.
set -euo pipefail
list=$1 out=$2 voice=$3 format=$4 suffix=${5:-}
read -r variant speech_options <<<"$voice"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

rate=22050
target_rms_db=-20
pause_seconds=0.25

silence() {  # FILE SECONDS
  sox -n -r $rate -c 1 -b 16 "$1" trim 0 "$2"
}

# One part: speech trimmed of leading and trailing silence; a beat is padded to one second.
speak_part() {  # TEXT FILE
  local text=$1 file=$2 language=cmn-latn-pinyin
  local beat=0
  case $text in beat:*) beat=1 text=${text#beat:} ;; esac
  case $text in en:*) language=en text=${text#en:} ;; esac
  # shellcheck disable=SC2086
  espeak-ng -v "$language$variant" $speech_options -w "$work/raw.wav" "$text"
  sox "$work/raw.wav" -r $rate -c 1 -b 16 "$file" \
    silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
  if [ $beat = 1 ]; then
    local length
    length=$(soxi -D "$file")
    sox "$file" "$work/beat.wav" pad 0 "$(echo "if ($length < 1) 1 - $length else 0" | bc -l)" trim 0 1
    mv "$work/beat.wav" "$file"
  fi
}

silence "$work/pause.wav" $pause_seconds
silence "$work/edge.wav" 0.05
while IFS=$'\t' read -r name _phrase said; do
  parts=("$work/edge.wav")
  index=0 after_beat=0
  while IFS= read -r part; do
    part=$(echo "$part" | sed 's/^ *//; s/ *$//')
    [ -n "$part" ] || continue
    # A beat keeps its own time; a pause after it would slow the count.
    [ $index -gt 0 ] && [ $after_beat = 0 ] && parts+=("$work/pause.wav")
    speak_part "$part" "$work/part$index.wav"
    parts+=("$work/part$index.wav")
    case $part in beat:*) after_beat=1 ;; *) after_beat=0 ;; esac
    index=$((index + 1))
  done < <(echo "$said" | tr '|' '\n')
  parts+=("$work/edge.wav")
  sox "${parts[@]}" "$work/joined.wav"
  rms=$(sox "$work/joined.wav" -n stats 2>&1 | awk '/^RMS lev dB/ {print $4}')
  gain=$(echo "$target_rms_db - ($rms)" | bc -l)
  if [ "$format" = mp3 ]; then
    sox "$work/joined.wav" "$work/level.wav" gain -l "$gain"
    lame --quiet -b 48 -m m "$work/level.wav" "$out/$name$suffix"
  else
    sox "$work/joined.wav" -t wav "$out/$name$suffix" gain -l "$gain"
  fi
done <"$list"
