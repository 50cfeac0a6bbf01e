#!/usr/bin/env bash
# The fonts a program may take for granted on Windows are in the session's prefix, as Windows
# lists its fonts folder: Marlett (caption buttons, the calendar's arrows) and Tahoma (the
# dialog font).
#   prefix_fonts.sh SESSION_SCRIPT SESSION_DIR
set -u
session_script=$1 session=$2
listed=$("$session_script" run "$session" cmd /c dir /b 'C:\windows\Fonts' 2>/dev/null | tr -d '\r' | tr 'A-Z' 'a-z')
failures=0
for font in marlett.ttf tahoma.ttf; do
  if grep -qx "$font" <<<"$listed"; then
    echo "ok: $font"
  else
    echo "FAIL: $font is not in the fonts folder of $session"
    failures=$((failures + 1))
  fi
done
exit $((failures > 0))
