#!/usr/bin/env bash
# A virtual display and a Wine prefix of their own for the tests that open windows. Wine binds
# its desktop to the display of the process that starts it, so these tests cannot share the
# console tests' prefix, whose desktop may have started without a display.
#   gui_session.sh start DIR   start Xvfb and the prefix's wineserver, note both in DIR
#                              (GUI_SCREEN sets the screen, 640x480x24 unless given)
#   gui_session.sh stop DIR    stop what start started
#   gui_session.sh run DIR PROGRAM ARGS...   run a Windows program on that display
set -u
here=$(cd "$(dirname "$0")" && pwd)
action=$1 dir=$(realpath -m "$2")
shift 2
export WINEPREFIX=$dir/wineprefix

case $action in
start)
  mkdir -p "$dir"
  exec 3>"$dir/display"
  Xvfb -displayfd 3 -screen 0 "${GUI_SCREEN:-640x480x24}" -nolisten tcp >/dev/null 2>&1 &
  echo $! >"$dir/xvfb.pid"
  for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
  exec 3>&-
  [ -s "$dir/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=:$(cat "$dir/display")
  "$here/../../scripts/wine-prefix.sh" || exit 1
  echo "display $DISPLAY, prefix $WINEPREFIX"
  ;;
stop)
  wineserver -k 2>/dev/null
  [ -s "$dir/xvfb.pid" ] && kill "$(cat "$dir/xvfb.pid")" 2>/dev/null
  rm -f "$dir/xvfb.pid" "$dir/display"
  true
  ;;
run)
  export DISPLAY=:$(cat "$dir/display")
  exec "$here/../../scripts/wine-run.sh" "$@"
  ;;
esac
