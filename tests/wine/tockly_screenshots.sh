#!/usr/bin/env bash
# Screenshots of Tockly.exe at one DPI (Wine's LogPixels): the six pages, then the prompt window
# when alarm 3 fires ("定时3") and when alarm 4 starts its shutdown countdown ("剩余3分钟").
# The alarms are set in a settings file for the next minutes, so a run takes two to three.
#   tockly_screenshots.sh SESSION_DIR Tockly.exe Moonleaf2.ocx OUT_DIR DPI [ASSETS_DIR]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
session=$(realpath -m "$1") exe=$2 ocx=$3 out=$4 dpi=$5 assets=${6:-}
gui=$here/gui_session.sh
mkdir -p "$out"
GUI_SCREEN=2600x1400x24 "$gui" start "$session" >/dev/null
trap '"$gui" stop "$session"' EXIT
export DISPLAY=:$(cat "$session/display")
"$gui" run "$session" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

run=$session/run-$dpi
rm -rf "$run" && mkdir -p "$run"
cp "$exe" "$ocx" "$run/"
[ -n "$assets" ] && [ -d "$assets" ] && cp -r "$assets/." "$run/"

# The next whole minute with at least 15 seconds to go, and the one after it.
now=$(date +%s)
first=$(( (now + 15) / 60 * 60 + 60 ))
second=$(( first + 60 ))
declare -A lines
set_line() { lines[$1]=$2; }
slot_alarm() {  # slot index, time, shutdown, text
  local first_line=$(( 9 + 8 * $1 ))
  set_line "$first_line" 1
  set_line $(( first_line + 1 )) "$(date -d "@$2" +%-H)"
  set_line $(( first_line + 2 )) "$(date -d "@$2" +%-M)"
  set_line $(( first_line + 3 )) "$3"
  set_line $(( first_line + 4 )) 1
  set_line $(( first_line + 5 )) 0
  set_line $(( 418 + 2 * $1 )) 每天
  set_line $(( 419 + 2 * $1 )) "$4"
}
slot_alarm 2 "$first" 0 "该起来活动一下了"
slot_alarm 3 "$second" 1 ""
# Shown at start, kept on top, near the right edge: beside the main window in the middle of the
# screen, which is wide enough for both at 192 DPI.
set_line 413 1
set_line 414 4500
set_line 415 1500
set_line 417 1
for n in $(seq 519); do printf '%s\r\n' "${lines[$n]:-}"; done | iconv -f UTF-8 -t GBK >"$run/数据库"

WINE_TIMEOUT=280 "$gui" run "$session" "$run/Tockly.exe" &
main=
for _ in $(seq 150); do
  main=$(xdotool search --onlyvisible --name '^Tockly ' 2>/dev/null | head -1) && [ -n "$main" ] && break
  sleep 0.2
done
[ -n "$main" ] || { echo "Tockly's main window did not appear" >&2; exit 1; }
sleep 1
# Without a window manager the keyboard goes where the mouse clicked: the footer's label.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 20)) $((Y + HEIGHT - 10)) click 1
sleep 0.5
for page in 1 2 3 4 5 6; do
  import -window "$main" "$out/tockly_page${page}_${dpi}dpi.png"
  xdotool key ctrl+Tab
  sleep 0.5
done

# Positions in the main window at this DPI, from its 96-DPI layout.
at() { echo $((X + $1 * dpi / 96)) $((Y + $2 * dpi / 96)); }
# The alarm page, then the date chooser opened from the day rule of slot 3 (switched on above;
# two presses of "下一个"), then closed again.
xdotool key ctrl+Tab
sleep 0.5
for _ in 1 2; do xdotool mousemove $(at 506 255) click 1; sleep 0.3; done
xdotool mousemove $(at 438 287) click 1
sleep 1
import -window "$main" "$out/tockly_date_chooser_${dpi}dpi.png"
xdotool mousemove $(at 250 381) click 1
sleep 0.5

# A window lies on the screen, and its region shows all of it: none of the screen's black
# background where the window is (a region cut for another DPI leaves a black band).
shown_whole() {  # window, name
  local X Y WIDTH HEIGHT SCREEN WINDOW black screen_width screen_height
  eval "$(xdotool getwindowgeometry --shell "$1")"
  read -r screen_width screen_height < <(xdotool getdisplaygeometry)
  ((X >= 0 && Y >= 0 && X + WIDTH <= screen_width && Y + HEIGHT <= screen_height)) || {
    echo "the $2 window (${WIDTH}x$HEIGHT at $X,$Y) leaves the screen at $dpi DPI" >&2
    exit 1
  }
  black=$(import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" png:- |
    convert png:- -fill white +opaque black -format '%[fx:int((1-mean)*w*h+0.5)]' info:)
  ((black * 100 <= WIDTH * HEIGHT)) || {
    echo "the $2 window shows $black black pixels of $((WIDTH * HEIGHT)) at $dpi DPI" >&2
    exit 1
  }
}

# The popup, from the tray menu's "显示新闻资讯(&X)".
tray=$(xdotool search --name '^Wine System Tray$' | head -1)
if [ -n "$tray" ]; then
  # Without a window manager Wine's stand-in tray lies under the main window.
  xdotool windowraise "$tray"
  sleep 0.3
  eval "$(xdotool getwindowgeometry --shell "$tray" | sed 's/^/TRAY_/')"
  xdotool mousemove $((TRAY_X + 8)) $((TRAY_Y + 8)) click 3
  sleep 0.5
  xdotool key x
  sleep 1.5
  popup=$(xdotool search --onlyvisible --name '^新闻资讯$' | head -1)
  [ -n "$popup" ] && import -window "$popup" "$out/tockly_popup_${dpi}dpi.png"
  [ -n "$popup" ] && shown_whole "$popup" popup
fi

shoot_prompt() {  # at, name
  while [ "$(date +%s)" -lt $(( $1 + 2 )) ]; do sleep 0.5; done
  prompt=$(xdotool search --onlyvisible --name '^提示窗口$' | head -1)
  [ -n "$prompt" ] || { echo "the prompt window is not shown" >&2; exit 1; }
  import -window "$prompt" "$out/tockly_prompt_${2}_${dpi}dpi.png"
  shown_whole "$prompt" prompt
}
shoot_prompt "$first" alarm3
shoot_prompt "$second" countdown
kill %1 2>/dev/null || true
wait 2>/dev/null || true
echo "screenshots at $dpi DPI in $out"
