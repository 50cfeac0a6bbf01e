#!/usr/bin/env bash
# Screenshots of the control for review: January 2020, May 2020 with Big = 1, the year list
# opened by its drop-down button, and October 2026 with ShowHolidays on.
#   com_screenshots.sh SESSION_DIR OCX HOST.exe OUTPUT_DIR
set -euo pipefail
session=$(realpath "$1") ocx=$(realpath "$2") host=$(realpath "$3") out=$(realpath -m "$4")
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
work=$(mktemp -d "$session/shots.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$ocx" "$host" "$work/"
cd "$work"
export DISPLAY=:$(cat "$session/display")

shoot() {  # shoot NAME YEAR MONTH DAY BIG [open-year-list|show-holidays]
  rm -f ready done
  "$here/gui_session.sh" run "$session" "./$(basename "$host")" "$2" "$3" "$4" "$5" ready done ${6:-} &
  local pid=$!
  for _ in $(seq 300); do [ -e ready ] && break; sleep 0.1; done
  if [ ! -e ready ]; then
    touch done
    wait "$pid" || true
    echo "FAIL: the host did not show the control for $1"
    exit 1
  fi
  # import reads every window in its own visual; xwd -root shows Wine's drop-down list black.
  import -window root -crop 290x235+0+0 +repage "png:$out/$1.png"
  touch done
  wait "$pid"
  echo "wrote $out/$1.png"
}

shoot moonleaf-2020-01 2020 1 15 0
shoot moonleaf-2020-05-big 2020 5 23 1
shoot moonleaf-year-list-open 2020 5 23 0 open-year-list
shoot moonleaf-2026-10-holidays 2026 10 1 0 show-holidays
