#!/usr/bin/env bash
# Tockly.exe under Wine on a virtual display of its own: time from process start to the main
# window shown (median of RUNS starts), CPU used over IDLE idle seconds, and the private memory
# the process reports after start-up. These are Wine figures, not Windows ones.
#   bench/tockly_wine.sh [RUNS] [IDLE]      (defaults 5 and 60; needs the windows build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5} idle=${2:-60}
build=$here/build/windows
gui=$here/tests/wine/gui_session.sh
session=$build/bench-session
folder=$session/run
for f in "$build/tockly/win32/Tockly.exe" "$build/moonleaf/com/Moonleaf2.ocx" "$build/tests/wine/ui_probe.exe"; do
  [ -e "$f" ] || { echo "bench: $f is missing; build the windows preset first" >&2; exit 1; }
done
mkdir -p "$folder"
cp "$build/tockly/win32/Tockly.exe" "$build/moonleaf/com/Moonleaf2.ocx" "$build/tests/wine/ui_probe.exe" "$folder/"
"$gui" start "$session" >/dev/null
tockly=
trap '[ -n "$tockly" ] && kill "$tockly" 2>/dev/null; wait 2>/dev/null; "$gui" stop "$session"' EXIT
export DISPLAY=:$(cat "$session/display")
cd "$folder"

# The Linux process that runs Tockly.exe (Wine's loader keeps the name in its command line).
tockly_unix_pid() {
  pgrep -f 'Tockly\.exe' | while read -r pid; do
    grep -q "WINEPREFIX=$session/wineprefix" "/proc/$pid/environ" 2>/dev/null &&
      [ "$(tr '\0' ' ' <"/proc/$pid/cmdline" | grep -c 'wine-run\|timeout')" = 0 ] && echo "$pid"
  done | head -1
}

start() {
  WINE_TIMEOUT=0 "$gui" run "$session" ./Tockly.exe >/dev/null 2>&1 &
  tockly=$!
}
stop() {
  kill "$tockly" 2>/dev/null || true
  wait "$tockly" 2>/dev/null || true
  tockly=
  sleep 1
}

# Warm-up start: the prefix's first start of a program costs more than any later one.
start; for _ in $(seq 200); do xdotool search --onlyvisible --name '^Tockly ' >/dev/null 2>&1 && break; sleep 0.1; done; stop

# What any program's start costs here: a console program that ends at once.
begin=$(date +%s%N)
"$gui" run "$session" ./ui_probe.exe sleep 0 >/dev/null
echo "a console program's start and end (Wine, for comparison): $((($(date +%s%N) - begin) / 1000000)) ms"

times=()
for _ in $(seq "$runs"); do
  begin=$(date +%s%N)
  start
  until xdotool search --onlyvisible --name '^Tockly ' >/dev/null 2>&1; do sleep 0.01; done
  times+=($((($(date +%s%N) - begin) / 1000000)))
  stop
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo "start to main window (Wine): median ${median} ms of ${runs} (${times[*]} ms)"

start
until xdotool search --onlyvisible --name '^Tockly ' >/dev/null 2>&1; do sleep 0.05; done
sleep 5
pid=$(tockly_unix_pid)
[ -n "$pid" ] || { echo "bench: cannot find the process of Tockly.exe" >&2; exit 1; }
memory=$("$gui" run "$session" ./ui_probe.exe wait-window 'Tockly *' 5000 memory | tr -d '\r' | grep '^memory')
rss=$(awk '/^RssAnon/ {print $2}' "/proc/$pid/status")
echo "memory after start-up (Wine): ${memory#memory } bytes; Linux anonymous resident ${rss} kB"
echo "load average while measuring: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
server=$(pgrep -f "wineserver" | while read -r p; do grep -q "WINEPREFIX=$session/wineprefix" "/proc/$p/environ" 2>/dev/null && echo "$p"; done | head -1)
before=$(cpu "$pid") server_before=$([ -n "$server" ] && cpu "$server" || echo 0)
sleep "$idle"
after=$(cpu "$pid") server_after=$([ -n "$server" ] && cpu "$server" || echo 0)
awk -v used=$((after - before)) -v server=$((server_after - server_before)) -v hz="$ticks" -v s="$idle" \
  'BEGIN { printf "idle CPU over %d s (Wine): %.2f %% of one core (wineserver %.2f %% more)\n", s, 100 * used / hz / s, 100 * server / hz / s }'
