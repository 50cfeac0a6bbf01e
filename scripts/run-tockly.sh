#!/usr/bin/env bash
# make run: lays out a run folder as the zip holds it (the program, the control beside it and
# whatever assets were built) and starts Tockly under Wine. On the user's display it runs until
# the user quits it; without a display it starts on a virtual one, saves a screenshot and ends.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build/windows
run=$build/run
mkdir -p "$run" "$build/screenshots"
cp "$build/tockly/win32/Tockly.exe" "$build/moonleaf/com/Moonleaf2.ocx" "$run/"
[ -d "$build/dist-root" ] && cp -r "$build/dist-root/." "$run/"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "run: starting $run/Tockly.exe on $DISPLAY (quit through the tray menu)"
  export WINEPREFIX=$build/run-prefix
  "$here/scripts/wine-prefix.sh"
  WINE_TIMEOUT=0 exec "$here/scripts/wine-run.sh" "$run/Tockly.exe"
fi

session=$build/run-session
gui=$here/tests/wine/gui_session.sh
GUI_SCREEN=1024x768x24 "$gui" start "$session" >/dev/null
trap '"$gui" stop "$session"' EXIT
export DISPLAY=:$(cat "$session/display")
WINE_TIMEOUT=60 "$gui" run "$session" "$run/Tockly.exe" &
for _ in $(seq 100); do
  xdotool search --name '^Tockly ' >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 2
shot=$build/screenshots/run.png
import -window root "$shot"
kill %1 2>/dev/null || true
wait 2>/dev/null || true
echo "run: no display here; Tockly started on a virtual display, screenshot in $shot"
