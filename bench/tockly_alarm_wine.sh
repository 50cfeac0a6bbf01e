#!/usr/bin/env bash
# Tockly.exe under Wine, playing into a null sink: how soon after its due second each of ALARMS
# alarms (one a minute, built-in sound 1) is heard, median and worst; then the idle CPU of
# Tockly.exe with the prompt window shown and hidden, beside Wine's own notepad in the same
# session. These are Wine figures, not Windows ones.
#   bench/tockly_alarm_wine.sh [ALARMS] [IDLE]    (defaults 5 and 60; needs the windows build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
alarms=${1:-5} idle=${2:-60}
build=$here/build/windows
gui=$here/tests/wine/gui_session.sh
sound=$here/tests/wine/sound_session.sh
session=$build/bench-alarm-gui
sound_dir=$build/bench-alarm-sound
folder=$session/run
for f in "$build/tockly/win32/Tockly.exe" "$build/moonleaf/com/Moonleaf2.ocx" "$build/dist-root/sy/n1"; do
  [ -e "$f" ] || { echo "bench: $f is missing; build the windows preset first" >&2; exit 1; }
done
rm -rf "$folder"
mkdir -p "$folder"
cp -r "$build/dist-root/." "$folder/"
cp "$build/tockly/win32/Tockly.exe" "$build/moonleaf/com/Moonleaf2.ocx" "$build/tests/wine/ui_probe.exe" "$folder/"
"$sound" start "$sound_dir" >/dev/null
"$gui" start "$session" >/dev/null
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  "$gui" stop "$session"
  "$sound" stop "$sound_dir"
}
trap cleanup EXIT
export DISPLAY=:$(cat "$session/display")
export PULSE_SERVER=unix:$sound_dir/pulse.socket
cd "$folder"
. "$here/tests/tockly/sim/settings_file.sh"

# The clip's own silence before its sound, in ms, so that it is not counted as lateness.
lead=$(sox sy/n1 -t dat -r 8000 -c 1 - |
  awk '!/^;/ && !found && ($2 > 0.02 || $2 < -0.02) { found = 1; printf "%d", $1 * 1000 }')

# The alarms: one each minute from the minute after next, every one with its own slot.
while [ "$(date +%-S)" -gt 40 ]; do sleep 1; done
first=$(($(date +%s) / 60 * 60 + 120))
changes=()
for k in $(seq "$alarms"); do
  read -r hour minute < <(date -d "@$((first + (k - 1) * 60))" '+%-H %-M')
  i=$((k - 1))
  changes+=("$((9 + 8 * i))=1" "$((10 + 8 * i))=$hour" "$((11 + 8 * i))=$minute" "$((13 + 8 * i))=1"
    "$((14 + 8 * i))=1" "$((15 + 8 * i))=1" "$((418 + 2 * i))=每天" "$((419 + 2 * i))=准时")
done
make_settings 数据库 "${changes[@]}" 518=100

WINE_TIMEOUT=0 "$gui" run "$session" ./Tockly.exe >/dev/null 2>&1 &
pids+=($!)
# The recording's first byte marks its start: the moment is taken as the bytes arrive.
parec -d tockly_sink.monitor --latency-msec=5 --format=s16le --rate=8000 --channels=1 --raw \
  >alarms.raw 2>/dev/null &
recorder=$!
pids+=("$recorder")
until [ -s alarms.raw ]; do sleep 0.001; done
started_ns=$(($(date +%s%N) - $(stat -c %s alarms.raw) * 1000000000 / 16000))
sleep $((first + alarms * 60 - $(date +%s) - 50))
kill -INT "$recorder"
wait "$recorder" 2>/dev/null || true

# For each due second, the first sample louder than the silence after it.
od -An -v -td2 -w2 alarms.raw | awk -v start="$started_ns" -v first="$first" -v n="$alarms" -v lead="$lead" '
  BEGIN { k = 0; due = (first * 1e9 - start) / 1e9 * 8000 }
  { i = NR - 1
    if (k < n && i >= due + k * 480000 && ($1 > 650 || $1 < -650)) {
      late[k] = (i - due - k * 480000) / 8 - lead; k++ } }
  END {
    if (k < n) { printf "bench: only %d of %d alarms were heard\n", k, n; exit 1 }
    for (a = 0; a < n; a++) for (b = a + 1; b < n; b++) if (late[b] < late[a]) { t = late[a]; late[a] = late[b]; late[b] = t }
    line = ""; for (a = 0; a < n; a++) line = line sprintf(" %.0f", late[a])
    printf "first sound after the due second (Wine): median %.0f ms, worst %.0f ms of %d alarms (%s ms; the clip'"'"'s own %d ms lead taken off)\n", late[int(n / 2)], late[n - 1], n, substr(line, 2), lead }'

# Idle CPU: Tockly.exe with the prompt window shown (the last alarm left it so), then hidden,
# beside notepad, measured over the same seconds.
WINE_TIMEOUT=0 "$gui" run "$session" notepad >/dev/null 2>&1 &
pids+=($!)
sleep 5
unix_pid() {  # NAME: the Linux process that runs NAME.exe in this session
  pgrep -f "$1" | while read -r pid; do
    grep -q "WINEPREFIX=$session/wineprefix" "/proc/$pid/environ" 2>/dev/null &&
      [ "$(tr '\0' ' ' <"/proc/$pid/cmdline" | grep -c 'wine-run\|timeout')" = 0 ] && echo "$pid"
  done | head -1
}
tockly=$(unix_pid 'Tockly\.exe') notepad=$(unix_pid '[Nn]otepad')
[ -n "$tockly" ] && [ -n "$notepad" ] || { echo "bench: cannot find Tockly.exe or notepad" >&2; exit 1; }
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
measure() {  # WHAT
  local t0 n0 t1 n1
  t0=$(cpu "$tockly") n0=$(cpu "$notepad")
  sleep "$idle"
  t1=$(cpu "$tockly") n1=$(cpu "$notepad")
  awk -v t=$((t1 - t0)) -v n=$((n1 - n0)) -v hz="$ticks" -v s="$idle" -v what="$1" \
    'BEGIN { printf "idle CPU over %d s, prompt window %s (Wine): Tockly %.3f %%, notepad %.3f %% of one core\n", s, what, 100 * t / hz / s, 100 * n / hz / s }'
}
"$gui" run "$session" ./ui_probe.exe wait-window class:TocklyForm2 5000 >/dev/null
measure shown
"$gui" run "$session" ./ui_probe.exe window class:TocklyForm2 close wait-no-window class:TocklyForm2 5000 >/dev/null
measure hidden
echo "load average while measuring: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
