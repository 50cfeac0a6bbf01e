#!/usr/bin/env bash
# The generated sounds, measured, since no one listens to them here:
#   check_voice_clips.sh VOICE-LIST PACK-LIST ROOT
# Every clip exists as WAV (the pack's as MP3), lasts about as long as its phrase takes to
# say, longer phrases last longer, loudness stays in one band, the countdown lasts 12-14 s,
# and the demo pack speaks in a higher voice than the program.
set -u
voice_list=$1 pack_list=$2 root=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
within() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'; }
magic() { head -c "$2" "$1" | od -An -c | tr -d ' \n'; }
# Syllables said: pinyin syllables carry a tone number; the English name has two.
syllables() { echo "$1" | awk '{ n = gsub(/[a-z]+[1-5]/, ""); if ($0 ~ /en:/) n += 2; print n }'; }
# "LENGTH LOUDNESS LOW": seconds, RMS level in dB, and the RMS level of 60-150 Hz, where
# a low voice has its fundamental and a high one has next to nothing.
measure() {
  sox "$1" -n stats sinc -t 30 60-150 stats 2>&1 |
    awk '/^Length s/ && !length_s { length_s = $3 } /^RMS lev dB/ { rms[++n] = $4 }
         END { print length_s, rms[1], rms[2] }'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

loud_lo=-23 loud_hi=-17
summary=$(mktemp)
trap 'rm -f "$summary" "$summary".*' EXIT

while IFS=$'\t' read -r name _phrase said; do
  clip=$root/sy/$name
  if [ ! -s "$clip" ]; then fail "sy/$name is missing or empty"; continue; fi
  [ "$(magic "$clip" 4)" = RIFF ] || fail "sy/$name is not WAV content"
  read -r length rms low < <(measure "$clip")
  n=$(syllables "$said")
  within "$rms" $loud_lo $loud_hi || fail "sy/$name loudness $rms dB outside $loud_lo..$loud_hi"
  if [ "$name" = g0 ]; then
    within "$length" 12 14 || fail "sy/g0 lasts $length s, not 12-14 s"
    g0_length=$length
  else
    # Spoken at 2 to 6 syllables a second.
    within "$(echo "$length / $n" | bc -l)" 0.16 0.5 || fail "sy/$name lasts $length s for $n syllables"
    echo "$name $n $length $rms $low" >>"$summary"
  fi
done <"$voice_list"

# Growing with the phrase: "…点整" outlasts "…点" for every hour, and the mean length rises
# with the number of syllables.
for h in $(seq 0 23); do
  a=$(awk -v c="s${h}z" '$1 == c { print $3 }' "$summary")
  b=$(awk -v c="s$h" '$1 == c { print $3 }' "$summary")
  [ -n "$a" ] && [ -n "$b" ] && within "$a" "$b" 1000 || fail "sy/s${h}z ($a s) is not longer than sy/s$h ($b s)"
done
awk '{ sum[$2] += $3; count[$2]++ } END { for (n in sum) print n, sum[n] / count[n] }' "$summary" |
  sort -n >"$summary.means"
awk 'NR > 1 && $2 <= previous { bad = 1 } { previous = $2 } END { exit bad }' "$summary.means" ||
  fail "the mean length does not grow with the syllables: $(tr '\n' ';' <"$summary.means")"

for k in 1 2 3 4 5; do
  clip=$root/sy/n$k
  if [ ! -s "$clip" ]; then fail "sy/n$k is missing or empty"; continue; fi
  [ "$(magic "$clip" 4)" = RIFF ] || fail "sy/n$k is not WAV content"
  read -r length rms _low < <(measure "$clip")
  within "$length" 1.5 8 || fail "sy/n$k lasts $length s, not a few seconds"
  within "$rms" -24 -15 || fail "sy/n$k loudness $rms dB outside -24..-15"
  echo "n$k $length $rms" >>"$summary.sounds"
done

pack=$root/明星报时/Korvane
while IFS=$'\t' read -r name _phrase said; do
  clip=$pack/$name.mp3
  if [ ! -s "$clip" ]; then fail "Korvane/$name.mp3 is missing or empty"; continue; fi
  case $(magic "$clip" 3) in ID3 | 377*) ;; *) fail "Korvane/$name.mp3 is not MP3 content" ;; esac
  read -r length rms low < <(measure "$clip")
  within "$(echo "$length / $(syllables "$said")" | bc -l)" 0.16 0.5 ||
    fail "Korvane/$name.mp3 lasts $length s for $(syllables "$said") syllables"
  within "$rms" $loud_lo $loud_hi || fail "Korvane/$name.mp3 loudness $rms dB outside $loud_lo..$loud_hi"
  echo "$low" >>"$summary.pack"
done <"$pack_list"
own_low=$(awk '$1 ~ /^s[0-9]+z$/ { print $5 }' "$summary" | median)
pack_low=$(median <"$summary.pack")
within "$(echo "$own_low - ($pack_low)" | bc -l)" 10 1000 ||
  fail "the demo pack's voice is not clearly higher: 60-150 Hz at $pack_low dB against the program's $own_low dB"

echo "voice clips: $(wc -l <"$summary") timed, $(awk 'NR == 1 || $3 < lo { lo = $3 } NR == 1 || $3 > hi { hi = $3 } END { printf "%.2f-%.2f s", lo, hi }' "$summary")," \
  "loudness $(awk 'NR == 1 || $4 < lo { lo = $4 } NR == 1 || $4 > hi { hi = $4 } END { printf "%.1f..%.1f dB", lo, hi }' "$summary");" \
  "g0 ${g0_length:-?} s; built-in sounds: $(tr '\n' ' ' <"$summary.sounds" 2>/dev/null);" \
  "60-150 Hz level: program $own_low dB, demo pack $pack_low dB"
[ $failures -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "ok: every clip"
