# Recording the sound session's null sink, for the checks that hear what a program played.
# Sourced; PULSE_SERVER, HOME and XDG_RUNTIME_DIR must point at the sound session.

# start_recording FILE: records the sink's monitor (raw 16-bit mono, 8 kHz) into FILE and
# returns once the recorder is live, so that the beginning of a sound is not lost.
start_recording() {
  rm -f "$1"
  parec -d tockly_sink.monitor --latency-msec=20 --format=s16le --rate=8000 --channels=1 \
    --raw >"$1" 2>/dev/null &
  recorder=$!
  for _ in $(seq 50); do [ -s "$1" ] && break; sleep 0.1; done
  sleep 0.3
}

stop_recording() {
  sleep 0.3
  kill -INT "$recorder"
  wait "$recorder" 2>/dev/null
}

# sound_extent FILE: the non-silent stretches of a recording in 50 ms windows: from the first
# sound to the last, and how much of it was sound (both in ms).
sound_extent() {
  sox -t raw -r 8000 -e signed -b 16 -c 1 "$1" -t dat - | awk '
    /^;/ { next }
    { n++; sum += $2 * $2
      if (n == 400) { w++; if (sqrt(sum / n) > 0.02) { if (!first) first = w; last = w; loud++ }
                      n = 0; sum = 0 } }
    END { if (!first) print 0, 0; else print (last - first + 1) * 50, loud * 50 }'
}
