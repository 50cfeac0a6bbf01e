#!/usr/bin/env bash
# Black-box checks of Tockly.exe on the virtual display, driven from outside by ui_probe.exe,
# each in a run folder laid out as the zip holds it: the program, Moonleaf2.ocx beside it, and
# the generated assets when they were built.
#   tockly_checks.sh SESSION_DIR TOCKLY.exe OCX UI_PROBE.exe ASSETS_DIR CHECK
# CHECK: start-up | editing | date-lookup | alarm | without-control | options | announce |
# snooze (announce and snooze play into the sound session named by SOUND_SESSION)
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
  [ "$lines" = 522 ] && [ "$crlf" = 522 ] || fail "数据库 has $lines lines, $crlf of them CR LF"
  quit_through_tray

  start_tockly
  out=$(probe "${main_window[@]}" select class:SysTabControl32 "闹钟定时" state "启用定时 1" \
    text "label:时间:" text "label:时" text "label: 文字提示#2" text "label:日期:" | tail -n +2)
  expected=$(printf '%s\n' "selected \"闹钟定时\"" "state checked=1 enabled=1 visible=1" \
    'text "  7"' 'text " 30"' "text \"$text\"" 'text "星期6,日"')
  [ "$out" = "$expected" ] || fail "after a restart slot 1 shows:"$'\n'"$out"
  quit_through_tray
  echo "ok: slot 1 edited (星期6,日 in the date chooser), saved in 数据库 (522 CR LF lines, GBK)" \
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
  quit_through_tray
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
  quit_through_tray
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
