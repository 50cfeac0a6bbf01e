#!/usr/bin/env bash
# Readies the Wine prefix $WINEPREFIX (made on first use) and starts its wineserver, which
# stays for the Wine programs that follow. The prefix gets the fonts every Windows has in its
# fonts folder: Debian keeps Wine's own (Marlett among them, which draws caption buttons and
# the calendar's arrows) where this Wine does not look, and without them those draw as digits.
#   WINEPREFIX=DIR wine-prefix.sh
set -u
here=$(cd "$(dirname "$0")" && pwd)
: "${WINEPREFIX:?wine-prefix.sh needs WINEPREFIX}"
wineserver -p </dev/null >/dev/null 2>&1
"$here/wine-run.sh" cmd /c exit </dev/null >/dev/null 2>&1
fonts=$WINEPREFIX/drive_c/windows/Fonts
[ -d "$fonts" ] || { echo "wine-prefix.sh: no fonts folder in $WINEPREFIX" >&2; exit 1; }
for font in /usr/share/wine/fonts/*.ttf; do
  [ -e "$fonts/$(basename "$font")" ] || cp "$font" "$fonts/"
done
