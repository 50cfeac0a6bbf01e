#!/usr/bin/env bash
# tockly-sim end to end: an alarm with the spoken time, a shutdown alarm, and its cancellation,
# each from a settings file written as the program writes it.
set -u
sim=$1
. "$(dirname "$0")/settings_file.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() {  # NAME EXPECTED-FILE ACTUAL-FILE
  if ! diff -u "$2" "$3" >"$work/diff"; then
    echo "FAIL: $1"
    head -40 "$work/diff"
    failures=$((failures + 1))
  else
    echo "ok: $1"
  fi
}

# Slot 12 at 06:45 every day, spoken time, text prompt; the volume slider at 100.
# shellcheck disable=SC2046
make_settings "$work/alarm" $(slot_lines 12 6 45 0 每天 起床了) 518=100
"$sim" --start "2010-05-01 06:44:58" --seconds 8 --settings "$work/alarm" >"$work/alarm.out"
cat >"$work/alarm.expected" <<'LINES'
06:44:58.000 alpha 255
06:45:00.000 message 起床了
06:45:00.000 fire slot 12
06:45:00.000 mode 定时12
06:45:00.000 show prompt
06:45:00.000 stop 1
06:45:00.000 open 1 sy\ds 0
06:45:00.000 volume FFFFFFFF
06:45:00.000 play 1
06:45:00.000 status  *定时12* 起床了
06:45:01.000 end 1
06:45:01.000 volume CCCCCCCC
06:45:01.000 stop 1
06:45:01.000 open 1 sy\s6 0
06:45:01.000 volume FFFFFFFF
06:45:01.000 play 1
06:45:02.000 end 1
06:45:02.000 volume CCCCCCCC
06:45:02.000 stop 1
06:45:02.000 open 1 sy\f45 0
06:45:02.000 volume FFFFFFFF
06:45:02.000 play 1
06:45:03.000 end 1
06:45:03.000 volume CCCCCCCC
LINES
expect "alarm with the spoken time" "$work/alarm.expected" "$work/alarm.out"

# Slot 3 at 22:00 with the shutdown option; the volume slider at 50.
# shellcheck disable=SC2046
make_settings "$work/shutdown" $(slot_lines 3 22 0 1 每天 该睡觉了) 518=50
"$sim" --start "2010-05-01 21:59:58" --seconds 200 --settings "$work/shutdown" >"$work/shutdown.out"
grep -v ' status ' "$work/shutdown.out" >"$work/shutdown.events"
cat >"$work/shutdown.expected" <<'LINES'
21:59:58.000 alpha 255
22:00:00.000 message 该睡觉了
22:00:00.000 shutdown-state 准备关机
22:00:00.000 fire slot 3
22:00:00.000 mode 剩余3分钟
22:00:00.000 alpha 255
22:00:00.000 show prompt
22:00:00.000 stop 1
22:00:00.000 open 1 sy\ds 0
22:00:00.000 volume 7FFF7FFF
22:00:00.000 play 1
22:00:01.000 end 1
22:00:01.000 volume CCCCCCCC
22:00:01.000 stop 1
22:00:01.000 open 1 sy\s22z 0
22:00:01.000 volume 7FFF7FFF
22:00:01.000 play 1
22:00:02.000 end 1
22:00:02.000 volume CCCCCCCC
22:00:09.600 stop 1
22:00:09.600 open 1 sy\g3 0
22:00:09.600 volume 7FFF7FFF
22:00:09.600 play 1
22:00:10.600 end 1
22:00:10.600 volume CCCCCCCC
22:01:00.000 stop 1
22:01:00.000 open 1 sy\g2 0
22:01:00.000 volume 7FFF7FFF
22:01:00.000 play 1
22:01:01.000 end 1
22:01:01.000 volume CCCCCCCC
22:02:00.000 stop 1
22:02:00.000 open 1 sy\g1 0
22:02:00.000 volume 7FFF7FFF
22:02:00.000 play 1
22:02:01.000 end 1
22:02:01.000 volume CCCCCCCC
22:02:46.000 stop 1
22:02:46.000 open 1 sy\g0 0
22:02:46.000 volume 7FFF7FFF
22:02:46.000 play 1
22:02:46.000 shutdown-state 真正关机
22:02:47.000 end 1
22:02:47.000 volume CCCCCCCC
22:02:47.000 hide prompt
22:02:47.000 exitwindows 5
22:02:47.000 quit
LINES
expect "shutdown alarm" "$work/shutdown.expected" "$work/shutdown.events"
grep -E '^22:00:00.000 status |:02分05秒 $' "$work/shutdown.out" >"$work/countdown"
printf '%s\n' "22:00:00.000 status  *定时关机* 剩余时间:03分01秒 " \
              "22:00:55.200 status  *定时关机* 剩余时间:02分05秒 " >"$work/countdown.expected"
expect "countdown on the status line" "$work/countdown.expected" "$work/countdown"

# The same alarm, cancelled with the prompt window's button halfway.
"$sim" --start "2010-05-01 21:59:58" --seconds 200 --settings "$work/shutdown" \
  --at 22:01:30 press-action >"$work/cancel.out"
sed -n '/^22:01:30.000/,$p' "$work/cancel.out" >"$work/cancel.events"
cat >"$work/cancel.expected" <<'LINES'
22:01:30.000 shutdown-state (none)
22:01:30.000 stop 1
22:01:30.000 open 1 sy\qx 0
22:01:30.000 volume 7FFF7FFF
22:01:30.000 play 1
22:01:30.000 mode 现在时间
22:01:30.000 status 现在时间
22:01:31.000 end 1
22:01:31.000 volume CCCCCCCC
LINES
expect "shutdown cancelled" "$work/cancel.expected" "$work/cancel.events"

# Start-up applies the stored opacity to the prompt window and shows it when asked to.
make_settings "$work/options" 413=1 414=3765 415=1000 416=128 417=1
"$sim" --start "2010-05-03 07:29:00" --seconds 1 --settings "$work/options" >"$work/options.out"
printf '%s\n' "07:29:00.000 alpha 128" "07:29:00.000 show prompt" >"$work/options.expected"
expect "prompt window options at start-up" "$work/options.expected" "$work/options.out"

# The chime from a real program folder, loaded through the chime page's reactions: the file
# asks for a sound and the celebrity pack at once, the pack comes later in the file and wins, so
# the interval becomes 60 and the pack's hour file, named "08.mp3", plays alone.
mkdir -p "$work/folder/sy" "$work/folder/明星报时/林"
touch "$work/folder/sy/s8" "$work/folder/明星报时/林/08.mp3"
make_settings "$work/chime" 1=1 2=30 3=1 4=1 5=2 7=1 8=0 518=100
"$sim" --start "2010-05-03 07:29:59" --seconds 3 --settings "$work/chime" \
  --program-dir "$work/folder" >"$work/chime.out"
"$sim" --start "2010-05-03 07:59:59" --seconds 3 --settings "$work/chime" \
  --program-dir "$work/folder" >>"$work/chime.out"
cat >"$work/chime.expected" <<'LINES'
07:29:59.000 alpha 255
07:59:59.000 alpha 255
08:00:00.000 fire chime
08:00:00.000 mode 整点报时
08:00:00.000 show prompt
08:00:00.000 stop 1
08:00:00.000 open 1 明星报时\林\08.mp3 0
08:00:00.000 volume FFFFFFFF
08:00:00.000 play 1
08:00:00.000 status  *整点报时* 
08:00:01.000 end 1
08:00:01.000 volume CCCCCCCC
LINES
expect "chime with a celebrity pack from a real folder" "$work/chime.expected" "$work/chime.out"

# The tray and the main window: the prompt window toggled from the tray and closed by its
# double-click, the held hotkey and a double-click announcing the time, then the tray's exit.
make_settings "$work/tray" 411=1 412=7
"$sim" --start "2010-05-03 08:00:58" --seconds 10 --settings "$work/tray" \
  --at 08:00:59 toggle-prompt --at 08:01:00 prompt-close --at 08:01:01 hotkey-down \
  --at 08:01:03 double-click --at 08:01:05 tray-exit >"$work/tray.out"
grep -E ' (show|hide) prompt$| open | quit$' "$work/tray.out" >"$work/tray.events"
cat >"$work/tray.expected" <<'LINES'
08:00:59.000 show prompt
08:01:00.000 hide prompt
08:01:01.000 open 1 sy\s8 0
08:01:02.000 open 1 sy\f1 0
08:01:03.000 open 1 sy\s8 0
08:01:04.000 open 1 sy\f1 0
08:01:05.000 quit
LINES
expect "tray, hotkey and double-click actions" "$work/tray.expected" "$work/tray.events"

# The tray tip is printed only when asked for.
"$sim" --start "2010-05-03 08:00:00" --seconds 1 >"$work/quiet.out"
"$sim" --start "2010-05-03 08:00:00" --seconds 1 --show-tip >"$work/tip.out"
grep -c ' tip ' "$work/quiet.out" >"$work/tips"
grep -c ' tip 2010年5月3日 8:00:01 星期一 ' "$work/tip.out" >>"$work/tips"
printf '0\n1\n' >"$work/tips.expected"
expect "tray tip with --show-tip only" "$work/tips.expected" "$work/tips"

# fired_days SETTINGS TIME DATE...: the dates on which a run from TIME for 3 seconds fires slot 1.
fired_days() {
  local settings=$1 time=$2 date
  shift 2
  for date in "$@"; do
    "$sim" --start "$date $time" --seconds 3 --settings "$settings" | grep -q ' fire slot 1$' &&
      echo "$date"
  done
}

# An official-workday alarm over the 2026 国庆 and 中秋 week (10-01 to 10-07 off): silent on the
# off days, ringing on the makeup Sunday 09-20 and Saturday 10-10.
# shellcheck disable=SC2046
make_settings "$work/workdays" $(slot_lines 1 7 30 0 法定工作日 上班)
fired_days "$work/workdays" 07:29:59 2026-09-18 2026-09-19 2026-09-20 2026-09-30 2026-10-01 \
  2026-10-03 2026-10-05 2026-10-07 2026-10-08 2026-10-09 2026-10-10 2026-10-11 2026-10-12 \
  >"$work/workdays.out"
printf '%s\n' 2026-09-18 2026-09-20 2026-09-30 2026-10-08 2026-10-09 2026-10-10 2026-10-12 \
  >"$work/workdays.expected"
expect "official workdays over the 国庆 week" "$work/workdays.expected" "$work/workdays.out"
# December 2026 belongs to the 2027 notice, not yet published: Monday to Friday, and the prompt
# window says so.
"$sim" --start "2026-12-09 07:29:59" --seconds 3 --settings "$work/workdays" |
  grep ' status ' >"$work/unpublished.out"
echo "07:30:00.000 status  *定时1* 上班 2027年的节假日安排尚未公布，按周一至周五提醒" \
  >"$work/unpublished.expected"
expect "a year without a notice is told" "$work/unpublished.expected" "$work/unpublished.out"

# A yearly lunar alarm on 闰四月初八: the ordinary fourth month's eighth day in 2019 and 2021,
# the leap month's in 2020 (not the ordinary month's, 2020-04-30); and 腊月三十 on 廿九 in 2025,
# whose twelfth month is short.
# shellcheck disable=SC2046
make_settings "$work/lunar" $(slot_lines 1 9 0 0 农历闰四月初八 浴佛节)
fired_days "$work/lunar" 08:59:59 2019-05-11 2019-05-12 2019-05-13 2020-04-30 2020-05-29 \
  2020-05-30 2020-05-31 2021-05-19 >"$work/lunar.out"
# shellcheck disable=SC2046
make_settings "$work/eve" $(slot_lines 1 9 0 0 农历腊月三十 除夕)
fired_days "$work/eve" 08:59:59 2024-02-09 2025-01-28 2025-01-29 2026-02-16 >>"$work/lunar.out"
printf '%s\n' 2019-05-12 2020-05-30 2021-05-19 2024-02-09 2025-01-28 2026-02-16 \
  >"$work/lunar.expected"
expect "lunar yearly alarms over several years, a leap month included" "$work/lunar.expected" \
  "$work/lunar.out"

# Quiet hours from 23:00 to 07:00 keep the hourly chime still across midnight, on its last
# minute before 07:00 included, while an alarm at 00:30 still rings.
# shellcheck disable=SC2046
make_settings "$work/night" 1=1 2=60 3=1 523=1 524=23:00 525=07:00 $(slot_lines 1 0 30 0 每天 夜班)
for start in "2026-12-09 21:59:59" "2026-12-09 22:59:59" "2026-12-09 23:59:59" \
             "2026-12-10 00:29:59" "2026-12-10 06:59:59"; do
  "$sim" --start "$start" --seconds 3 --settings "$work/night" | grep -E ' (fire|mode|status) '
done >"$work/night.out"
cat >"$work/night.expected" <<'LINES'
22:00:00.000 fire chime
22:00:00.000 mode 整点报时
22:00:00.000 status  *整点报时* 
00:30:00.000 fire slot 1
00:30:00.000 mode 定时1
00:30:00.000 status  *定时1* 夜班
07:00:00.000 fire chime
07:00:00.000 mode 整点报时
07:00:00.000 status  *整点报时* 
LINES
expect "quiet hours across midnight" "$work/night.expected" "$work/night.out"
# Never missing an alarm: each case keeps the lines that tell what fired, was missed or put off.
decisions() {  # OUTPUT-FILE
  grep -E ' (fire|missed|snooze) | message 错过| shutdown-state | exitwindows | hide prompt' "$1"
}

# A 3 s stall of the UI thread across the due second: the alarm fires once, late.
# shellcheck disable=SC2046
make_settings "$work/stall" $(slot_lines 12 6 45 0 每天 起床了) 518=100
"$sim" --start "2010-05-01 06:44:58" --seconds 20 --settings "$work/stall" \
  --at 06:44:59 stall 3 >"$work/stall.out"
decisions "$work/stall.out" >"$work/stall.events"
echo "06:45:02.000 fire slot 12" >"$work/stall.expected"
expect "a stall across the due second fires once, late" "$work/stall.expected" "$work/stall.events"

# A 2-hour sleep over a shutdown alarm: the alarm is told, no shutdown starts.
# shellcheck disable=SC2046
make_settings "$work/sleep" $(slot_lines 3 22 0 1 每天 该睡觉了) 518=50
"$sim" --start "2010-05-01 21:59:00" --seconds 7300 --settings "$work/sleep" \
  --at 21:59:30 sleep 7200 >"$work/sleep.out"
decisions "$work/sleep.out" >"$work/sleep.events"
cat >"$work/sleep.expected" <<'LINES'
23:59:30.000 missed slot 3 22:00
23:59:30.000 message 错过的定时：定时3 22:00 该睡觉了
LINES
expect "a sleep over an alarm tells it and starts no shutdown" "$work/sleep.expected" "$work/sleep.events"

# The clock set back over a minute that already fired: slot 1 fires in between (so the
# five-second guard is no help), slot 12 does not fire twice.
# shellcheck disable=SC2046
make_settings "$work/back" $(slot_lines 12 6 45 0 每天 起床了) $(slot_lines 1 6 44 0 每天 洗漱) 518=100
"$sim" --start "2010-05-01 06:44:58" --seconds 120 --settings "$work/back" \
  --at 06:45:20 set-clock "2010-05-01 06:43:55" >"$work/back.out"
decisions "$work/back.out" >"$work/back.events"
cat >"$work/back.expected" <<'LINES'
06:45:00.000 fire slot 12
06:44:00.000 fire slot 1
LINES
expect "a clock set back over a fired minute fires nothing twice" "$work/back.expected" "$work/back.events"

# 稍后提醒 one second after the alarm: it fires again five minutes after the press; 知道了 closes.
# shellcheck disable=SC2046
make_settings "$work/snooze" $(slot_lines 12 6 45 0 每天 起床了) 518=100 521=5
"$sim" --start "2010-05-01 06:44:58" --seconds 320 --settings "$work/snooze" \
  --at 06:45:01 snooze --at 06:50:03 acknowledge >"$work/snooze.out"
decisions "$work/snooze.out" >"$work/snooze.events"
cat >"$work/snooze.expected" <<'LINES'
06:45:00.000 fire slot 12
06:45:01.000 snooze slot 12 06:50:01
06:45:01.000 hide prompt
06:50:01.000 fire slot 12
06:50:03.000 hide prompt
LINES
expect "snooze fires again after its minutes" "$work/snooze.expected" "$work/snooze.events"

# The tray tip's second line names the next alarm.
"$sim" --start "2010-05-01 06:40:00" --seconds 1 --settings "$work/snooze" --show-tip |
  grep -m1 -c ' tip .* | 下一个定时：今天 06:45 起床了$' >"$work/next"
echo 1 >"$work/next.expected"
expect "the tray tip names the next alarm" "$work/next.expected" "$work/next"

if "$sim" --help >"$work/help.out" && grep -q -- '--at' "$work/help.out"; then
  echo "ok: --help prints the usage"
else
  echo "FAIL: --help"
  failures=$((failures + 1))
fi

exit "$failures"
