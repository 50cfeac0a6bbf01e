#!/usr/bin/env bash
# Black-box checks of Tockly.exe on the virtual display, driven from outside by ui_probe.exe,
# each in a run folder laid out as the zip holds it: the program, Moonleaf2.ocx beside it, and
# the generated assets when they were built.
#   tockly_checks.sh SESSION_DIR TOCKLY.exe OCX UI_PROBE.exe ASSETS_DIR CHECK
# CHECK: start-up | editing | date-lookup | alarm | without-control | options | announce | typing |
#        windows | calendar-rules | overview | unsaved | snooze
# (announce and snooze play into the sound session named by SOUND_SESSION)
set -euo pipefail
session=$(realpath "$1") exe=$(realpath "$2") ocx=$(realpath "$3") probe=$(realpath "$4")
assets=$5 check=$6
here=$(cd "$(dirname "$0")" && pwd)
run=$(mktemp -d "$session/tockly.XXXXXX")
[ -d "$assets" ] && cp -r "$assets/." "$run/"
cp "$exe" "$ocx" "$probe" "$run/"
cd "$run"
export DISPLAY=:$(cat "$session/display")
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  cd / && rm -rf "$run"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
probe() { "$here/gui_session.sh" run "$session" ./ui_probe.exe "$@" | tr -d '\r'; }
# The main window, for the probe commands that follow.
main_window=(wait-window "Tockly *" 20000)

start_tockly() {
  WINE_TIMEOUT=${1:-300} "$here/gui_session.sh" run "$session" ./Tockly.exe >/dev/null 2>&1 &
  tockly=$!
  pids+=("$tockly")
  probe "${main_window[@]}" >/dev/null || fail "the main window did not appear"
}

# Waits for the process started last to end, up to $1 seconds.
wait_for_exit() {
  for _ in $(seq $(($1 * 10))); do
    kill -0 "$tockly" 2>/dev/null || { wait "$tockly" || true; return 0; }
    sleep 0.1
  done
  fail "Tockly.exe still runs $1 s later"
}

# Wine does not let a process read another's menu items; there the last item, 退出(&T), is
# picked with the keyboard instead (Up from no selection reaches the last item).
quit_through_tray() {
  probe window "Tockly *" tray-open >/dev/null || fail "the tray menu did not open"
  probe menu-pick "退出(&T)" >/dev/null || probe key up key enter >/dev/null
  wait_for_exit 10
}

# 退出(&T) as quit_through_tray picks it, without waiting for the program to end.
exit_through_tray() {
  probe window "Tockly *" tray-open >/dev/null || fail "the tray menu did not open"
  probe menu-pick "退出(&T)" >/dev/null || probe key up key enter >/dev/null
}
# The question about unsaved settings, answered with the mouse: 6 是, 7 否, 2 取消.
answer() {
  probe wait-window class:#32770 5000 wait-text id:65535 "设置已更改，是否保存？" 5000 \
    mouse-click "id:$1" >/dev/null || fail "quitting with an edit did not ask (answer $1)"
}

case $check in
start-up)
  start_tockly
  probe "${main_window[@]}" >/dev/null
  out=$(probe "${main_window[@]}" text class:SysTabControl32 state class:Moonleaf2Control)
  grep -qx 'text "日期查询"' <<<"$out" || fail "the first page is not 日期查询: $out"
  grep -q '^state enabled=1 visible=1' <<<"$out" || fail "no calendar on the first page: $out"
  first=$tockly

  # A second copy ends at once, and leaves the first one alone.
  started=$(date +%s)
  WINE_TIMEOUT=20 "$here/gui_session.sh" run "$session" ./Tockly.exe >/dev/null 2>&1 ||
    fail "the second copy did not end by itself"
  (($(date +%s) - started < 10)) || fail "the second copy took $(($(date +%s) - started)) s to end"
  kill -0 "$first" || fail "the first copy ended too"

  # Wine shows the icons in a tray window of its own while there are any.
  probe wait-window class:__winex11_standalone_tray 5000 >/dev/null || fail "no tray icon"
  quit_through_tray
  probe wait-no-window "Tockly *" 5000 wait-no-window class:__winex11_standalone_tray 5000 \
    >/dev/null || fail "the main window or the tray icon stays after quitting"
  echo "ok: start-up, second start, quit through the tray"
  ;;
editing)
  text="早上好，该起床了！"
  start_tockly
  probe "${main_window[@]}" select class:SysTabControl32 "闹钟定时" check "启用定时 1" 1 \
    select "label:时间:" "  7" select "label:时" " 30" type "label: 文字提示#2" "$text" \
    click "label:日期:" check "星期一" 0 check "星期二" 0 check "星期三" 0 check "星期四" 0 \
    check "星期五" 0 check "星期六" 1 check "星期日" 1 wait-text "星期6,日" "星期6,日" 5000 \
    click "确  定" wait-text "label:日期:" "星期6,日" 5000 \
    click "保存设置" wait-window class:#32770 5000 wait-text id:65535 "确实“保存设置”吗?" 5000 \
    click id:6 wait-no-window class:#32770 10000 wait-window class:#32770 10000 \
    wait-text id:65535 "“保存设置”完成！" 5000 click "确定" >/dev/null || fail "editing slot 1 failed"
  gbk=$(printf '%s' "$text" | iconv -f UTF-8 -t GBK)
  for _ in $(seq 100); do LC_ALL=C grep -qF "$gbk" 数据库 2>/dev/null && break; sleep 0.1; done
  LC_ALL=C grep -qF "$gbk" 数据库 2>/dev/null || fail "数据库 beside Tockly.exe lacks $text in GBK"
  LC_ALL=C grep -qF "$(printf '星期6,日' | iconv -f UTF-8 -t GBK)" 数据库 ||
    fail "数据库 lacks 星期6,日 in GBK"
  lines=$(tr -cd '\n' <数据库 | wc -c) crlf=$(grep -c $'\r$' 数据库 || true)
  [ "$lines" = 525 ] && [ "$crlf" = 525 ] || fail "数据库 has $lines lines, $crlf of them CR LF"
  quit_through_tray

  start_tockly
  out=$(probe "${main_window[@]}" select class:SysTabControl32 "闹钟定时" state "启用定时 1" \
    text "label:时间:" text "label:时" text "label: 文字提示#2" text "label:日期:" | tail -n +2)
  expected=$(printf '%s\n' "selected \"闹钟定时\"" "state checked=1 enabled=1 visible=1" \
    'text "  7"' 'text " 30"' "text \"$text\"" 'text "星期6,日"')
  [ "$out" = "$expected" ] || fail "after a restart slot 1 shows:"$'\n'"$out"
  quit_through_tray
  echo "ok: slot 1 edited (星期6,日 in the date chooser), saved in 数据库 (525 CR LF lines, GBK)" \
    "and shown again after a restart"
  ;;
date-lookup)
  start_tockly
  # The user picks May 2020 in the calendar's selectors and clicks the 23rd, a Saturday: cell 27,
  # row 3, column 6 of the day grid (cells 41 x 28 pixels from (2, 46)).
  probe "${main_window[@]}" within class:Moonleaf2Control select class:ComboBox#1 "2020年" \
    select class:ComboBox#2 "05月" "${main_window[@]}" click-at class:Moonleaf2Control 268 144 \
    >/dev/null || fail "choosing 2020-05-23 in the calendar failed"
  while IFS='|' read -r button message; do
    probe "${main_window[@]}" click "$button" wait-window class:#32770 5000 \
      wait-text id:65535 "$message" 5000 click id:1 >/dev/null || fail "$button does not say $message"
  done <<'EOT'
公历日期|选定的公历日期为： 2020/5/23
农历日期|选定的农历日期为： [庚子年(闰)]四月初一
属   相|选定的属相为： 鼠
星   座|选定的星座为： 双子座
EOT
  # The mouse over 公历日期 gives it the bluer picture; over the page's background (right of the
  # buttons) it goes back. The colour is read beside the text, in the lower part of the face.
  place=$(probe "${main_window[@]}" place "公历日期" | tail -1) || fail "公历日期 has no place"
  read -r _ left top width height <<<"$place"
  blueness() {  # blue minus red on the screen, once the button has been drawn
    sleep 0.5
    import -window root -crop "1x1+$((left + width / 10))+$((top + height * 3 / 4))" -depth 8 txt:- |
      sed -n 's/^0,0: *(\([0-9]*\),[0-9]*,\([0-9]*\).*/\2 \1/p' | { read -r b r; echo $((b - r)); }
  }
  xdotool mousemove $((left + width / 2)) $((top + height / 2))
  lit=$(blueness)
  xdotool mousemove $((left + width + 40)) $((top + height / 2))
  unlit=$(blueness)
  ((lit >= 25 && unlit <= 20)) ||
    fail "公历日期 does not light up under the mouse (blue - red: $lit over it, $unlit away)"
  quit_through_tray
  echo "ok: the date lookup buttons report 2020-05-23 and light up under the mouse"
  ;;
alarm)
  text="闹钟测试"
  start_tockly
  # At least 15 seconds before the next minute, so the editing is done before it comes.
  while [ "$(date +%-S)" -gt 45 ]; do sleep 1; done
  read -r hour minute < <(date -d '+1 minute' '+%-H %-M')
  probe "${main_window[@]}" select class:SysTabControl32 "闹钟定时" check "启用定时 1" 1 \
    select "label:时间:" "$(printf '%3d' "$hour")" select "label:时" "$(printf '%3d' "$minute")" \
    check " 文字提示#2" 1 type "label: 文字提示#2" "$text" >/dev/null ||
    fail "setting the alarm failed"
  # The status line reads " *定时1* " and the slot's text.
  probe wait-window class:TocklyForm2 80000 wait-text " *定时1* $text" "$text" 5000 \
    >/dev/null || fail "the prompt window did not show *定时1* with the text"
  exit_through_tray
  answer 7
  wait_for_exit 10
  echo "ok: the alarm for $(printf "%d:%02d" "$hour" "$minute") fired in the running program"
  ;;
options)
  run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
  auto_start() { "$here/gui_session.sh" run "$session" reg query "$run_key" /v Tockly 2>/dev/null | tr -d '\r'; }
  start_tockly
  probe "${main_window[@]}" select class:SysTabControl32 "设置选项" check "系统启动时打开闹钟程序" 1 \
    >/dev/null || fail "ticking 系统启动时打开闹钟程序 failed"
  grep -q 'Tockly.*REG_SZ.*"[A-Z]:\\.*\\Tockly\.exe"$' <<<"$(auto_start)" ||
    fail "the Run key does not start the quoted Tockly.exe: $(auto_start)"
  probe "${main_window[@]}" check "系统启动时打开闹钟程序" 0 >/dev/null
  [ -z "$(auto_start | grep Tockly)" ] || fail "the Run value stays after unticking: $(auto_start)"
  # The hotkey list is enabled by its option and ignores the keys pressed on it.
  out=$(probe "${main_window[@]}" state "label:播放提醒热键" check "播放提醒热键" 1 \
    state "label:播放提醒热键" select "label:播放提醒热键" "F5" mouse-click "label:播放提醒热键" \
    key escape key down key down text "label:播放提醒热键" | tail -n +2) ||
    fail "trying the hotkey list failed: $out"
  grep -q '^state enabled=0' <<<"$(sed -n 1p <<<"$out")" || fail "the hotkey list is enabled with its option off: $out"
  grep -q '^state enabled=1' <<<"$(sed -n 3p <<<"$out")" || fail "the hotkey option does not enable the list: $out"
  [ "$(tail -1 <<<"$out")" = 'text "F5"' ] || fail "keys on the hotkey list changed its choice: $out"
  # Closing hides the window and the program lives on; the tray's 详细设置(&N) brings it back.
  probe "${main_window[@]}" close wait-no-window "Tockly *" 5000 >/dev/null ||
    fail "closing did not hide the main window"
  kill -0 "$tockly" || fail "closing the main window ended the program"
  probe window "Tockly *" tray-open key n "${main_window[@]}" >/dev/null ||
    fail "详细设置(&N) did not bring the main window back"
  # The options were changed and not saved: quitting asks, 否 quits.
  exit_through_tray
  answer 7
  wait_for_exit 10
  echo "ok: starting with Windows is written and removed; the hotkey list follows its option" \
    "and ignores keys; closing hides, the tray restores"
  ;;
announce)
  # The tray's 现在报时(&B) speaks the time: the program plays its clips into the sound
  # session's null sink, where the recording hears them.
  export PULSE_SERVER=unix:${SOUND_SESSION:?the sound session is needed}/pulse.socket
  . "$here/sink_recording.sh"
  start_tockly
  start_recording announce.raw
  probe window "Tockly *" tray-open key b >/dev/null || fail "现在报时(&B) could not be chosen"
  sleep 6
  stop_recording
  read -r extent loud < <(sound_extent announce.raw)
  ((loud >= 1000)) || fail "the time announcement gave $loud ms of sound (over $extent ms)"
  quit_through_tray
  echo "ok: 现在报时 spoke for $loud ms"
  ;;
without-control)
  rm "$(basename "$ocx")"
  start_tockly
  probe "${main_window[@]}" wait-text "日历控件*" "Moonleaf2.ocx" 5000 >/dev/null ||
    fail "the calendar's place does not say that the control is missing"
  quit_through_tray
  echo "ok: without Moonleaf2.ocx the program starts and says so in the calendar's place"
  ;;
typing)
  # Real keys and clicks in the boxes that take typing and in the hotkey list.
  start_tockly
  interval="label:间隔:" pack="label:声音包:" hotkey="label:播放提醒热键"
  probe "${main_window[@]}" activate select class:SysTabControl32 "闹钟定时" \
    check "启用整点报时" 1 sleep 300 >/dev/null || fail "switching the chime on failed"
  # What is typed stays as typed; the page's whole minutes show when the focus leaves the box
  # and on Enter. Wine delivers the click through the X server and the keys through its own
  # queue: the click is given time to land before the keys follow it.
  out=$(probe "${main_window[@]}" mouse-click "$interval" key end key backspace key backspace \
    key 1 key 5 text "$interval" key tab text "$interval" sleep 300 \
    mouse-click "$interval" key ctrl+a key 7 key . key 9 text "$interval" key enter \
    text "$interval" | grep '^text' | tr '\n' ' ')
  [ "$out" = 'text "15" text "15" text "7.9" text "7" ' ] ||
    fail "typing 15, then 7.9 and Enter, into the interval box shows: $out"
  # Typing after a chosen voice pack's name keeps the name.
  first_pack=$(probe "${main_window[@]}" items "$pack" | tail -1 | sed 's/^items "\([^"]*\)".*/\1/')
  [ -n "$first_pack" ] || fail "no voice pack to choose"
  out=$(probe "${main_window[@]}" select "$pack" "$first_pack" mouse-click "$pack" key end key a \
    text "$pack" key b key tab text "$pack" | grep '^text' | tr '\n' ' ')
  [ "$out" = "text \"${first_pack}a\" text \"${first_pack}ab\" " ] ||
    fail "typing after the voice pack $first_pack shows: $out"
  # Before a save the box shows what is saved, the box being typed in too.
  out=$(probe "${main_window[@]}" mouse-click "$interval" key ctrl+a key 2 key . key 5 \
    click "保存设置" wait-window class:#32770 5000 window class:TocklyForm1 text "$interval" |
    tail -1)
  [ "$out" = 'text "2"' ] || fail "saving with 2.5 typed in the interval box shows $out"
  probe wait-window class:#32770 5000 click id:6 wait-no-window class:#32770 10000 \
    wait-window class:#32770 10000 wait-text id:65535 "“保存设置”完成！" 5000 click "确定" \
    >/dev/null || fail "saving failed"
  for _ in $(seq 100); do [ -s 数据库 ] && break; sleep 0.1; done
  [ "$(sed -n 2p 数据库 | tr -d '\r')" = 2 ] || fail "the interval saved is $(sed -n 2p 数据库)"
  # The hotkey list: keys pressed on it leave the mouse's choice, and so does the release of
  # Tab that brings the focus to it.
  out=$(probe "${main_window[@]}" select class:SysTabControl32 "设置选项" check "播放提醒热键" 1 \
    sleep 300 mouse-pick "$hotkey" F5 key escape key down text "$hotkey" mouse-pick "$hotkey" F9 \
    $(printf 'key tab %.0s' $(seq 20)) text "$hotkey" | grep '^text' | tr '\n' ' ')
  [ "$out" = 'text "F5" text "F9" ' ] ||
    fail "F5 with the mouse, keys, F9 with the mouse and Tab around the page: $out"
  # The hotkey choices came after the save: quitting asks, 否 quits.
  exit_through_tray
  answer 7
  wait_for_exit 10
  echo "ok: the interval box and the voice pack box keep what is typed; the rule shows on Tab," \
    "Enter and before a save; the hotkey list keeps the mouse's choice through Tab"
  ;;
windows)
  # The main window's first place, its pages painted whole, and the prompt window's menu
  # bringing it forward. The prompt window is shown at start over the right edge of the main
  # window (600 x 492 at 96 DPI, in the middle of the screen), not kept on top.
  read -r screen_width screen_height < <(xdotool getdisplaygeometry)
  main_right=$(((screen_width + 600) / 2))
  declare -A lines=([413]=1 [414]=$(((screen_width - main_right + 150) * 15))
    [415]=$(((screen_height / 2 - 80) * 15)) [417]=0)
  for n in $(seq 519); do printf '%s\r\n' "${lines[$n]:-}"; done | iconv -f UTF-8 -t GBK >数据库
  start_tockly
  sleep 1
  eval "$(xdotool search --onlyvisible --name '^Tockly ' getwindowgeometry --shell | head -5)"
  centre=$((X + WIDTH / 2))
  ((centre >= screen_width / 2 - 4 && centre <= screen_width / 2 + 4)) ||
    fail "the main window's middle is at x=$centre on a screen $screen_width wide"
  # A window higher than the screen keeps its caption on it.
  ((Y <= 40 || (Y + HEIGHT / 2 - screen_height / 2) ** 2 <= 900)) ||
    fail "the main window is at y=$Y, $HEIGHT high, on a screen $screen_height high"

  # From each page to the alarm page: an empty band inside the chime frame (right of the
  # custom sound file's label, above its box) has the page's background colour alone.
  for page in 使用说明 声音征集 日期查询 设置选项; do
    probe "${main_window[@]}" select class:SysTabControl32 "$page" sleep 500 \
      select class:SysTabControl32 "闹钟定时" sleep 800 >/dev/null || fail "the tabs did not turn"
    colours=$(import -window root -crop "150x14+$((X + 420))+$((Y + 146))" -format %k info:)
    [ "$colours" = 1 ] || {
      import -window root "$session/stale-$page.png"
      fail "$page left pixels on 闹钟定时 ($colours colours; $session/stale-$page.png)"
    }
  done

  # A click on the prompt window's visible part puts it over the main window; its menu's
  # 详细设置(&X) brings the main window back over it.
  probe wait-window class:TocklyForm2 5000 >/dev/null || fail "no prompt window at start"
  xdotool mousemove $((main_right + 30)) $((screen_height / 2)) click 1
  sleep 0.5
  probe "${main_window[@]}" on-top >/dev/null && fail "the prompt window does not cover the main window"
  xdotool click 3
  sleep 0.7
  xdotool key x
  sleep 1
  probe "${main_window[@]}" on-top >/dev/null ||
    fail "详细设置(&X) left the main window under: $(probe "${main_window[@]}" on-top | tail -1)"
  quit_through_tray
  echo "ok: the main window opens in the middle of the screen, turns its pages without stale" \
    "pixels and comes forward from the prompt window's menu"
  ;;
calendar-rules)
  # The date chooser's lunar and official-calendar choices by mouse and keys, read back when
  # it opens again; the quiet-hours box; then saved.
  start_tockly
  # SEL N: opens the drop-down list with the mouse, goes to its item N (from 0) by the keys
  # (Home first: a list that drops upwards opens under the mouse), Enter.
  pick() {
    local keys=(key home) _
    for _ in $(seq "$2"); do keys+=(key down); done
    probe "${main_window[@]}" mouse-click "$1" "${keys[@]}" key enter >/dev/null
  }
  # The date lookup page's calendar marks 休 and 班: October 2026 for the screenshot.
  probe "${main_window[@]}" within class:Moonleaf2Control select class:ComboBox#1 "2026年" \
    select class:ComboBox#2 "10月" >/dev/null || fail "the calendar cannot show October 2026"
  mkdir -p "$session/../screenshots"
  import -window root "$session/../screenshots/tockly_date_lookup_holidays.png"
  probe "${main_window[@]}" select class:SysTabControl32 "闹钟定时" check "启用定时 1" 1 \
    mouse-click "label:日期:" mouse-click "农历" wait-text "农历正月初一" "农历正月初一" 5000 \
    >/dev/null || fail "the date chooser's 农历 box does not make 农历正月初一"
  pick "label:农历" 1 && probe "${main_window[@]}" wait-text "农历每月初一" "农历每月初一" 5000 \
    state "label:每月" >/dev/null || fail "每月 does not make 农历每月初一"
  [[ $(probe "${main_window[@]}" state "label:每月" | tail -1) == "state "*"enabled=0"* ]] ||
    fail "the month list stays enabled for a monthly rule"
  pick "label:农历" 0
  pick "label:每年" 15 && pick "label:闰四月" 7 &&
    probe "${main_window[@]}" wait-text "农历闰四月初八" "农历闰四月初八" 5000 mouse-click "确  定" \
      wait-text "label:日期:" "农历闰四月初八" 5000 >/dev/null ||
    fail "the lists do not make 农历闰四月初八"
  out=$(probe "${main_window[@]}" mouse-click "label:日期:" state "农历" text "label:农历" \
    text "label:每年" text "label:闰四月" state "星期一" | tail -n +2)
  expected=$(printf '%s\n' "clicked \"label:日期:\"" "state checked=1 enabled=1 visible=1" \
    'text "每年"' 'text "闰四月"' 'text "初八"' "state checked=1 enabled=0 visible=1")
  [ "$out" = "$expected" ] || fail "the chooser opens 农历闰四月初八 as:"$'\n'"$out"
  import -window root "$session/../screenshots/tockly_date_chooser_lunar.png"
  probe "${main_window[@]}" mouse-click "法定工作日" wait-text "法定工作日#2" "法定工作日" 5000 \
    >/dev/null || fail "法定工作日 does not make its rule"
  [[ $(probe "${main_window[@]}" state "农历" | tail -1) == "state checked=0"* ]] ||
    fail "法定工作日 leaves 农历 ticked"
  import -window root "$session/../screenshots/tockly_date_chooser_workdays.png"
  probe "${main_window[@]}" mouse-click "确  定" wait-text "label:日期:" "法定工作日" 5000 \
    mouse-click "夜间免打扰" >/dev/null || fail "the quiet-hours box cannot be ticked"
  import -window root "$session/../screenshots/tockly_quiet_hours.png"
  probe "${main_window[@]}" click "保存设置" wait-window class:#32770 5000 \
    click id:6 wait-no-window class:#32770 10000 wait-window class:#32770 10000 \
    wait-text id:65535 "“保存设置”完成！" 5000 click "确定" >/dev/null ||
    fail "saving 法定工作日 and the quiet hours failed"
  for _ in $(seq 100); do [ -s 数据库 ] && break; sleep 0.1; done
  rule=$(sed -n 418p 数据库 | tr -d '\r' | iconv -f GBK -t UTF-8)
  quiet=$(sed -n '523,525p' 数据库 | tr -d '\r' | tr '\n' ' ')
  [ "$rule" = 法定工作日 ] && [ "$quiet" = "1 23:00 07:00 " ] ||
    fail "数据库 holds the rule \"$rule\" and the quiet hours \"$quiet\""
  quit_through_tray
  echo "ok: 农历闰四月初八 and 法定工作日 chosen by mouse and keys, shown again, saved with the" \
    "quiet hours"
  ;;
overview)
  start_tockly
  # Without a window manager the keyboard goes where the mouse clicked: the footer's left end.
  main=$(xdotool search --onlyvisible --name '^Tockly ' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + 20)) $((Y + HEIGHT - 10)) click 1
  sleep 0.5
  tab() { probe "${main_window[@]}" text class:SysTabControl32 | tail -1; }
  # The tab keys go round all six pages: back from the first is the sixth.
  xdotool key ctrl+Prior && sleep 0.5
  [ "$(tab)" = 'text "定时一览"' ] || fail "Ctrl+PgUp from 日期查询 shows $(tab)"
  xdotool key ctrl+Tab && sleep 0.5
  [ "$(tab)" = 'text "日期查询"' ] || fail "Ctrl+Tab from 定时一览 shows $(tab)"
  xdotool key ctrl+shift+Tab && sleep 0.5
  [ "$(tab)" = 'text "定时一览"' ] || fail "Ctrl+Shift+Tab from 日期查询 shows $(tab)"
  rows() { probe "${main_window[@]}" items class:SysListView32 | tail -1; }
  out=$(probe "${main_window[@]}" within class:SysListView32 items class:SysHeader32 | tail -1)
  [ "$out" = 'items "启用" "时间" "日期规则" "提示文字" "下一次"' ] || fail "the columns are $out"
  grep -q '^items "0|定时 1|.*" .* "0|定时 50|[^"]*"$' <<<"$(rows)" || fail "the rows are $(rows)"
  # Space on the third row ticks it: slot 3 is switched on, on its page too, and gets a time.
  probe "${main_window[@]}" mouse-click class:SysListView32 key home key down key down \
    key space >/dev/null || fail "the keys on the list failed"
  grep -q '"1|定时 3|[^"]*|[^"]*|[^"]*|[0-9][^"]*"' <<<"$(rows)" ||
    fail "space did not switch on slot 3 with a next time: $(rows)"
  # Enter opens the row's slot on 闹钟定时.
  probe key enter >/dev/null
  out=$(probe "${main_window[@]}" text class:SysTabControl32 state "启用定时 3" | tail -2)
  [ "$out" = $'text "闹钟定时"\nstate checked=1 enabled=1 visible=1' ] ||
    fail "Enter did not open slot 3 switched on: $out"
  # A slot switched on on its own page shows in the list at once; a double-click opens it.
  probe "${main_window[@]}" select class:SysTabControl32 "定时一览" >/dev/null
  read -r _ left top width height < <(probe "${main_window[@]}" row-place class:SysListView32 4 |
    tail -1) || fail "the fifth row has no place"
  xdotool mousemove $((left + width / 2)) $((top + height / 2)) click --repeat 2 --delay 80 1
  sleep 0.5
  out=$(probe "${main_window[@]}" text class:SysTabControl32 check "启用定时 5" 1 \
    select class:SysTabControl32 "定时一览" | tail -3 | head -1)
  [ "$out" = 'text "闹钟定时"' ] || fail "a double-click on row 5 did not open 闹钟定时: $out"
  grep -q '"1|定时 5|' <<<"$(rows)" || fail "slot 5 switched on is not ticked in the list: $(rows)"
  exit_through_tray
  answer 7
  wait_for_exit 10
  echo "ok: 定时一览 lists the 50 slots with named columns, the tab keys reach it, space" \
    "switches a slot, Enter and a double-click open it, the list follows the slot page"
  ;;
unsaved)
  text="改过的提示"
  gbk=$(printf '%s' "$text" | iconv -f UTF-8 -t GBK)
  edit() {
    probe "${main_window[@]}" select class:SysTabControl32 "闹钟定时" \
      type "label: 文字提示#2" "$text" >/dev/null || fail "editing the text failed"
  }
  start_tockly
  edit
  exit_through_tray
  answer 2
  sleep 1
  kill -0 "$tockly" 2>/dev/null || fail "取消 ended the program"
  [ ! -e 数据库 ] || fail "取消 wrote 数据库"
  exit_through_tray
  answer 6
  # 是 saves as 保存设置 does but without its own question.
  probe wait-window class:#32770 5000 wait-text id:65535 "“保存设置”完成！" 5000 \
    mouse-click id:1 >/dev/null || fail "是 did not save with the save button's message"
  wait_for_exit 10
  LC_ALL=C grep -qF "$gbk" 数据库 2>/dev/null || fail "是 did not write the edit to 数据库"
  cp 数据库 saved
  # As loaded: nothing to ask.
  start_tockly
  exit_through_tray
  wait_for_exit 10
  # 否 quits and leaves the file as it was.
  start_tockly
  probe "${main_window[@]}" select class:SysTabControl32 "闹钟定时" check "启用定时 1" 1 >/dev/null
  exit_through_tray
  answer 7
  wait_for_exit 10
  cmp -s 数据库 saved || fail "否 changed 数据库"
  echo "ok: 退出 with an edit asks 设置已更改，是否保存？ — 取消 stays, 是 saves and quits, 否 quits" \
    "without saving; with nothing changed it quits at once"
  ;;
snooze)
  # An alarm that rings until it is heard, from a settings file: 稍后提醒 clicked with the mouse
  # stops it, it comes again after the shortest snooze the options offer (five real minutes:
  # the clock cannot be moved for one program), and 知道了 ends it. The suspend, resume and
  # time-change broadcasts reach the running program before the alarm and leave it ticking.
  export PULSE_SERVER=unix:${SOUND_SESSION:?the sound session is needed}/pulse.socket
  . "$here/sink_recording.sh"
  . "$here/../tockly/sim/settings_file.sh"
  text="闹钟测试"
  while [ "$(date +%-S)" -gt 45 ]; do sleep 1; done
  read -r hour minute < <(date -d '+1 minute' '+%-H %-M')
  # The prompt window kept on top (417), so that the main window does not cover its buttons.
  # shellcheck disable=SC2046
  make_settings 数据库 $(slot_lines 1 "$hour" "$minute" 0 每天 "$text") 417=1 518=100 521=5 522=1
  start_tockly 600
  probe window "Tockly *" send 0x218 0x4 send 0x218 0x12 send 0x1E 0 >/dev/null ||
    fail "the program did not answer the suspend, resume and time-change broadcasts"
  probe wait-window class:TocklyForm2 80000 wait-text " *定时1* $text" "$text" 5000 \
    >/dev/null || fail "the alarm did not show *定时1* with the text"
  heard() {  # SECONDS: how many ms of sound the sink carries in that time
    start_recording heard.raw
    sleep "$1"
    stop_recording
    sound_extent heard.raw | cut -d' ' -f2
  }
  ringing=$(heard 5)
  ((ringing >= 3000)) || fail "the alarm gave $ringing ms of sound in 5 s"
  probe window class:TocklyForm2 mouse-click "稍后提醒" wait-no-window class:TocklyForm2 5000 \
    >/dev/null || fail "稍后提醒 did not close the prompt window"
  pressed=$(date +%s)
  after=$(heard 4)
  ((after <= 100)) || fail "the sound went on for $after ms after 稍后提醒"
  WINE_TIMEOUT=400 probe wait-window class:TocklyForm2 330000 \
    wait-text " *定时1* $text" "$text" 5000 >/dev/null || fail "the snoozed alarm did not come again"
  waited=$(($(date +%s) - pressed))
  ((waited >= 295 && waited <= 310)) || fail "the snoozed alarm came $waited s after 稍后提醒"
  again=$(heard 3)
  ((again >= 2000)) || fail "the snoozed alarm is silent"
  probe window class:TocklyForm2 mouse-click "知道了" wait-no-window class:TocklyForm2 5000 \
    >/dev/null || fail "知道了 did not close the prompt window"
  after=$(heard 4)
  ((after <= 100)) || fail "the sound went on for $after ms after 知道了"
  quit_through_tray
  echo "ok: the alarm rang until 稍后提醒, came again $waited s later, and 知道了 ended it"
  ;;
*)
  fail "unknown check $check"
  ;;
esac
